#pragma once

#include "form_runtime.h"

#include <string>
#include <vector>

namespace tarvel::testing {

struct RecordedBox {
    std::string text;
    std::string title;
    MsgBoxIcon icon;
};

// Keeps the message boxes instead of showing them; installed for its lifetime.
class RecordingRuntime final : public FormRuntime {
public:
    RecordingRuntime() { SetRuntime(this); }
    ~RecordingRuntime() override { SetRuntime(nullptr); }
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override
    {
        boxes.push_back({text, title, icon});
    }
    ScreenSize Screen() const override { return {}; }
    void ShellOpen(const std::string&) override {}

    std::vector<RecordedBox> boxes;
};

} // namespace tarvel::testing
