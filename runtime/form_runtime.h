#pragma once

#include <optional>
#include <string>

namespace tarvel {

enum class MsgBoxIcon { Warning, Critical };

// The answers to a question about changes not yet saved: "Salva", "Non
// salvare", "Annulla" (also closing the box).
enum class UnsavedAnswer { Save, Discard, Cancel };

// The windows are laid out in twips; at 96 dots per inch a device-independent
// pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

struct ScreenSize {
    double widthTwips = 0;
    double heightTwips = 0;
};

// What the windows and the print engine need of the desktop: a modal message
// box with one OK button, the screen's size, the shell's "open", a dialog
// that asks where to save a file, one that asks for a file to read and a question
// about changes not saved. The program makes the Qt implementation at
// start and hands it to the windows and the print engine; tests hand them a
// recording one, so that nothing blocks on a real modal box or starts a real
// browser.
class FormRuntime {
public:
    virtual ~FormRuntime() = default;
    // Texts are UTF-8. Returns when the user has closed the box.
    virtual void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon) = 0;
    virtual ScreenSize Screen() const = 0;
    // Hands the target to the desktop's default handler; the result is not looked at.
    virtual void ShellOpen(const std::string& target) = 0;
    // A modal save dialog that proposes `suggestedPath`; the chosen path, or
    // nothing when the user cancels.
    virtual std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggestedPath) = 0;
    // A modal dialog that asks for an existing file, opening in `folder`; the
    // chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> AskOpenFileName(const std::string& title, const std::string& folder) = 0;
    // A modal question with the buttons Salva, Non salvare and Annulla.
    virtual UnsavedAnswer AskUnsaved(const std::string& text, const std::string& title) = 0;
};

} // namespace tarvel
