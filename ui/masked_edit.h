#pragma once

#include <QLineEdit>

#include <optional>

namespace tarvel {

// The mask of every date field of the program.
inline constexpr char kDateMask[] = "## / ## / ####";

// A line edit that behaves as the classic masked-edit box: Mask() in its own
// notation ("#" one digit, every other character fixed, "" a plain field) and
// Text() read back in the mask's layout with "_" in places not typed,
// "01 / 02 / 2000" or "__ / __ / ____". (QLineEdit::text() drops the blanks.)
//
// Typed as it is written, a date goes in whole: a '/', '.', '-' or space ends
// the section of digits before the caret, completing a short one with leading
// zeros ("1/1/2000" is "01 / 01 / 2000"), and does nothing at a section's
// start.
//
// Whenever the field is entered (by Tab, a click, FocusForTyping, a return
// to its window, a window opening with it focused, or a new text set while
// it has the focus) and after Enter, typing starts at its first place not
// typed, or at the start of a full field, and what it held is never mixed
// into another date:
// - a complete date is typed over afresh: the first digit empties the field;
// - a part-typed date goes on from its first blank, until the keys typed
//   since entering make a whole date by themselves: the field then holds that
//   date ("1/1/2020" typed into "1_ / __ / ____" is 01/01/2020, not 11/01).
// An editing key (an arrow, Home, End, Backspace, Delete, a shortcut) first
// means editing in place: digits then go where the caret is, until the field
// is entered again. The entry starts with the focus, so keys typed at once
// after a click count whatever mouse events the click brings.
class MaskedEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);

    QString Text() const;
    void SetText(const QString& text);

    // Takes the focus, with the caret where typing starts; before its window
    // is shown too.
    void FocusForTyping();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // What the field held when it was entered, and the digits and separators
    // typed since.
    struct Entry {
        QString held;
        QString typed;
    };

    void PlaceCaretForTyping();
    // The caret where typing starts, and typing counted from now.
    void BeginEntry();
    // A digit or a separator typed since the entry.
    void TypeSinceEntry(QChar key);
    // Ends the section of digits before the caret, in place.
    void EndSection();
    void Show(const QString& text, int caret);

    QString mask_;
    // The click that gave the focus places the caret once it is done.
    bool focusedByClick_ = false;
    // Empty while editing in place.
    std::optional<Entry> entry_;
};

} // namespace tarvel
