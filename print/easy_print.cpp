#include "print/easy_print.h"

#include "print/print_error.h"

#include <cmath>

namespace tarvel {

EasyPrint::EasyPrint()
{
    CurrentPrinter().SetScaleMode(kScaleMillimetres);
    ReadPhysicalOffsets();
    CurrentPrinter().SetCurrentX(mOffsetX);
    CurrentPrinter().SetCurrentY(mOffsetY);
    mFrameFor = CurrentPrinter().DeviceName();
}

void EasyPrint::FollowCurrentPrinter()
{
    const std::string device = CurrentPrinter().DeviceName();
    if (device == mFrameFor)
        return;
    CurrentPrinter().SetScaleMode(kScaleMillimetres);
    ReadPhysicalOffsets();
    CurrentPrinter().SetCurrentX(mOffsetX);
    CurrentPrinter().SetCurrentY(mOffsetY);
    mFrameFor = device;
}

void EasyPrint::ReadPhysicalOffsets()
{
    auto offset = [](DeviceCap marginIndex, DeviceCap resolutionIndex) {
        const double margin = CurrentPrinter().GetDeviceCaps(marginIndex);
        const double resolution = CurrentPrinter().GetDeviceCaps(resolutionIndex);
        if (resolution == 0)
            throw PrintError(kErrDivisionByZero);
        return ToSingle(margin * -25.4 / resolution);
    };
    mOffsetX = offset(kPhysicalOffsetX, kLogPixelsX);
    mOffsetY = offset(kPhysicalOffsetY, kLogPixelsY);
}

void EasyPrint::SpaziaturaLinea(float Spaziatura) { mSpaziaturaLinea = Spaziatura < 0 ? 1.0f : Spaziatura; }
float EasyPrint::SpaziaturaLinea() const { return mSpaziaturaLinea; }

void EasyPrint::FontSize(std::int16_t lFontSize) { CurrentPrinter().SetFontSize(lFontSize); }

std::int16_t EasyPrint::FontSize() const
{
    const double size = CurrentPrinter().FontSize();
    if (!std::isfinite(size))
        throw PrintError(kErrOverflow);
    // Halves go to the even neighbour (the default rounding mode): 10.5 reads
    // 10, 11.5 reads 12.
    const double rounded = std::nearbyint(size);
    if (std::fabs(rounded) > 1e9)
        throw PrintError(kErrOverflow);
    return NarrowToInteger(static_cast<std::int64_t>(rounded));
}

void EasyPrint::FontName(const std::string& sFontName)
{
    // A name the printer refuses leaves the previous font in place.
    try {
        CurrentPrinter().SetFontName(sFontName);
    } catch (const PrintError&) {
    }
}
std::string EasyPrint::FontName() const { return CurrentPrinter().FontName(); }

void EasyPrint::FontBold(bool bFontBold) { CurrentPrinter().SetFontBold(bFontBold); }
bool EasyPrint::FontBold() const { return CurrentPrinter().FontBold(); }
void EasyPrint::FontItalic(bool bFontItalic) { CurrentPrinter().SetFontItalic(bFontItalic); }
bool EasyPrint::FontItalic() const { return CurrentPrinter().FontItalic(); }
void EasyPrint::FontUnderline(bool bFontUnderline) { CurrentPrinter().SetFontUnderline(bFontUnderline); }
bool EasyPrint::FontUnderline() const { return CurrentPrinter().FontUnderline(); }

void EasyPrint::ForeColor(std::int32_t Color)
{
    // A colour the printer refuses becomes black.
    try {
        CurrentPrinter().SetForeColor(Color);
    } catch (const PrintError&) {
        CurrentPrinter().SetForeColor(0);
    }
}
std::int32_t EasyPrint::ForeColor() const { return CurrentPrinter().ForeColor(); }

// The range check comes first, so an out-of-range code never reaches the printer.
void EasyPrint::PaperSize(std::int32_t lPapersize)
{
    const std::int16_t code = NarrowToInteger(lPapersize);
    CurrentPrinter().SetPaperSize(code);
}
std::int32_t EasyPrint::PaperSize() const { return CurrentPrinter().PaperSize(); }

void EasyPrint::Copies(std::int16_t lCopies) { CurrentPrinter().SetCopies(lCopies); }
std::int16_t EasyPrint::Copies() const { return CurrentPrinter().Copies(); }

void EasyPrint::PrintQuality(std::int32_t Quality)
{
    const std::int16_t code = NarrowToInteger(Quality);
    CurrentPrinter().SetPrintQuality(code);
}
void EasyPrint::ColorMode(std::int32_t Output)
{
    const std::int16_t code = NarrowToInteger(Output);
    CurrentPrinter().SetColorMode(code);
}
void EasyPrint::Orientation(std::int32_t x)
{
    const std::int16_t code = NarrowToInteger(x);
    CurrentPrinter().SetOrientation(code);
}
void EasyPrint::DrawStyle(std::int32_t Style)
{
    const std::int16_t code = NarrowToInteger(Style);
    CurrentPrinter().SetDrawStyle(code);
}
void EasyPrint::DrawWidth(std::int16_t Width) { CurrentPrinter().SetDrawWidth(Width); }

float EasyPrint::CurrentX() const { return ToSingle(CurrentPrinter().CurrentX() - double(mOffsetX)); }
void EasyPrint::CurrentX(float sCurrentX) { CurrentPrinter().SetCurrentX(ToSingle(double(sCurrentX) + mOffsetX)); }
void EasyPrint::CurrentY(float sCurrentY) { CurrentPrinter().SetCurrentY(ToSingle(double(sCurrentY) + mOffsetY)); }
float EasyPrint::CurrentY() const { return ToSingle(CurrentPrinter().CurrentY() - double(mOffsetY)); }

std::int16_t EasyPrint::FontCount() const { return CurrentPrinter().FontCount(); }
std::string EasyPrint::Fonts(std::int16_t iFont) const { return CurrentPrinter().Fonts(iFont); }

// The sheet's size on the assumption that the unprintable margins are equal on
// opposite sides.
float EasyPrint::PageHeight() const { return ToSingle(CurrentPrinter().ScaleHeight() - 2.0 * mOffsetY); }
float EasyPrint::PageWidth() const { return ToSingle(CurrentPrinter().ScaleWidth() - 2.0 * mOffsetX); }

std::int16_t EasyPrint::Page() const { return CurrentPrinter().Page(); }

} // namespace tarvel
