#include "ui/window_copy.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace tarvel {

WindowCopy::WindowCopy(QWidget& window, std::function<void()> copy) : QObject(&window)
{
    new QShortcut(QKeySequence::Copy, &window, std::move(copy));
    for (QLineEdit* field : window.findChildren<QLineEdit*>())
        field->installEventFilter(this);
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>())
        view->installEventFilter(this);
}

bool WindowCopy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false;
    const auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && field->hasSelectedText())
        return false;
    event->ignore(); // not claimed: the window's shortcut takes the key
    return true;
}

} // namespace tarvel
