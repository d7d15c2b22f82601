#pragma once

#include "form_runtime.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Stands in for the desktop: records every message box, link and save dialog,
// answers a chosen screen size and file name, and lets a test look at the
// windows while a box is open.
class RecordingRuntime final : public tarvel::FormRuntime {
public:
    struct Message {
        std::string text;
        std::string title;
        tarvel::MsgBoxIcon icon;
    };

    RecordingRuntime() { tarvel::SetRuntime(this); }
    ~RecordingRuntime() override { tarvel::SetRuntime(nullptr); }

    void MsgBox(const std::string& text, const std::string& title, tarvel::MsgBoxIcon icon) override
    {
        messages.push_back({text, title, icon});
        if (whileOpen)
            whileOpen();
    }
    tarvel::ScreenSize Screen() const override { return screen; }
    void ShellOpen(const std::string& target) override { opened.push_back(target); }
    std::optional<std::string> AskSaveFileName(const std::string& title, const std::string&) override
    {
        saveDialogs.push_back(title);
        return saveAnswer;
    }

    std::vector<Message> messages;
    std::vector<std::string> opened;
    std::vector<std::string> saveDialogs;
    std::optional<std::string> saveAnswer;
    tarvel::ScreenSize screen{15360, 11520};
    std::function<void()> whileOpen;
};
