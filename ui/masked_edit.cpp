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

bool IsShortcut(const QKeyEvent& key)
{
    return key.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// The digit or the separator (what people type between the day, the month
// and the year) that a key types; null for any other key.
QChar TypedKey(const QKeyEvent& key)
{
    if (IsShortcut(key))
        return {};
    const QString typed = key.text();
    if (typed.size() != 1 || !(QStringLiteral("0123456789/.- ").contains(typed.at(0))))
        return {};
    return typed.at(0);
}

bool IsSeparator(QChar key) { return !key.isDigit(); }

// Keys that move the caret or change the text where it is: after them,
// digits go where the caret is.
bool IsEditingKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert: return true;
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta: return false;
    default: return IsShortcut(key);
    }
}

// The field's text in the mask's layout, and the caret.
struct Typing {
    QString text;
    int caret = 0;
};

bool IsPlace(const QString& mask, int i) { return i >= 0 && i < mask.size() && mask.at(i) == kDigit; }

// The first place for a digit at or after `from`; the mask's size when none.
int NextPlace(const QString& mask, int from)
{
    while (from < mask.size() && !IsPlace(mask, from))
        ++from;
    return from;
}

QString EmptyText(QString mask) { return mask.replace(kDigit, kPrompt); }

int FirstBlank(const QString& text)
{
    const qsizetype blank = text.indexOf(kPrompt);
    return blank < 0 ? 0 : int(blank);
}

// A digit goes into the first place at or after the caret, as Qt types it.
Typing WithDigit(const QString& mask, Typing t, QChar digit)
{
    const int place = NextPlace(mask, t.caret);
    if (place < mask.size()) {
        t.text[place] = digit;
        t.caret = NextPlace(mask, place + 1);
    }
    return t;
}

// A separator ends the section of digits before the caret with what is typed
// there before the caret, completed with leading zeros, and moves on to the
// next section; at a section's start, in the last one or with no digit typed
// it does nothing. (Left to Qt, it would jump to the next equal fixed
// character, and the digits already there would stay.)
Typing WithSectionEnded(const QString& mask, Typing t)
{
    if (IsPlace(mask, t.caret) && !IsPlace(mask, t.caret - 1))
        return t;
    int end = t.caret; // one past the section's last place before the caret
    while (end > 0 && !IsPlace(mask, end - 1))
        --end;
    int start = end;
    while (IsPlace(mask, start - 1))
        --start;
    int width = end - start;
    while (IsPlace(mask, start + width))
        ++width;
    const int next = NextPlace(mask, start + width);
    QString digits = t.text.mid(start, end - start);
    digits.remove(kPrompt);
    if (end == 0 || next >= mask.size() || digits.isEmpty())
        return t;
    t.text.replace(start, width, digits.rightJustified(width, u'0'));
    t.caret = next;
    return t;
}

Typing WithKeys(const QString& mask, Typing t, const QString& keys)
{
    for (QChar key : keys)
        t = IsSeparator(key) ? WithSectionEnded(mask, t) : WithDigit(mask, t, key);
    return t;
}

// What a field that held `held` (a complete date, a part-typed one or none)
// shows after `typed`. A complete date is typed over afresh; a part-typed one
// goes on from its first blank, unless what is typed is a whole date by
// itself.
Typing Typed(const QString& mask, const QString& held, const QString& typed)
{
    const Typing fresh = WithKeys(mask, {EmptyText(mask), 0}, typed);
    if (!held.contains(kPrompt) || !fresh.text.contains(kPrompt))
        return fresh;
    return WithKeys(mask, {held, FirstBlank(held)}, typed);
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {}

void MaskedEdit::SetMask(const QString& mask)
{
    mask_ = mask;
    setInputMask(QtInputMask(mask));
    if (hasFocus())
        BeginEntry();
}

QString MaskedEdit::Text() const { return mask_.isEmpty() ? text() : displayText(); }

void MaskedEdit::SetText(const QString& text)
{
    setText(text);
    if (hasFocus())
        BeginEntry();
    else
        entry_.reset(); // entered anew with the focus
}

void MaskedEdit::FocusForTyping()
{
    setFocus();
    BeginEntry();
}

void MaskedEdit::PlaceCaretForTyping()
{
    if (!mask_.isEmpty())
        setCursorPosition(FirstBlank(displayText()));
}

void MaskedEdit::BeginEntry()
{
    PlaceCaretForTyping();
    entry_.reset();
    if (!mask_.isEmpty())
        entry_ = Entry{displayText(), QString()};
}

void MaskedEdit::TypeSinceEntry(QChar key)
{
    // Changed since by other means (a paste from the menu, the program), the
    // field is entered anew.
    if (displayText() != Typed(mask_, entry_->held, entry_->typed).text)
        entry_ = Entry{displayText(), QString()};
    entry_->typed += key;
    const Typing shown = Typed(mask_, entry_->held, entry_->typed);
    Show(shown.text, shown.caret);
}

void MaskedEdit::EndSection()
{
    const Typing ended = WithSectionEnded(mask_, {displayText(), cursorPosition()});
    Show(ended.text, ended.caret);
}

void MaskedEdit::Show(const QString& text, int caret)
{
    if (text != displayText()) {
        // As typed, so that it can be undone and tells textEdited.
        selectAll();
        insert(text);
    }
    setCursorPosition(caret);
}

void MaskedEdit::keyPressEvent(QKeyEvent* event)
{
    if (mask_.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Whatever the click that gave the focus was, typing has begun.
    focusedByClick_ = false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The calculation runs, and the focus stays: what is typed next is a
        // new date, typed over the one there.
        QLineEdit::keyPressEvent(event);
        if (hasFocus())
            BeginEntry();
        return;
    }
    if (IsEditingKey(*event))
        entry_.reset();
    const QChar key = TypedKey(*event);
    if (!key.isNull() && entry_) {
        TypeSinceEntry(key);
        event->accept();
        return;
    }
    if (!key.isNull() && IsSeparator(key)) {
        EndSection();
        event->accept();
        return;
    }
    // Editing in place: digits go where the caret is.
    QLineEdit::keyPressEvent(event);
    // End, or an arrow, past the last place of a date not yet complete would
    // leave the caret where typed digits go nowhere.
    if (!hasSelectedText() && cursorPosition() >= mask_.size() && displayText().contains(kPrompt))
        PlaceCaretForTyping();
}

void MaskedEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return; // a menu closed: editing goes on as it was
    // Back from another window too, or in a window opening with the field
    // focused: a complete date typed before is typed over, never added to.
    // After a click, the entry starts now, not with the press: Qt takes a
    // click at the place of one just made in another window for the second
    // of a double click, and the field then sees no press at all.
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
    BeginEntry();
}

void MaskedEdit::focusOutEvent(QFocusEvent* event)
{
    focusedByClick_ = false;
    QLineEdit::focusOutEvent(event);
}

void MaskedEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (mask_.isEmpty())
        return;
    // A click that gives the focus places the caret where typing starts, and
    // so does one anywhere in a date not yet complete, where typed digits go
    // on from its first blank. In a complete date the caret stays where it
    // was clicked, for Backspace and Delete; typed digits start afresh.
    const int clicked = cursorPosition();
    BeginEntry();
    if (!focusedByClick_ && !displayText().contains(kPrompt))
        setCursorPosition(clicked);
    focusedByClick_ = false;
}

} // namespace tarvel
