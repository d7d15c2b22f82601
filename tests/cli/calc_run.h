#pragma once

// Running tarvel-calc as a shell runs it, in a scratch folder of the test's own.

#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>

namespace tarvel::testing {

namespace fs = std::filesystem;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CommandRun RunCommand(const std::string& command, const fs::path& scratch)
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
    run.err = FileBytes(errFile);
    return run;
}

inline std::string Calc(const std::string& arguments) { return std::string(TARVEL_CALC) + " " + arguments; }

// The ordinary user the cases that need one run tarvel-calc as, when root.
constexpr uid_t kNobody = 65534;

// tarvel-calc as nobody runs it: a copy of it, with tarvel-calc-print beside
// it, in a folder of its own that every user may enter, since the build tree
// may lie where nobody cannot reach (in a folder only root may enter).
// Ready() is false, and Why() says why, when nobody cannot run the copy.
class CalcAsNobody {
public:
    CalcAsNobody()
    {
        std::error_code error;
        const fs::path folder = folder_.Path();
        if (folder.empty()) {
            why_ = "no folder for a copy of tarvel-calc";
            return;
        }
        const auto everyone = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                              | fs::perms::others_read | fs::perms::others_exec;
        fs::permissions(folder, everyone, error);
        for (const fs::path program : {TARVEL_CALC, TARVEL_CALC_PRINT}) {
            if (!error)
                fs::copy_file(program, folder / program.filename(), error);
            if (!error)
                fs::permissions(folder / program.filename(), everyone, error);
        }
        calc_ = (folder / fs::path(TARVEL_CALC).filename()).string();
        if (error)
            why_ = "tarvel-calc cannot be copied to " + folder.string() + ": " + error.message();
        else if (std::system((std::string(kPrefix) + "test -x '" + calc_ + "'").c_str()) != 0)
            why_ = "nobody cannot run tarvel-calc even from " + folder.string();
    }

    bool Ready() const { return why_.empty(); }
    const std::string& Why() const { return why_; }
    // The shell words that run the copy as nobody with these arguments.
    std::string Calc(const std::string& arguments) const { return kPrefix + calc_ + " " + arguments; }

private:
    static constexpr char kPrefix[] = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

    ScratchFolder folder_{"tarvel-nobody"};
    std::string calc_;
    std::string why_;
};

class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch.empty()); }

    ScratchFolder folder{"tarvel-print"};
    const fs::path scratch = folder.Path();
};

struct RunCase {
    const char* name;
    std::string arguments;
    std::string file; // righe.csv
    int status;
    std::string out; // a text standard output holds; empty: it is empty
    std::string err; // what standard error starts with; empty: it is empty
};

// tarvel-calc run in a folder holding a legal table that starts on
// 01/01/2020 (tassi.csv) and the case's own file (righe.csv), which is also
// its standard input.
class TarvelCalcRun : public ScratchTest {
protected:
    CommandRun Run(const std::string& arguments, const std::string& file)
    {
        std::ofstream(scratch / "tassi.csv") << "dal;tasso;atto\n01/01/2020;5;\n01/01/2021;1;\n";
        std::ofstream(scratch / "righe.csv", std::ios::binary) << file;
        return RunCommand("cd '" + scratch.string() + "' && " + Calc(arguments) + " < righe.csv", scratch);
    }

    void Check(const RunCase& row)
    {
        SCOPED_TRACE(row.name);
        const CommandRun run = Run(row.arguments, row.file);
        EXPECT_EQ(run.status, row.status);
        if (row.out.empty())
            EXPECT_EQ(run.out, "");
        else
            EXPECT_NE(run.out.find(row.out), std::string::npos) << run.out;
        if (row.err.empty())
            EXPECT_EQ(run.err, "");
        else
            EXPECT_TRUE(run.err.starts_with(row.err)) << run.err;
    }
};

} // namespace tarvel::testing
