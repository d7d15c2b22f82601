#pragma once

#include "form_runtime.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel::testing {

struct RecordedBox {
    std::string text;
    std::string title;
    MsgBoxIcon icon;
};

// Keeps the message boxes instead of showing them and answers the save dialog
// with `saveAnswer`; installed for its lifetime.
class RecordingRuntime final : public FormRuntime {
public:
    RecordingRuntime() { SetRuntime(this); }
    ~RecordingRuntime() override { SetRuntime(nullptr); }
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override
    {
        boxes.push_back({text, title, icon});
    }
    ScreenSize Screen() const override { return screen; }
    void ShellOpen(const std::string&) override {}
    std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggestedPath) override
    {
        saveDialogs.push_back({title, suggestedPath});
        return saveAnswer;
    }

    std::vector<RecordedBox> boxes;
    ScreenSize screen{};
    struct SaveDialog {
        std::string title;
        std::string suggestedPath;
    };
    std::vector<SaveDialog> saveDialogs;
    std::optional<std::string> saveAnswer;
};

} // namespace tarvel::testing
