#include "runtime/console_runtime.h"

namespace tarvel {

void ConsoleRuntime::MsgBox(const std::string& text, const std::string& title, MsgBoxIcon)
{
    if (!failed_) {
        std::string oneLine = text;
        for (auto at = oneLine.find("\r\n"); at != std::string::npos; at = oneLine.find("\r\n", at))
            oneLine.replace(at, 2, "; ");
        out_ << title << ": " << oneLine << '\n';
    }
    failed_ = true;
}

} // namespace tarvel
