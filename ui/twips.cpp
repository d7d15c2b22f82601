#include "ui/twips.h"

#include <cmath>

namespace tarvel {

QFont DesignFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont WindowFont(double points, bool bold) { return DesignFont(QStringLiteral("Liberation Sans"), points, bold); }

} // namespace tarvel
