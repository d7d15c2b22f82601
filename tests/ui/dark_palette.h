#pragma once

#include <QColor>
#include <QPalette>

namespace tarvel::testing {

// A dark colour scheme as desktops offer it: light text on dark surfaces, and
// dark or, as Qt leaves them by default, light tooltips.
inline QPalette DarkPalette(bool lightTooltips = false)
{
    QPalette p;
    const QColor text(0xff, 0xff, 0xff);
    p.setColor(QPalette::Window, QColor(0x30, 0x2f, 0x2e));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    p.setColor(QPalette::AlternateBase, QColor(0x5c, 0x5b, 0x5a));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x55, 0x55, 0x55));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::ToolTipBase, lightTooltips ? QColor(0xff, 0xff, 0xdc) : QColor(0x3f, 0x3f, 0x36));
    p.setColor(QPalette::ToolTipText, lightTooltips ? QColor(0, 0, 0) : text);
    return p;
}

} // namespace tarvel::testing
