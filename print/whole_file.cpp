#include "print/whole_file.h"

#include "print/print_error.h"
#include "runtime/descriptor_io.h"
#include "runtime/system_error_text.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {
namespace {

// As many links in a row as the kernel follows.
constexpr int kMaxLinks = 40;

[[noreturn]] void Fail(int errnum) { throw PrintError(kErrPrinter, SystemErrorText(errnum)); }

// What a path leads to once its links are resolved.
struct Target {
    enum class Kind { Descriptor, NotTaken, Regular, Other };
    Kind kind;
    std::string path; // the resolved path; for Descriptor, unused
    int descriptor = -1;
};

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The descriptor that `path` stands for when it is an entry of this process's
// descriptor folder, however that folder is reached (/proc/self/fd, /dev/fd,
// /proc/PID/fd). Such an entry only looks like a link: what it "points to"
// may be a pipe that has no path at all, so it is never resolved as one.
std::optional<int> ProcessDescriptor(const std::string& path)
{
    const std::string name = NameOf(path);
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    char* folder = ::realpath(FolderOf(path).c_str(), nullptr);
    if (!folder)
        return std::nullopt;
    const bool ours = std::string(folder) == "/proc/" + std::to_string(::getpid()) + "/fd";
    std::free(folder);
    if (!ours)
        return std::nullopt;
    return std::atoi(name.c_str());
}

// Refuses a link that the kernel's protected_symlinks would not follow.
void CheckMayFollow(const std::string& linkPath, const struct stat& link)
{
    struct stat folder {};
    if (::stat(FolderOf(linkPath).c_str(), &folder) != 0)
        Fail(errno);
    const bool stickyForAll = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    if (stickyForAll && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid)
        Fail(EACCES);
}

std::string LinkTarget(const std::string& linkPath)
{
    std::string target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(linkPath.c_str(), target.data(), target.size());
    if (size < 0)
        Fail(errno);
    target.resize(std::size_t(size));
    if (target.empty() || target.front() == '/')
        return target;
    return FolderOf(linkPath) + "/" + target;
}

Target Resolve(const std::string& path)
{
    if (path.empty())
        Fail(ENOENT);
    if (path == "-")
        return {Target::Kind::Descriptor, {}, STDOUT_FILENO};
    std::string current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (const auto descriptor = ProcessDescriptor(current)) {
            if (::fcntl(*descriptor, F_GETFD) < 0)
                Fail(errno);
            return {Target::Kind::Descriptor, {}, *descriptor};
        }
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            // A name not taken yet is a new file; a link to nothing is refused.
            if (errno == ENOENT && links == 0)
                return {Target::Kind::NotTaken, current};
            Fail(errno);
        }
        if (!S_ISLNK(status.st_mode))
            return {S_ISREG(status.st_mode) ? Target::Kind::Regular : Target::Kind::Other, current};
        CheckMayFollow(current, status);
        current = LinkTarget(current);
    }
    Fail(ELOOP);
}

// A close that fails may still have released the descriptor: never retried.
void CloseChecked(int fd)
{
    if (::close(fd) != 0 && errno != EINTR)
        Fail(errno);
}

void WriteChecked(int fd, std::string_view bytes)
{
    if (const int error = WriteFully(fd, bytes))
        Fail(error);
}

void WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        Fail(errno);
    try {
        WriteChecked(fd, bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    CloseChecked(fd);
}

// The terminal's and the system's requests to stop wait while a new file is
// given its name: the name then stands for the whole file or for nothing.
class StopSignalsHeld {
public:
    StopSignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

private:
    sigset_t before_;
};

// What a replaced file keeps of the one it replaces.
struct Keep {
    mode_t mode;
    std::optional<std::pair<uid_t, gid_t>> owner;
};

// Gives the new file its permission bits and, where allowed, its owner.
void Prepare(int fd, const Keep& keep)
{
    if (keep.owner && ::fchown(fd, keep.owner->first, keep.owner->second) != 0 && errno != EPERM)
        Fail(errno);
    if (::fchmod(fd, keep.mode) != 0)
        Fail(errno);
}

std::string TemporaryName()
{
    static std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".tarvel-";
    for (int i = 0; i < 8; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

// On file systems without unnamed files: a named temporary file, and the
// stop signals held for the whole of its life.
void ReplaceThroughNamedFile(const std::string& path, std::string_view bytes, const Keep& keep)
{
    const StopSignalsHeld held;
    std::string temporary = FolderOf(path) + "/.tarvel-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        Fail(errno);
    try {
        Prepare(fd, keep);
        WriteChecked(fd, bytes);
        if (::fsync(fd) != 0)
            Fail(errno);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    try {
        CloseChecked(fd);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            Fail(errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

// Names the unnamed file `fd` in `folder`: a new name of its own, as
// linkat does not replace.
std::string LinkIntoFolder(int fd, int folder)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    while (true) {
        const std::string name = TemporaryName();
        // Root may link the descriptor itself; anyone may link it through /proc.
        if (::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0
            || ::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST)
            Fail(errno);
    }
}

void Replace(const std::string& path, std::string_view bytes, const Keep& keep)
{
    const int folder = ::open(FolderOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        Fail(errno);
    const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        ::close(folder);
        if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL)
            return ReplaceThroughNamedFile(path, bytes, keep);
        Fail(error);
    }
    std::string temporary;
    std::optional<StopSignalsHeld> held; // until the name is the file's, or gone
    try {
        Prepare(fd, keep);
        WriteChecked(fd, bytes);
        if (::fsync(fd) != 0)
            Fail(errno);
        held.emplace();
        temporary = LinkIntoFolder(fd, folder);
        const int closed = ::close(fd);
        if (closed != 0 && errno != EINTR)
            Fail(errno);
        if (::renameat(folder, temporary.c_str(), folder, NameOf(path).c_str()) != 0)
            Fail(errno);
    } catch (...) {
        if (!temporary.empty())
            ::unlinkat(folder, temporary.c_str(), 0);
        else
            ::close(fd);
        ::close(folder);
        throw;
    }
    ::close(folder);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// What an existing regular file keeps; refused as the shell refuses it when
// the user may not write it.
Keep KeepOf(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        Fail(errno);
    struct stat status {};
    const bool known = ::fstat(fd, &status) == 0;
    const int error = errno;
    ::close(fd);
    if (!known)
        Fail(error);
    if (!S_ISREG(status.st_mode))
        Fail(EINVAL); // changed under our feet
    return {static_cast<mode_t>(status.st_mode & 0777), std::pair{status.st_uid, status.st_gid}};
}

} // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    const Target target = Resolve(path);
    switch (target.kind) {
    case Target::Kind::Descriptor: WriteChecked(target.descriptor, bytes); return;
    case Target::Kind::Other: WriteInPlace(target.path, bytes); return;
    case Target::Kind::NotTaken: Replace(target.path, bytes, {NewFileMode(), std::nullopt}); return;
    case Target::Kind::Regular: Replace(target.path, bytes, KeepOf(target.path)); return;
    }
}

std::optional<int> DescriptorNamedBy(const std::string& path)
{
    try {
        const Target target = Resolve(path);
        if (target.kind == Target::Kind::Descriptor)
            return target.descriptor;
    } catch (const PrintError&) {
    }
    return std::nullopt;
}

} // namespace tarvel
