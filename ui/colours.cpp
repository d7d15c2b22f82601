#include "ui/colours.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

namespace {

constexpr double kReadableContrast = 4.5;

double Luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background)
{
    // Black or white always reach the ratio on one side: the lightness walks
    // toward the one with more contrast, in steps too small to see.
    const bool darken = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background);
    QColor readable = colour.toHsl();
    for (double lightness = readable.lightnessF();
         ContrastRatio(readable, background) < kReadableContrast && lightness > 0 && lightness < 1;) {
        lightness = std::clamp(lightness + (darken ? -0.01 : 0.01), 0.0, 1.0);
        readable.setHslF(readable.hslHueF(), readable.hslSaturationF(), lightness);
    }
    return readable.toRgb();
}

} // namespace tarvel
