#include "print/page_codes.h"

#include <array>
#include <utility>

namespace tarvel {
namespace {

// Codes that share a size (small, rotated or note variants) map to the same
// Qt size; the reverse lookup gives the first code of the table.
constexpr std::array<std::pair<std::int16_t, QPageSize::PageSizeId>, 31> kPaperCodes{{
    {1, QPageSize::Letter},      {2, QPageSize::Letter},
    {3, QPageSize::Tabloid},     {4, QPageSize::Ledger},
    {5, QPageSize::Legal},       {6, QPageSize::Statement},
    {7, QPageSize::Executive},   {8, QPageSize::A3},
    {9, QPageSize::A4},          {10, QPageSize::A4},
    {11, QPageSize::A5},         {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},      {14, QPageSize::Folio},
    {15, QPageSize::Quarto},     {16, QPageSize::Imperial10x14},
    {17, QPageSize::AnsiB},      {18, QPageSize::Note},
    {19, QPageSize::Envelope9},  {20, QPageSize::Envelope10},
    {21, QPageSize::Envelope11}, {22, QPageSize::Envelope12},
    {23, QPageSize::Envelope14}, {24, QPageSize::AnsiC},
    {25, QPageSize::AnsiD},      {26, QPageSize::AnsiE},
    {27, QPageSize::EnvelopeDL}, {28, QPageSize::EnvelopeC5},
    {30, QPageSize::EnvelopeC4}, {31, QPageSize::EnvelopeC6},
    {70, QPageSize::A6},
}};

} // namespace

std::optional<QPageSize::PageSizeId> PageSizeForPaperCode(std::int16_t code)
{
    for (const auto& [paper, id] : kPaperCodes)
        if (paper == code)
            return id;
    return std::nullopt;
}

std::int16_t PaperCodeForPageSize(QPageSize::PageSizeId id)
{
    for (const auto& [paper, size] : kPaperCodes)
        if (size == id)
            return paper;
    return 256;
}

std::optional<QPageLayout::Orientation> OrientationForCode(std::int16_t code)
{
    switch (code) {
    case 1: return QPageLayout::Portrait;
    case 2: return QPageLayout::Landscape;
    default: return std::nullopt;
    }
}

std::optional<QPrinter::ColorMode> ColorModeForCode(std::int16_t code)
{
    switch (code) {
    case 1: return QPrinter::GrayScale;
    case 2: return QPrinter::Color;
    default: return std::nullopt;
    }
}

std::optional<int> ResolutionForQuality(std::int16_t code)
{
    switch (code) {
    case -1: return 150;
    case -2: return 300;
    case -3: return 600;
    case -4: return 1200;
    default: return code > 0 ? std::optional<int>(code) : std::nullopt;
    }
}

std::optional<Qt::PenStyle> PenStyleForDrawStyle(std::int16_t code)
{
    switch (code) {
    case 0: return Qt::SolidLine;
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    case 6: return Qt::SolidLine;
    default: return std::nullopt;
    }
}

} // namespace tarvel
