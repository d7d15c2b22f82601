#pragma once

#include "runtime/form_runtime.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace tarvel {

// Sizes in twips are converted to Qt's device-independent pixels, so the
// windows scale with the screen's device pixel ratio.

constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// A font given in points at 96 dots per inch, sized in pixels so that the text
// keeps its proportion to the twips layout whatever the screen's logical DPI.
QFont DesignFont(const QString& family, double points, bool bold = false);

// The sans-serif face that stands in for the windows' classic bitmap face.
QFont WindowFont(double points = 8.25, bool bold = false);

} // namespace tarvel
