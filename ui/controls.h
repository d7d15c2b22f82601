#pragma once

// The kinds of control the windows are built of, each with the behaviour that
// belongs to it, so that no window has to add it.

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace tarvel {

// A command button of the classic graphical style: its 32 x 32 picture (one
// of pictures.h) over its caption. With the focus it answers Enter as it
// answers Space.
class CommandButton : public QToolButton {
    Q_OBJECT

public:
    CommandButton(const QString& caption, const QString& picture, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The classic text box: each character typed is offered to KeyPress before it
// goes in, and a slot may change its code (0 drops it). Text that arrives
// otherwise, pasted, is not offered.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent) : QLineEdit(parent) {}

signals:
    void KeyPress(int& keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A field of a rate or a margin, which has no thousands: a full stop typed
// there is its decimal comma.
void TypeFullStopAsComma(TextBox& field);

// A label that is a link. A click on it, or Enter or Space while it has the
// focus, emits clicked(); the pointer moving over it, or Tab bringing the
// focus to it, emits hovered(), every time. While it has the focus a dotted
// frame stands round it: round the whole label for a picture or a wrapped
// text, round the text itself for one line of text, which may lie in a box
// far larger than it. It takes the focus only when given a focus policy.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent, const QString& text = {});

    // The dotted frame; null until the link first has the focus.
    QWidget* FocusFrame() const { return focusFrame_; }

signals:
    void clicked();
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Where the dotted frame stands, in the container.
    QRect FramedArea() const;

    QFrame* focusFrame_ = nullptr;
};

} // namespace tarvel
