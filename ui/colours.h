#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace tarvel {

// A system colour for a role, from the application's palette.
QColor SystemColour(QPalette::ColorRole role);

// The info (tooltip) background, the design background of the output fields.
inline QColor InfoBackground() { return SystemColour(QPalette::ToolTipBase); }

// Text and background of a control, in every colour group (a disabled field
// keeps its colours, as the classic disabled text box does with its background).
void SetForeColor(QWidget* widget, const QColor& colour);
void SetBackColor(QWidget* widget, const QColor& colour);

QColor ForeColor(const QWidget* widget);
QColor BackColor(const QWidget* widget);

} // namespace tarvel
