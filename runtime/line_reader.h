#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// A line as LineReader::ReadLines hands it on.
struct NumberedLine {
    std::uint64_t number = 0; // from 1
    std::string_view text;    // empty for a line refused
    std::string refusal;      // why a line too long is refused ("riga più lunga di 4096 byte"); empty otherwise
};

// Reads a file descriptor line by line through one fixed buffer, so memory
// stays the same however long the input. A line ends at LF, at CRLF or at a
// lone CR (as old spreadsheets save it). A line longer than the limit is
// reported as soon as the byte past the limit is read, without waiting for
// its end (an input that never ends is refused at once); the next call skips
// the rest of it. A non-blocking descriptor is waited for.
class LineReader {
public:
    enum class Status { Line, TooLong, End, Failed };

    // `beforeRead` runs before each read that may wait for input, so that
    // whatever has been answered so far can be written out first.
    LineReader(int fd, std::size_t maxLine, std::function<void()> beforeRead);

    // Line: `line` holds it until the next call. Failed: errno tells why.
    Status next(std::string_view& line);
    std::uint64_t bytesRead() const { return bytesRead_; }

    // Reads to the end of the input, or until `onLine` returns false. A
    // byte-order mark at the start of the input is no part of the first line.
    // False when a read failed: errno tells why.
    bool ReadLines(const std::function<bool(const NumberedLine&)>& onLine);

private:
    // False at the end of the input or on an error (then failed_ is set).
    bool fill();

    int fd_;
    std::size_t maxLine_;
    std::function<void()> beforeRead_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t bytesRead_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    bool skipping_ = false; // inside a line reported too long
};

} // namespace tarvel
