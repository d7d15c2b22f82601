#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace tarvel {

// Ctrl+C in a window, made once its fields are there: a field with text
// selected copies its selection; anywhere else `copy` runs. (A line edit with
// the focus claims Ctrl+C before any shortcut sees it, even with nothing
// selected: this lets it pass then. A table of results passes it always: the
// window's copy holds the whole table.)
class WindowCopy final : public QObject {
public:
    WindowCopy(QWidget& window, std::function<void()> copy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tarvel
