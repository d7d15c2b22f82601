#include "cli/batch/progress.h"

#include <cstdio>

#include <unistd.h>

namespace tarvel {
namespace {

void writeError(const char* text, std::size_t size)
{
    // A progress line that does not get through is no reason to stop.
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, text, size);
}

} // namespace

BatchProgress::BatchProgress(bool shown, std::uint64_t fileSize)
    : shown_(shown), fileSize_(fileSize), start_(Clock::now()), last_(start_)
{
}

void BatchProgress::update(std::uint64_t rows, std::uint64_t bytesRead)
{
    if (!shown_)
        return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200))
        return;
    last_ = now;
    char line[96];
    int size = 0;
    if (fileSize_ > 0)
        size =
            std::snprintf(line, sizeof line, "\rtarvel-calc: %llu righe, %llu%% del file\033[K",
                          static_cast<unsigned long long>(rows),
                          static_cast<unsigned long long>(bytesRead >= fileSize_ ? 100 : bytesRead * 100 / fileSize_));
    else
        size =
            std::snprintf(line, sizeof line, "\rtarvel-calc: %llu righe\033[K", static_cast<unsigned long long>(rows));
    writeError(line, static_cast<std::size_t>(size));
    onScreen_ = true;
}

void BatchProgress::clear()
{
    if (!onScreen_)
        return;
    static constexpr char kClear[] = "\r\033[K";
    writeError(kClear, sizeof kClear - 1);
    onScreen_ = false;
}

} // namespace tarvel
