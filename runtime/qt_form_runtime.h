#pragma once

#include "runtime/form_runtime.h"

namespace tarvel {

// The form runtime on Qt Widgets: QMessageBox, QScreen, the desktop's opener,
// QFileDialog.
class QtFormRuntime final : public FormRuntime {
public:
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) override;
    // The primary screen in device-independent pixels, 15 twips each.
    ScreenSize Screen() const override;
    void ShellOpen(const std::string& target) override;
    // Offers PDF files, or CSV files when `suggestedPath` ends in ".csv"; a
    // name typed without extension gets that extension.
    std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggestedPath) override;
    // Offers CSV files first, any file on request.
    std::optional<std::string> AskOpenFileName(const std::string& title, const std::string& folder) override;
    UnsavedAnswer AskUnsaved(const std::string& text, const std::string& title) override;
};

} // namespace tarvel
