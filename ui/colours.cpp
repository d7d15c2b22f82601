#include "ui/colours.h"

#include <QApplication>
#include <QWidget>

namespace tarvel {

QColor SystemColour(QPalette::ColorRole role) { return QApplication::palette().color(role); }

void SetForeColor(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackColor(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor ForeColor(const QWidget* widget) { return widget->palette().color(widget->foregroundRole()); }

QColor BackColor(const QWidget* widget) { return widget->palette().color(widget->backgroundRole()); }

} // namespace tarvel
