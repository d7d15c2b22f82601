#pragma once

#include "runtime/form_runtime.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvel::testing {

// Stands in for the desktop of the windows and engines it is given to: records every message box, link
// and file dialog, answers a chosen screen size and file names, and lets a test
// look at the windows while a box is open.
class RecordingRuntime final : public FormRuntime {
public:
    struct Message {
        std::string text;
        std::string title;
        MsgBoxIcon icon;
    };
    struct SaveDialog {
        std::string title;
        std::string suggestedPath;
    };

    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override
    {
        messages.push_back({text, title, icon});
        if (whileOpen)
            whileOpen();
    }
    ScreenSize Screen() const override { return screen; }
    void ShellOpen(const std::string& target) override { opened.push_back(target); }
    std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggestedPath) override
    {
        saveDialogs.push_back({title, suggestedPath});
        return saveAnswer;
    }
    std::optional<std::string> AskOpenFileName(const std::string& title, const std::string& folder) override
    {
        openDialogs.push_back({title, folder});
        return openAnswer;
    }
    UnsavedAnswer AskUnsaved(const std::string& text, const std::string& title) override
    {
        questions.push_back({text, title, MsgBoxIcon::Warning});
        return unsavedAnswer;
    }

    std::vector<Message> messages;
    std::vector<std::string> opened;
    std::vector<SaveDialog> saveDialogs;
    std::optional<std::string> saveAnswer;
    std::vector<SaveDialog> openDialogs; // the folder as suggestedPath
    std::optional<std::string> openAnswer;
    std::vector<Message> questions;
    UnsavedAnswer unsavedAnswer = UnsavedAnswer::Discard;
    ScreenSize screen{15360, 11520}; // 1024 x 768 pixels
    std::function<void()> whileOpen;
};

} // namespace tarvel::testing
