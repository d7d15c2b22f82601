#pragma once

#include "runtime/form_runtime.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <span>
#include <stdexcept>
#include <string_view>

namespace tarvel {

// Sizes in twips are converted to Qt's device-independent pixels, so the
// windows scale with the screen's device pixel ratio.

constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// A control's place in its container, or a window's client area, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr QRect Pixels() const
    {
        return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
    }
};

// A line of a window's layout: a control, by its design name, and its place.
struct ControlPlace {
    std::string_view name;
    TwipsRect place;
};

// The place of the control `name` in `layout`. A name the layout does not
// hold is a slip in the window's code: it fails the build where the lookup is
// constant, and throws where it is not.
constexpr TwipsRect PlaceOf(std::span<const ControlPlace> layout, std::string_view name)
{
    for (const ControlPlace& line : layout)
        if (line.name == name)
            return line.place;
    throw std::logic_error("a control missing from its window's layout");
}

// Gives the control its design name and its place in the window's layout.
template <class Control>
Control* Place(Control* control, std::span<const ControlPlace> layout, std::string_view name)
{
    control->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    control->setGeometry(PlaceOf(layout, name).Pixels());
    return control;
}

// A font given in points at 96 dots per inch, sized in pixels so that the text
// keeps its proportion to the twips layout whatever the screen's logical DPI.
QFont DesignFont(const QString& family, double points, bool bold = false);

// The sans-serif face that stands in for the windows' classic bitmap face.
QFont WindowFont(double points = 8.25, bool bold = false);

} // namespace tarvel
