#include "cli/batch/line_reader.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace tarvel {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

} // namespace

LineReader::LineReader(int fd, std::size_t maxLine, std::function<void()> beforeRead)
    : fd_(fd), maxLine_(maxLine), beforeRead_(std::move(beforeRead)), buffer_(maxLine + 1 + kReadSize)
{
}

bool LineReader::fill()
{
    if (atEnd_ || failed_)
        return false;
    // Keep the start of the current line, move it to the front and read after it.
    const std::size_t kept = end_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, kept);
    begin_ = 0;
    end_ = kept;
    if (beforeRead_)
        beforeRead_();
    while (true) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            bytesRead_ += static_cast<std::uint64_t>(got);
            return true;
        }
        if (got == 0) {
            atEnd_ = true;
            return false;
        }
        if (errno != EINTR) {
            failed_ = true;
            return false;
        }
    }
}

LineReader::Status LineReader::next(std::string_view& line)
{
    bool skipping = false; // inside a line that has grown past the limit
    while (true) {
        const char* const from = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
        if (newline) {
            std::size_t length = static_cast<std::size_t>(newline - from);
            begin_ += length + 1;
            if (skipping || length > maxLine_ + 1)
                return Status::TooLong;
            if (length > 0 && from[length - 1] == '\r')
                --length;
            if (length > maxLine_)
                return Status::TooLong;
            line = std::string_view(from, length);
            return Status::Line;
        }
        if (end_ - begin_ > maxLine_ + 1) {
            skipping = true;
            begin_ = end_ = 0;
        }
        if (!fill()) {
            if (failed_)
                return Status::Failed;
            if (skipping) {
                begin_ = end_ = 0;
                return Status::TooLong;
            }
            if (begin_ == end_)
                return Status::End;
            // The last line has no line end.
            std::size_t length = end_ - begin_;
            line = std::string_view(buffer_.data() + begin_, length);
            begin_ = end_;
            if (length > 0 && line.back() == '\r')
                line.remove_suffix(1);
            return line.size() > maxLine_ ? Status::TooLong : Status::Line;
        }
    }
}

} // namespace tarvel
