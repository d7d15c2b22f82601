#include "runtime/line_reader.h"

#include "calc/csv_row.h"
#include "runtime/descriptor_io.h"

#include <cstring>

namespace tarvel {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

// The first LF or CR in [from, to), or `to`.
const char* LineEnd(const char* from, const char* to)
{
    while (from < to && *from != '\n' && *from != '\r')
        ++from;
    return from;
}

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
    const ssize_t got = ReadSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (got > 0) {
        end_ += static_cast<std::size_t>(got);
        bytesRead_ += static_cast<std::uint64_t>(got);
        return true;
    }
    if (got == 0)
        atEnd_ = true;
    else
        failed_ = true;
    return false;
}

LineReader::Status LineReader::next(std::string_view& line)
{
    while (true) {
        const char* const from = buffer_.data() + begin_;
        const char* const to = buffer_.data() + end_;
        const char* const lineEnd = LineEnd(from, to);
        // A CR at the end of what has been read may be the first half of a
        // CRLF: the next byte decides.
        const bool endKnown = lineEnd < to && (*lineEnd == '\n' || lineEnd + 1 < to || atEnd_);
        const std::size_t length = static_cast<std::size_t>(lineEnd - from);
        if (endKnown) {
            const bool crlf = *lineEnd == '\r' && lineEnd + 1 < to && lineEnd[1] == '\n';
            begin_ += length + (crlf ? 2 : 1);
            if (skipping_) {
                skipping_ = false; // the rest of a line already reported
                continue;
            }
            if (length > maxLine_)
                return Status::TooLong;
            line = std::string_view(from, length);
            return Status::Line;
        }
        if (skipping_) {
            // Drop what has been read of it, but a final CR, which may pair
            // with the LF still to come.
            begin_ += length;
        } else if (length > maxLine_) {
            skipping_ = true;
            return Status::TooLong;
        }
        if (!fill()) {
            if (failed_)
                return Status::Failed;
            if (begin_ < end_ && buffer_[end_ - 1] == '\r')
                continue; // the end is known now
            if (begin_ == end_ || skipping_) {
                skipping_ = false;
                begin_ = end_;
                return Status::End;
            }
            // The last line has no line end.
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return Status::Line;
        }
    }
}

bool LineReader::ReadLines(const std::function<bool(const NumberedLine&)>& onLine)
{
    NumberedLine numbered;
    std::string_view line;
    while (true) {
        const Status status = next(line);
        if (status == Status::End || status == Status::Failed)
            return status == Status::End;
        ++numbered.number;
        const bool tooLong = status == Status::TooLong;
        numbered.text = tooLong ? std::string_view() : line;
        if (numbered.number == 1 && numbered.text.starts_with(kByteOrderMark))
            numbered.text.remove_prefix(kByteOrderMark.size());
        numbered.refusal = tooLong ? "riga più lunga di " + std::to_string(maxLine_) + " byte" : "";
        if (!onLine(numbered))
            return true;
    }
}

} // namespace tarvel
