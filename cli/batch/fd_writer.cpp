#include "cli/batch/fd_writer.h"

#include <cerrno>

#include <unistd.h>

namespace tarvel {
namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

} // namespace

FdWriter::FdWriter(int fd) : fd_(fd) { buffer_.reserve(2 * kFlushSize); }

FdWriter::~FdWriter() { flush(); }

void FdWriter::flushIfFull()
{
    if (buffer_.size() >= kFlushSize)
        flush();
}

bool FdWriter::flush()
{
    std::size_t done = 0;
    while (error_ == 0 && done < buffer_.size()) {
        const ssize_t wrote = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (wrote >= 0)
            done += static_cast<std::size_t>(wrote);
        else if (errno != EINTR)
            error_ = errno;
    }
    buffer_.clear();
    return error_ == 0;
}

} // namespace tarvel
