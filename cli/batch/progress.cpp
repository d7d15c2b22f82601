#include "cli/batch/progress.h"

#include <string>
#include <string_view>

#include <unistd.h>

namespace tarvel {
namespace {

void writeError(std::string_view text)
{
    // A progress line that does not get through is no reason to stop.
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, text.data(), text.size());
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
    std::string line = "\rtarvel-calc: " + std::to_string(rows) + " righe";
    if (fileSize_ > 0)
        line += ", " + std::to_string(bytesRead >= fileSize_ ? 100 : bytesRead * 100 / fileSize_) + "% del file";
    writeError(line + "\033[K");
    onScreen_ = true;
}

void BatchProgress::clear()
{
    if (!onScreen_)
        return;
    writeError("\r\033[K");
    onScreen_ = false;
}

} // namespace tarvel
