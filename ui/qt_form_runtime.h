#pragma once

#include "form_runtime.h"

namespace tarvel {

// The form runtime on Qt Widgets: QMessageBox, QScreen, QDesktopServices.
class QtFormRuntime final : public FormRuntime {
public:
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override;
    // The primary screen in device-independent pixels, 15 twips each.
    ScreenSize Screen() const override;
    void ShellOpen(const std::string& target) override;
};

} // namespace tarvel
