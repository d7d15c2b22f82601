#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace tarvel {

// A system colour for a role, from the application's palette.
QColor SystemColour(QPalette::ColorRole role);

// The info (tooltip) background, the design background of the output fields.
inline QColor InfoBackground() { return SystemColour(QPalette::ToolTipBase); }

// Behind a text whose colour is fixed, the background is fixed too, so that
// the pair stays readable whatever palette the desktop uses: the light button
// face and the light info background of the classic look.
inline const QColor kLightButtonFace{0xef, 0xef, 0xef};
inline const QColor kLightInfoBackground{0xff, 0xff, 0xdc};
// On a fixed light background the text is dark.
inline const QColor kDarkText{0, 0, 0};

// The Info window's links: blue, red under the pointer.
inline const QColor kInfoLinkText{0, 0, 255};
inline const QColor kInfoHoverText{255, 0, 0};

// Text and background of a control, in every colour group (a disabled field
// keeps its colours, as the classic disabled text box does with its background).
void SetForeColor(QWidget* widget, const QColor& colour);
void SetBackColor(QWidget* widget, const QColor& colour);

// The contrast of two colours as the ratio of their relative luminances,
// 1 to 21 (the measure of the usual accessibility guidelines).
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` with its hue and saturation, made darker on a light background or
// lighter on a dark one until its text is readable there: a contrast of at
// least 4.5:1. A colour already readable comes back unchanged.
QColor ReadableOn(const QColor& colour, const QColor& background);

} // namespace tarvel
