#include "print/whole_file.h"

#include "print/print_error.h"
#include "runtime/system_error_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {
namespace {

[[noreturn]] void Fail(int errnum) { throw PrintError(kErrPrinter, SystemErrorText(errnum)); }

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        bytes.remove_prefix(std::size_t(written));
    }
}

// A close that fails may still have released the descriptor: never retried.
void CloseChecked(int fd)
{
    if (::close(fd) != 0 && errno != EINTR)
        Fail(errno);
}

void WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail(errno);
    try {
        WriteAll(fd, bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    CloseChecked(fd);
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void ReplaceByRename(const std::string& path, std::string_view bytes, mode_t mode)
{
    std::string temporary = FolderOf(path) + "/.tarvel-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        Fail(errno);
    try {
        if (::fchmod(fd, mode) != 0)
            Fail(errno);
        WriteAll(fd, bytes);
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

} // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        Fail(ENOENT);
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        if (errno != ENOENT)
            Fail(errno);
        ReplaceByRename(path, bytes, NewFileMode());
        return;
    }
    std::string target = path;
    struct stat file = link;
    if (S_ISLNK(link.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) {
            // A link to nothing is replaced by the file.
            if (errno != ENOENT)
                Fail(errno);
            ReplaceByRename(path, bytes, NewFileMode());
            return;
        }
        target = resolved;
        std::free(resolved);
        if (::stat(target.c_str(), &file) != 0)
            Fail(errno);
    }
    if (!S_ISREG(file.st_mode)) {
        WriteInPlace(target, bytes);
        return;
    }
    ReplaceByRename(target, bytes, file.st_mode & 07777);
}

} // namespace tarvel
