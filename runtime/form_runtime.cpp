#include "form_runtime.h"

#include <iostream>

namespace tarvel {
namespace {

// Until a desktop runtime is installed (and in the window-free calculator)
// messages go to standard error, nothing is opened and no file is chosen.
class ConsoleRuntime final : public FormRuntime {
public:
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon) override
    {
        std::cerr << title << ": " << text << '\n';
    }
    ScreenSize Screen() const override { return {}; }
    void ShellOpen(const std::string&) override {}
    std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

ConsoleRuntime consoleRuntime;
FormRuntime* current = &consoleRuntime;

} // namespace

FormRuntime& Runtime() { return *current; }

void SetRuntime(FormRuntime* runtime) { current = runtime ? runtime : &consoleRuntime; }

} // namespace tarvel
