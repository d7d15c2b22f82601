#include "ui/masked_edit.h"

#include "forms/date_typing.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarvel {
namespace {

constexpr QChar kPrompt = kBlankPlace;
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
    if (typed.size() != 1 || !IsDateKey(typed.at(0).unicode()))
        return {};
    return typed.at(0);
}

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

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }

QString FromUtf16(const std::u16string& text) { return QString::fromStdU16String(text); }

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
        setCursorPosition(FirstBlank(Utf16(displayText())));
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
    const std::string mask = mask_.toStdString();
    if (Utf16(displayText()) != Typed(mask, Utf16(entry_->held), Utf16(entry_->typed)).text)
        entry_ = Entry{displayText(), QString()};
    entry_->typed += key;
    const DateFieldState shown = Typed(mask, Utf16(entry_->held), Utf16(entry_->typed));
    Show(FromUtf16(shown.text), shown.caret);
}

void MaskedEdit::EndSection()
{
    const DateFieldState ended = WithSectionEnded(mask_.toStdString(), {Utf16(displayText()), cursorPosition()});
    Show(FromUtf16(ended.text), ended.caret);
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
    if (!key.isNull() && IsSeparator(key.unicode())) {
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
