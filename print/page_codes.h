#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <cstdint>
#include <optional>

namespace tarvel {

// The printer-settings codes of the engine's interface, in Qt's terms.

// Paper codes: 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5, 70 A6... Nothing for a
// code without a Qt page size.
std::optional<QPageSize::PageSizeId> PageSizeForPaperCode(std::int16_t code);
// The paper code of a page size; 256 (a custom size) when it has none.
std::int16_t PaperCodeForPageSize(QPageSize::PageSizeId id);

// 1 portrait, 2 landscape.
std::optional<QPageLayout::Orientation> OrientationForCode(std::int16_t code);
// 1 monochrome, 2 colour.
std::optional<QPrinter::ColorMode> ColorModeForCode(std::int16_t code);
// -1 draft, -2 low, -3 medium, -4 high, or a positive resolution in dots per
// inch: the resolution to print at.
std::optional<int> ResolutionForQuality(std::int16_t code);
// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid.
std::optional<Qt::PenStyle> PenStyleForDrawStyle(std::int16_t code);

} // namespace tarvel
