#pragma once

// Running tarvel-calc as a shell runs it, in a scratch folder of the test's own.

#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
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

class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch.empty()); }

    ScratchFolder folder{"tarvel-print"};
    const fs::path scratch = folder.Path();
};

} // namespace tarvel::testing
