#pragma once

#include <QLineEdit>

namespace tarvel {

// A line edit that behaves as the classic masked-edit box: Mask() in its own
// notation ("#" one digit, every other character fixed, "" a plain field) and
// Text() read back in the mask's layout with "_" in places not typed,
// "01 / 02 / 2000" or "__ / __ / ____". (QLineEdit::text() drops the blanks.)
//
// Typed as it is written, a date goes in whole: a '/', '.', '-' or space ends
// the section of digits being typed, completing a short one with leading
// zeros ("1/1/2000" is "01 / 01 / 2000"), and does nothing at a section's
// start. Whenever the field gets the focus, typing starts at the first place
// not typed yet, or at the start of a full field.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);

    QString Text() const;
    void SetText(const QString& text);

    // Takes the focus, with the caret where typing starts.
    void FocusForTyping();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PlaceCaretForTyping();
    // Ends the section of digits before the caret; false when the caret is at
    // a section's start or in the last section.
    bool EndSection();

    QString mask_;
    // The click that gave the focus places the caret once it is done.
    bool focusedByClick_ = false;
};

} // namespace tarvel
