// tarvel-calc's report end to end: to a PDF file, and to a queue of a private
// print server through the system's printing service.
#include "calculate_interest.h"
#include "pdf_layout.h"
#include "qt_printer_platform.h"
#include "report.h"


#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvel::testing {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

CommandRun RunCommand(const std::string& command, const fs::path& scratch)
{
    const fs::path errFile = scratch / "stderr.txt";
    CommandRun run;
    FILE* pipe = popen((command + " 2>'" + errFile.string() + "'").c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile(errFile);
    return run;
}

std::string Calc(const std::string& arguments) { return std::string(TARVEL_CALC) + " " + arguments; }

// The report's texts for the example span, as the window would hold them.
ReportTexts ExampleTexts()
{
    const std::string from = "01 / 01 / 2000", to = "01 / 01 / 2015";
    const CalculationResult result = CalculateInterest({"10000", from, to});
    ControlTexts window = FreshWindowTexts("10000");
    Overlay(window, result.written);
    return MakeReportTexts(window, from, to);
}

int LineCount(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarvel-print.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
    }
    fs::path scratch;
};

// What tarvel-calc prints without a report, for the same data.
std::string PlainLines(const std::string& data, const fs::path& scratch)
{
    return RunCommand(Calc(data), scratch).out;
}

using CalcPdf = ScratchTest;

TEST_F(CalcPdf, WritesTheReportBesideTheUsualLines)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf '" + pdf.string() + "'"), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2000 01/01/2015", scratch));
    EXPECT_EQ(LineCount(run.out), 19);
    EXPECT_EQ(run.err, "");
    const auto pages = ReadPdfWords(pdf.string());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].widthMm, 210, 0.5);
    EXPECT_NEAR(pages[0].heightMm, 297, 0.5);
    ExpectLayout(pages[0], ReportLayout(ExampleTexts()), 0.5);
}

TEST_F(CalcPdf, AFailedCalculationWritesNoFile)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    const CommandRun run = RunCommand(Calc("10000 01/01/2015 01/01/2000 --pdf '" + pdf.string() + "'"), scratch);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2015 01/01/2000", scratch));
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(CalcPdf, AFileThatCannotBeWrittenFailsWithOneMessage)
{
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf '" + (scratch / "manca/x.pdf").string() + "'"),
                               scratch);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("Errore numero: 482"), std::string::npos) << run.err;
}

TEST_F(CalcPdf, OptionsNeedTheirValueAndComeOneAtATime)
{
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf"), scratch).status, 2);
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf a.pdf --printer P1"), scratch).status, 2);
    EXPECT_FALSE(fs::exists("a.pdf"));
}

// A print server of its own with the queues P1, P2 and P3, for each test.
class CalcPrinter : public ScratchTest {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "the private print server needs root";
        ScratchTest::SetUp();
        fs::permissions(scratch, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        server = scratch / "cups";
        ASSERT_EQ(std::system((Sandbox("start") + " P1 P2 P3").c_str()), 0);
        setenv("CUPS_SERVER", (server / "cups.sock").c_str(), 1);
    }
    void TearDown() override
    {
        if (!server.empty())
            std::system(Sandbox("stop").c_str());
        unsetenv("CUPS_SERVER");
        ScratchTest::TearDown();
    }
    std::string Sandbox(const std::string& action) const
    {
        return std::string(CUPS_SANDBOX) + " " + action + " '" + server.string() + "'";
    }
    void WaitForJobs() { ASSERT_EQ(std::system(Sandbox("wait").c_str()), 0); }
    fs::path Output(const std::string& queue) const { return server / "out" / (queue + ".pdf"); }

    fs::path server;
};

TEST_F(CalcPrinter, TheReportComesOutOfTheNamedQueue)
{
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --printer P2"), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2000 01/01/2015", scratch));
    WaitForJobs();
    const auto pages = ReadPdfWords(Output("P2").string());
    ASSERT_EQ(pages.size(), 1u) << ReadFile(server / "log" / "error_log");
    EXPECT_NEAR(pages[0].widthMm, 210, 0.5);
    EXPECT_NEAR(pages[0].heightMm, 297, 0.5);
    ExpectLayout(pages[0], ReportLayout(ExampleTexts()), 0.5);
    EXPECT_FALSE(fs::exists(Output("P1")));
    EXPECT_FALSE(fs::exists(Output("P3")));
}

TEST_F(CalcPrinter, AnUnknownPrinterIsAnErrorAndNothingIsPrinted)
{
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --printer P9"), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "La stampante \"P9\" non è installata.\n");
    const CommandRun failed = RunCommand(Calc("10000 01/01/2015 01/01/2000 --printer P1"), scratch);
    EXPECT_EQ(failed.status, 1);
    WaitForJobs();
    for (const char* queue : {"P1", "P2", "P3"})
        EXPECT_FALSE(fs::exists(Output(queue))) << queue;
}

TEST_F(CalcPrinter, TheListHasEveryQueueOnceInTheServersOrder)
{
    QtPrinterPlatform platform;
    std::vector<std::string> names;
    for (const auto& printer : platform.Printers())
        names.push_back(printer->DeviceName());
    EXPECT_EQ(names, (std::vector<std::string>{"P1", "P2", "P3"}));
    const auto current = platform.DefaultPrinter();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->DeviceName(), "P1");
    // The queue's printable area starts inside the sheet, so the engine's
    // offsets are exercised by the print above.
    EXPECT_GT(current->GetDeviceCaps(kPhysicalOffsetX), 0);
    EXPECT_GT(current->GetDeviceCaps(kLogPixelsX), 0);
}

} // namespace
} // namespace tarvel::testing
