#pragma once

#include <chrono>
#include <cstdint>

namespace tarvel {

// The one-line progress of a long batch on a terminal: nothing in the first
// second, then the rows done and the share of the file read, a few times a
// second, on standard error.
class BatchProgress {
public:
    // `fileSize` 0 leaves the share out.
    BatchProgress(bool shown, std::uint64_t fileSize);

    void update(std::uint64_t rows, std::uint64_t bytesRead);
    // Takes the line away before other text goes to standard error, and at the end.
    void clear();

private:
    using Clock = std::chrono::steady_clock;
    bool shown_;
    bool onScreen_ = false;
    std::uint64_t fileSize_;
    Clock::time_point start_;
    Clock::time_point last_;
};

} // namespace tarvel
