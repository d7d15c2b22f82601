// Where tarvel-calc --pdf writes, as a hostile or careless user points it:
// standard output, descriptors, pipes, read-only and setuid files, links, and
// a run stopped by a signal at any moment.
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tarvel::testing {
namespace {

constexpr char kData[] = "10000 01/01/2000 01/01/2015";
constexpr char kOld[] = "vecchio";

bool IsOnePagePdf(const fs::path& file) { return ReadPdfWords(file.string()).size() == 1; }

bool StdoutIsStillALink()
{
    struct stat status {};
    return lstat("/dev/stdout", &status) == 0 && S_ISLNK(status.st_mode);
}

fs::path WriteOld(const fs::path& file, fs::perms perms)
{
    std::ofstream(file) << kOld;
    fs::permissions(file, perms);
    return file;
}

// A link of the test's own to standard output: /dev/stdout as the system has
// it, which a fault could otherwise replace.
std::string OwnStdout(const fs::path& scratch)
{
    fs::create_symlink("/proc/self/fd/1", scratch / "stdout");
    return (scratch / "stdout").string();
}

std::string Fixed(const fs::path&, const char* path) { return path; }

// One target: how the test makes it in the scratch folder (the --pdf argument),
// the shell words around the run ("%s"), and what must hold after.
struct Target {
    const char* name;
    std::function<std::string(const fs::path& scratch)> prepare;
    const char* around;
    int status;
    // Where the whole PDF must be, and nothing else: "-" the run's standard
    // output, "" the target, else a file of the scratch folder.
    const char* pdfIn;
    // For a refusal: the file that must still hold the old bytes ("" none), and the reason.
    const char* untouched = "";
    const char* reason = "";
    bool asNobody = false; // root may write a read-only file, as the shell's > does
    bool needsRoot = false;
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

const Target kTargets[] = {
    {"Dash", [](const fs::path& s) { return Fixed(s, "-"); }, "%s", 0, "-"},
    {"StdoutIntoAPipe", OwnStdout, "%s | cat", 0, "-"},
    {"StdoutIntoAFile", OwnStdout, "%s > out.bin", 0, "out.bin"},
    {"DevFd1", [](const fs::path& s) { return Fixed(s, "/dev/fd/1"); }, "%s | cat", 0, "-"},
    {"ProcSelfFd1", [](const fs::path& s) { return Fixed(s, "/proc/self/fd/1"); }, "%s > out.bin", 0, "out.bin"},
    {"FifoWithAReader",
     [](const fs::path& s) {
         mkfifo((s / "tubo").c_str(), 0600);
         return (s / "tubo").string();
     },
     "cat tubo > out.bin & %s > /dev/null; wait", 0, "out.bin"},
    {"ReadOnlyFile", [](const fs::path& s) { return WriteOld(s / "x.pdf", fs::perms::owner_read).string(); }, "%s", 3,
     nullptr, "x.pdf", "Permesso negato", true},
    {"DanglingLink",
     [](const fs::path& s) {
         fs::create_symlink(s / "nessuno.pdf", s / "x.pdf");
         return (s / "x.pdf").string();
     },
     "%s", 3, nullptr, "", "File o directory non esistente"},
    // In a world-writable sticky folder another user's link to a file of
    // root's is not followed, whatever the system's own setting.
    {"OtherUsersLinkInAStickyFolder",
     [](const fs::path& s) {
         fs::create_directory(s / "tmp");
         fs::permissions(s / "tmp", fs::perms::all | fs::perms::sticky_bit);
         WriteOld(s / "di-root.pdf", fs::perms::owner_read | fs::perms::owner_write);
         fs::create_symlink(s / "di-root.pdf", s / "tmp" / "x.pdf");
         lchown((s / "tmp" / "x.pdf").c_str(), kNobody, kNobody);
         return (s / "tmp" / "x.pdf").string();
     },
     "%s", 3, nullptr, "di-root.pdf", "Permesso negato", false, true},
    // Replaced without its setuid bit, and still nobody's.
    {"SetuidFile",
     [](const fs::path& s) {
         const fs::path file = WriteOld(s / "x.pdf", fs::perms::owner_all | fs::perms::group_read
                                                         | fs::perms::others_read | fs::perms::set_uid);
         chown(file.c_str(), kNobody, kNobody);
         return file.string();
     },
     "%s", 0, "", "", "", false, true},
};

class CalcPdfTarget : public ScratchTest, public ::testing::WithParamInterface<Target> {};

TEST_P(CalcPdfTarget, WritesWhereItShouldOrRefusesAndSaysWhy)
{
    const Target& target = GetParam();
    if (target.needsRoot && geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const std::string path = target.prepare(scratch);
    const std::string arguments = std::string(kData) + " --pdf '" + path + "'";
    std::optional<CalcAsNobody> nobody;
    if (target.asNobody && geteuid() == 0) {
        nobody.emplace();
        if (!nobody->Ready())
            GTEST_SKIP() << nobody->Why();
        fs::permissions(scratch, fs::perms::others_exec, fs::perm_options::add);
        chown(path.c_str(), kNobody, kNobody);
    }
    std::string command = target.around;
    command.replace(command.find("%s"), 2, nobody ? nobody->Calc(arguments) : Calc(arguments));
    const CommandRun result = RunCommand("cd '" + scratch.string() + "' && " + command, scratch);

    EXPECT_EQ(result.status, target.status) << result.err;
    if (target.pdfIn) {
        const fs::path pdf = *target.pdfIn == '-' ? scratch / "stdout.bin"
                             : *target.pdfIn      ? scratch / target.pdfIn
                                                  : fs::path(path);
        if (*target.pdfIn == '-')
            std::ofstream(pdf, std::ios::binary) << result.out;
        const std::string bytes = FileBytes(pdf);
        EXPECT_TRUE(bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF\n")); // no line before or after it
        EXPECT_TRUE(IsOnePagePdf(pdf));
        EXPECT_EQ(result.err, "");
    } else {
        EXPECT_EQ(result.err, "Impossibile scrivere il file \"" + path + "\": " + target.reason + "\n");
        if (*target.untouched)
            EXPECT_EQ(FileBytes(scratch / target.untouched), kOld);
        else
            EXPECT_TRUE(fs::is_symlink(path) && !fs::exists(path));
    }
    struct stat status {};
    if (target.name == std::string("SetuidFile") && stat(path.c_str(), &status) == 0) {
        EXPECT_EQ(status.st_mode & 07777, 0744u);
        EXPECT_EQ(status.st_uid, kNobody);
        EXPECT_EQ(status.st_gid, kNobody);
    }
    for (const auto& entry : fs::recursive_directory_iterator(scratch))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".tarvel-")) << entry.path();
    EXPECT_TRUE(StdoutIsStillALink());
}

INSTANTIATE_TEST_SUITE_P(Targets, CalcPdfTarget, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

using CalcPdfStopped = ScratchTest;

// Stopped at spread moments of its run, by the signals a terminal or the
// system sends: never a temporary file, and the target the old file or the
// whole new one.
TEST_F(CalcPdfStopped, AStoppedRunLeavesTheOldFileOrTheWholeNewOne)
{
    const fs::path pdf = scratch / "prospetto.pdf";
    const std::string target = pdf.string();
    char* const argv[] = {const_cast<char*>(TARVEL_CALC),
                          const_cast<char*>("10000"),
                          const_cast<char*>("01/01/2000"),
                          const_cast<char*>("01/01/2015"),
                          const_cast<char*>("--pdf"),
                          const_cast<char*>(target.c_str()),
                          nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    // How long a whole run takes here, the middle of three: a tenth of a
    // second in a usual build, longer in a sanitized one.
    using std::chrono::microseconds;
    std::array<microseconds, 3> lengths{};
    for (microseconds& length : lengths) {
        const auto begin = std::chrono::steady_clock::now();
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, TARVEL_CALC, &quiet, nullptr, argv, environ), 0);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        length = std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - begin);
    }
    std::sort(lengths.begin(), lengths.end());
    const auto latest = static_cast<useconds_t>(lengths[1].count() * 3 / 2);

    WriteOld(pdf, fs::perms::owner_read | fs::perms::owner_write);
    std::mt19937 random(20261209);
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    int replaced = 0;
    for (int run = 0; run < 100; ++run) {
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, TARVEL_CALC, &quiet, nullptr, argv, environ), 0);
        // At any moment of the run, or after its end for about a third.
        usleep(std::uniform_int_distribution<useconds_t>(0, latest)(random));
        kill(pid, signals[run % 3]);
        int status = 0;
        waitpid(pid, &status, 0);
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch))
            if (entry.path().filename() != "stderr.txt")
                names.push_back(entry.path().filename().string());
        ASSERT_EQ(names, std::vector<std::string>{"prospetto.pdf"}) << "run " << run;
        const std::string bytes = FileBytes(pdf);
        if (bytes != kOld) {
            ASSERT_TRUE(bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF\n")) << "run " << run;
            ++replaced;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
    EXPECT_GT(replaced, 0); // the signals did not all come before the end
    EXPECT_TRUE(IsOnePagePdf(pdf));
}

} // namespace
} // namespace tarvel::testing
