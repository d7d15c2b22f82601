#include "cli/batch/fd_writer.h"

#include "runtime/descriptor_io.h"

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
    if (error_ == 0)
        error_ = WriteFully(fd_, buffer_);
    buffer_.clear();
    return error_ == 0;
}

} // namespace tarvel
