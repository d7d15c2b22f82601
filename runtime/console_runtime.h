#pragma once

#include "runtime/form_runtime.h"

#include <ostream>

namespace tarvel {

// The form runtime without a desktop: a message box is one line on a stream,
// "title: text" with its line breaks turned into "; "; nothing is opened and
// no file is chosen. Only the first message is written: it says why the work
// failed, and an engine that goes on after a failed output would repeat it
// for every text.
class ConsoleRuntime final : public FormRuntime {
public:
    explicit ConsoleRuntime(std::ostream& out) : out_(out) {}

    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override;
    ScreenSize Screen() const override { return {}; }
    void ShellOpen(const std::string&) override {}
    std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override { return std::nullopt; }
    // With no one to answer, nothing is kept from closing.
    UnsavedAnswer AskUnsaved(const std::string&, const std::string&) override { return UnsavedAnswer::Discard; }

    // Whether a message box has been asked for.
    bool Failed() const { return failed_; }

private:
    std::ostream& out_;
    bool failed_ = false;
};

} // namespace tarvel
