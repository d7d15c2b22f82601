#include "ui/masked_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarvel {
namespace {

constexpr QChar kPrompt = u'_';
constexpr QChar kDigit = u'#';

// Qt's mask language: '0' an optional digit; the literal characters we use
// (blanks, slashes) need no escape. Anything else is escaped to stay fixed.
QString QtInputMask(const QString& mask)
{
    if (mask.isEmpty())
        return {};
    QString qt;
    for (QChar c : mask) {
        if (c == kDigit)
            qt += u'0';
        else if (c == u' ' || c == u'/' || c == u'-' || c == u'.' || c == u':')
            qt += c;
        else
            qt += u'\\', qt += c;
    }
    return qt + u';' + kPrompt;
}

// What people type between the day, the month and the year.
bool IsSeparatorKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = key.text();
    return typed.size() == 1 && QStringLiteral("/.- ").contains(typed.at(0));
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {}

void MaskedEdit::SetMask(const QString& mask)
{
    mask_ = mask;
    setInputMask(QtInputMask(mask));
    if (hasFocus())
        PlaceCaretForTyping();
}

QString MaskedEdit::Text() const { return mask_.isEmpty() ? text() : displayText(); }

void MaskedEdit::SetText(const QString& text) { setText(text); }

void MaskedEdit::FocusForTyping()
{
    setFocus();
    PlaceCaretForTyping();
}

void MaskedEdit::PlaceCaretForTyping()
{
    if (mask_.isEmpty())
        return;
    const qsizetype blank = displayText().indexOf(kPrompt);
    setCursorPosition(blank < 0 ? 0 : int(blank));
}

bool MaskedEdit::EndSection()
{
    const int caret = cursorPosition();
    const auto isDigit = [&](int i) { return i >= 0 && i < mask_.size() && mask_.at(i) == kDigit; };
    if (isDigit(caret) && !isDigit(caret - 1))
        return false;
    // The last section that starts before the caret, and the one after it.
    int start = -1, width = 0, next = -1;
    for (int i = 0; i < mask_.size(); ++i) {
        if (!isDigit(i) || isDigit(i - 1))
            continue;
        if (i >= caret) {
            next = i;
            break;
        }
        start = i;
        for (width = 0; isDigit(i + width); ++width) {}
    }
    if (start < 0 || next < 0)
        return false;
    QString digits = displayText().mid(start, width);
    digits.remove(kPrompt);
    if (digits.isEmpty())
        return false;
    setSelection(start, width);
    insert(QString(width - digits.size(), u'0') + digits);
    setCursorPosition(next);
    return true;
}

void MaskedEdit::keyPressEvent(QKeyEvent* event)
{
    // Left to Qt, a separator would jump to the next equal fixed character
    // and the digits after it would land in the wrong section.
    if (!mask_.isEmpty() && IsSeparatorKey(*event)) {
        EndSection();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MaskedEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason: focusedByClick_ = true; break;
    case Qt::ActiveWindowFocusReason: // back from another window: the caret stays
    case Qt::PopupFocusReason: break;
    default: PlaceCaretForTyping();
    }
}

void MaskedEdit::focusOutEvent(QFocusEvent* event)
{
    focusedByClick_ = false;
    QLineEdit::focusOutEvent(event);
}

void MaskedEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // A click that gives the focus, or one past the last place of a date not
    // yet complete, would leave the caret where typed digits go nowhere. (In
    // a complete one the caret at the end is for Backspace.)
    const bool pastTheEnd = !mask_.isEmpty() && cursorPosition() >= mask_.size() && displayText().contains(kPrompt);
    if (focusedByClick_ || pastTheEnd)
        PlaceCaretForTyping();
    focusedByClick_ = false;
}

} // namespace tarvel
