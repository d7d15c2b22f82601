// tarvel-calc's report end to end: to a PDF file, and to a queue of a private
// print server through the system's printing service.
#include "print/print_error.h"
#include "print/qt_printer.h"
#include "print/qt_printer_platform.h"
#include "print/report.h"
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/full_file_system.h"
#include "tests/support/print_server.h"
#include "tests/support/recording_runtime.h"

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvel::testing {
namespace {

namespace fs = std::filesystem;

// The report's texts for the example span, as the window would hold them.
ReportTexts ExampleTexts() { return ReportTextsAfter("10000", "01 / 01 / 2000", "01 / 01 / 2015"); }

int LineCount(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

// What tarvel-calc prints without a report, for the same data.
std::string PlainLines(const std::string& data, const fs::path& scratch) { return RunCommand(Calc(data), scratch).out; }

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

// The longest statement a span can give, every legal rate up to a claim and
// every reference rate after it, on the one page, as laid out.
TEST_F(CalcPdf, WithTheRatesInForceTheLongestStatementFillsOnePage)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    const std::string data = "--domanda 11/12/2014 10000 21/04/1942 31/12/2031";
    const CommandRun run = RunCommand(Calc(data + " --pdf '" + pdf.string() + "'"), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, PlainLines(data, scratch));
    const auto pages = ReadPdfWords(pdf.string());
    ASSERT_EQ(pages.size(), 1u);
    const RatesReportTexts texts = RatesReportOf(ClaimRequest("11/12/2014", "10000", "21/04/1942", "31/12/2031"));
    ASSERT_EQ(texts.lines.size(), 36u);
    // The first and the last period as the page reads them, the late-payment rate whole.
    const std::vector<std::string> lines = PageLines(pages[0]);
    ASSERT_GT(lines.size(), 5u + 36);
    EXPECT_EQ(lines[5], "data al capitale giorni tasso interessi atto");
    EXPECT_EQ(lines[6], "22/04/1942 15/12/1990 10.000,00 17770 5% 24.342,47 codice civile");
    EXPECT_EQ(lines[5 + 36],
              "01/01/2026 31/12/2031 10.000,00 2191 10,15% (2,15% + 8) 6.092,78 G.U. n. 15 del 20/01/2026");
    EXPECT_EQ(Collisions(pages[0]), std::vector<std::string>{});
    // The rows evenly apart, from the first to the last day.
    const auto top = [&](const std::string& day) {
        const auto word = std::find_if(pages[0].words.begin(), pages[0].words.end(),
                                       [&](const PdfWord& w) { return w.text == day && w.xMin < 21; });
        return word == pages[0].words.end() ? 0.0 : word->yMin;
    };
    const double pitch = (top("01/01/2026") - top("22/04/1942")) / 35;
    EXPECT_GT(pitch, 4);
    ExpectLayout(pages[0], RatesReportLayout(texts, pitch), 0.5);
}

TEST_F(CalcPdf, AFailedCalculationWritesNoFile)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    const CommandRun run = RunCommand(Calc("10000 01/01/2015 01/01/2000 --pdf '" + pdf.string() + "'"), scratch);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2015 01/01/2000", scratch));
    EXPECT_FALSE(fs::exists(pdf));
}

// A PDF that cannot be written whole: exit 3, one line naming the file and
// the system's reason, and nothing half-written left behind.
struct Unwritable {
    const char* name;
    const char* target; // in the scratch folder unless absolute; "" for the full file system
    const char* reason;
    bool asNobody = false;            // root may write in any folder: an ordinary user is asked then
    const char* userReason = nullptr; // the reason when not root, where it differs
};

void PrintTo(const Unwritable& row, std::ostream* out) { *out << row.name; }

class CalcPdfUnwritable : public ScratchTest, public ::testing::WithParamInterface<Unwritable> {};

TEST_P(CalcPdfUnwritable, FailsWithOneMessageAndLeavesWhatWasThere)
{
    const Unwritable& row = GetParam();
    FullFileSystem full;
    std::string path = row.target[0] == '/' ? row.target : (scratch / row.target).string();
    if (!*row.target) {
        if (!full.Mounted())
            GTEST_SKIP() << "mounting a full file system needs root";
        path = full.Existing().string();
    }
    std::optional<CalcAsNobody> nobody;
    if (row.asNobody) {
        // A folder nobody may write in.
        fs::create_directory(fs::path(path).parent_path());
        fs::permissions(fs::path(path).parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(scratch, fs::perms::others_exec, fs::perm_options::add);
        if (geteuid() == 0)
            nobody.emplace();
        if (nobody && !nobody->Ready())
            GTEST_SKIP() << nobody->Why();
    }
    const bool regular = fs::is_regular_file(path);
    const std::string before = regular ? FileBytes(path) : "";

    const std::string arguments = "10000 01/01/2000 01/01/2015 --pdf '" + path + "'";
    const CommandRun run = RunCommand(nobody ? nobody->Calc(arguments) : Calc(arguments), scratch);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2000 01/01/2015", scratch));
    const char* reason = row.userReason && geteuid() != 0 ? row.userReason : row.reason;
    EXPECT_EQ(run.err, "Impossibile scrivere il file \"" + path + "\": " + reason + "\n");
    if (regular) {
        EXPECT_EQ(FileBytes(path), before);
    }
    if (!*row.target) { // and no temporary file left beside it
        EXPECT_EQ(std::distance(fs::directory_iterator(full.Folder()), fs::directory_iterator()), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, CalcPdfUnwritable,
    ::testing::Values(Unwritable{"MissingFolder", "manca/x.pdf", "File o directory non esistente"},
                      Unwritable{"AFolder", "/tmp", "È una directory"},
                      Unwritable{"DeviceThatIsFull", "/dev/full", "Spazio esaurito sul device"},
                      Unwritable{"FullFileSystemOverAnExistingFile", "", "Spazio esaurito sul device"},
                      // Root may open it for writing, but no file can be made in /proc.
                      Unwritable{"ProcFile", "/proc/version", "File o directory non esistente", false,
                                 "Permesso negato"},
                      Unwritable{"FolderWithoutWritePermission", "chiusa/x.pdf", "Permesso negato", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcPdf, ReplacesAnExistingFileWholeWritesToAPipeInPlaceAndKeepsTheNameAsGiven)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    std::ofstream(pdf) << "vecchio";
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf '" + pdf.string() + "'"), scratch).status, 0);
    ASSERT_EQ(ReadPdfWords(pdf.string()).size(), 1u);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch), fs::directory_iterator()), 2); // and stderr.txt

    const fs::path fifo = scratch / "tubo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const CommandRun run =
        RunCommand("cat '" + fifo.string() + "' > '" + (scratch / "letto.pdf").string() + "' & "
                       + Calc("10000 01/01/2000 01/01/2015 --pdf '" + fifo.string() + "'") + "; wait",
                   scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(ReadPdfWords((scratch / "letto.pdf").string()).size(), 1u);

    // A name that is not UTF-8 is used as it is.
    const std::string latin1 = (scratch / "rapporto-\xe8.pdf").string();
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf '" + latin1 + "'"), scratch).status, 0);
    EXPECT_TRUE(fs::is_regular_file(latin1));
}

TEST_F(CalcPdf, OptionsNeedTheirValueAndComeOneAtATime)
{
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf"), scratch).status, 2);
    EXPECT_EQ(RunCommand(Calc("10000 01/01/2000 01/01/2015 --pdf a.pdf --printer P1"), scratch).status, 2);
    EXPECT_FALSE(fs::exists("a.pdf"));
}

// A print server of its own for each test, with the queues P1, P2 and P3, P4
// with wide margins and P5 that refuses jobs.
class CalcPrinter : public ScratchTest {
protected:
    void SetUp() override
    {
        if (!PrintServer::MayStart())
            GTEST_SKIP() << "the private print server needs root";
        ScratchTest::SetUp();
        server.emplace(std::vector<std::string>{"P1", "P2", "P3", "P4:wide", "P5:reject"});
        ASSERT_TRUE(server->Running());
        cupsSetServer(nullptr); // read again from the environment
    }
    void WaitForJobs() { ASSERT_TRUE(server->WaitForJobs()); }
    // Jobs of the queue, done or not.
    static int JobCount(const char* queue)
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
        cupsFreeJobs(count, jobs);
        return count;
    }
    // The attributes of the queue's last job, as texts.
    static std::map<std::string, std::string> JobAttributes(const char* queue)
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
        std::map<std::string, std::string> attributes;
        if (count <= 0)
            return attributes;
        int last = 0;
        for (int i = 0; i < count; ++i)
            last = std::max(last, jobs[i].id);
        cupsFreeJobs(count, jobs);
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     ("ipp://localhost/printers/" + std::string(queue)).c_str());
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", last);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
            if (!ippGetName(a))
                continue;
            char text[1024];
            ippAttributeString(a, text, sizeof text);
            attributes[ippGetName(a)] = text;
        }
        ippDelete(response);
        return attributes;
    }
    fs::path Output(const std::string& queue) const { return server->Output(queue); }

    std::optional<PrintServer> server;
};

TEST_F(CalcPrinter, TheReportComesOutOfTheNamedQueue)
{
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --printer P2"), scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2000 01/01/2015", scratch));
    WaitForJobs();
    const auto pages = ReadPdfWords(Output("P2").string());
    ASSERT_EQ(pages.size(), 1u) << FileBytes(server->ErrorLog());
    EXPECT_NEAR(pages[0].widthMm, 210, 0.5);
    EXPECT_NEAR(pages[0].heightMm, 297, 0.5);
    ExpectLayout(pages[0], ReportLayout(ExampleTexts()), 0.5);
    EXPECT_FALSE(fs::exists(Output("P1")));
    EXPECT_FALSE(fs::exists(Output("P3")));

    // The job carries the report's page settings.
    const auto attributes = JobAttributes("P2");
    EXPECT_EQ(attributes.at("media"), "A4");
    EXPECT_EQ(attributes.at("orientation-requested"), "portrait");
    EXPECT_EQ(attributes.at("print-color-mode"), "monochrome");
    EXPECT_EQ(attributes.at("print-quality"), "high");
    EXPECT_EQ(attributes.at("job-state"), "completed");
}

TEST_F(CalcPrinter, AQueueThatRefusesJobsIsAnErrorAndNothingIsPrinted)
{
    const CommandRun run = RunCommand(Calc("10000 01/01/2000 01/01/2015 --printer P5"), scratch);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, PlainLines("10000 01/01/2000 01/01/2015", scratch));
    EXPECT_EQ(run.err, "Impossibile stampare su \"P5\": La stampante non accetta lavori\n");
    WaitForJobs();
    EXPECT_FALSE(fs::exists(Output("P5")));
    EXPECT_EQ(JobCount("P5"), 0);
}

// A document dropped, by KillDoc or by the printer going with the document
// open, never reaches the queue.
class CalcPrinterDrop : public CalcPrinter, public ::testing::WithParamInterface<bool> {};

TEST_P(CalcPrinterDrop, NothingReachesTheQueue)
{
    const bool killDoc = GetParam();
    auto printer = QtPrinter::ForDevice("P1");
    PrinterSelection printers;
    printers.MakeCurrent(printer);
    RecordingRuntime runtime;
    {
        EasyPrint objPrint(printers, runtime);
        Default_Value(objPrint);
        objPrint.PrintLeft(30, 40, "Capitale  10.000,00");
        objPrint.PrintShape(20, 20, 100, 40, 5.0f);
        if (killDoc)
            objPrint.KillDoc();
    }
    printers.MakeCurrent(nullptr);
    printer.reset();
    WaitForJobs();
    EXPECT_EQ(JobCount("P1"), 0);
    EXPECT_FALSE(fs::exists(Output("P1")));
}

INSTANTIATE_TEST_SUITE_P(Drop, CalcPrinterDrop, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "KillDoc" : "PrinterGoesWithTheDocumentOpen"; });

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
    EXPECT_EQ(names, (std::vector<std::string>{"P1", "P2", "P3", "P4", "P5"}));
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
