#include "ui/controls.h"

#include "ui/colours.h"
#include "ui/pictures.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace tarvel {

CommandButton::CommandButton(const QString& caption, const QString& picture, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setIcon(PictureIcon(picture, {32, 32}));
    setIconSize({32, 32});
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QToolButton::keyPressEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    int keyAscii = typed.size() == 1 ? typed.at(0).unicode() : -1;
    if (keyAscii >= 0)
        emit KeyPress(keyAscii);
    if (keyAscii < 0 || keyAscii == typed.at(0).unicode()) {
        QLineEdit::keyPressEvent(event);
    } else if (keyAscii != 0) {
        QKeyEvent changed(QEvent::KeyPress, keyAscii < 128 ? keyAscii : 0, event->modifiers(), QString(QChar(keyAscii)),
                          event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&changed);
    }
}

LinkLabel::LinkLabel(QWidget* parent, const QString& text) : QLabel(text, parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    if (!focusFrame_) {
        // The classic dotted focus frame, dark as the links' fixed light
        // backgrounds need, over the container without taking the pointer.
        focusFrame_ = new QFrame(parentWidget());
        focusFrame_->setStyleSheet(QStringLiteral("border: 1px dotted %1").arg(kDarkText.name()));
        focusFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    focusFrame_->setGeometry(FramedArea());
    focusFrame_->raise();
    focusFrame_->show();
    // Reached with the keyboard, the link shows what the pointer over it
    // shows; the focus a window starts with does not.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit hovered();
}

void LinkLabel::focusOutEvent(QFocusEvent* event)
{
    if (focusFrame_)
        focusFrame_->hide();
    QLabel::focusOutEvent(event);
}

QRect LinkLabel::FramedArea() const
{
    if (wordWrap() || text().isEmpty())
        return geometry().adjusted(-2, -2, 2, 2);
    const QFontMetrics metrics(font());
    const QSize around(metrics.horizontalAdvance(text()) + 8, metrics.height() + 1);
    return QStyle::alignedRect(layoutDirection(), alignment(), around, rect().adjusted(0, 2, 0, 0)).translated(pos());
}

void TypeFullStopAsComma(TextBox& field)
{
    QObject::connect(&field, &TextBox::KeyPress, &field, [](int& keyAscii) {
        if (keyAscii == '.')
            keyAscii = ',';
    });
}

} // namespace tarvel
