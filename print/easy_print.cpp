#include "print/easy_print.h"

#include "print/print_error.h"

#include <cmath>

namespace tarvel {

EasyPrint::EasyPrint(PrinterSelection& printers, FormRuntime& runtime) : printers_(printers), runtime_(runtime)
{
    MeasurePageFrame();
}

void EasyPrint::FollowPrinterChoice()
{
    if (printers_.Current().DeviceName() != mFrameFor)
        MeasurePageFrame();
}

void EasyPrint::MeasurePageFrame()
{
    printers_.Current().SetScaleMode(kScaleMillimetres);
    ReadPhysicalOffsets();
    printers_.Current().SetCurrentX(mOffsetX);
    printers_.Current().SetCurrentY(mOffsetY);
    mFrameFor = printers_.Current().DeviceName();
}

void EasyPrint::ReadPhysicalOffsets()
{
    auto offset = [this](DeviceCap marginIndex, DeviceCap resolutionIndex) {
        const double margin = printers_.Current().GetDeviceCaps(marginIndex);
        const double resolution = printers_.Current().GetDeviceCaps(resolutionIndex);
        if (resolution == 0)
            throw PrintError(kErrDivisionByZero);
        return ToSingle(margin * -25.4 / resolution);
    };
    mOffsetX = offset(kPhysicalOffsetX, kLogPixelsX);
    mOffsetY = offset(kPhysicalOffsetY, kLogPixelsY);
}

void EasyPrint::SpaziaturaLinea(float Spaziatura) { mSpaziaturaLinea = Spaziatura < 0 ? 1.0f : Spaziatura; }
float EasyPrint::SpaziaturaLinea() const { return mSpaziaturaLinea; }

void EasyPrint::FontSize(std::int16_t lFontSize) { printers_.Current().SetFontSize(lFontSize); }

std::int16_t EasyPrint::FontSize() const
{
    const double size = printers_.Current().FontSize();
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
        printers_.Current().SetFontName(sFontName);
    } catch (const PrintError&) {
    }
}
std::string EasyPrint::FontName() const { return printers_.Current().FontName(); }

void EasyPrint::FontBold(bool bFontBold) { printers_.Current().SetFontBold(bFontBold); }
bool EasyPrint::FontBold() const { return printers_.Current().FontBold(); }
void EasyPrint::FontItalic(bool bFontItalic) { printers_.Current().SetFontItalic(bFontItalic); }
bool EasyPrint::FontItalic() const { return printers_.Current().FontItalic(); }
void EasyPrint::FontUnderline(bool bFontUnderline) { printers_.Current().SetFontUnderline(bFontUnderline); }
bool EasyPrint::FontUnderline() const { return printers_.Current().FontUnderline(); }

void EasyPrint::ForeColor(std::int32_t Color)
{
    // A colour the printer refuses becomes black.
    try {
        printers_.Current().SetForeColor(Color);
    } catch (const PrintError&) {
        printers_.Current().SetForeColor(0);
    }
}
std::int32_t EasyPrint::ForeColor() const { return printers_.Current().ForeColor(); }

void EasyPrint::PaperSize(std::int32_t lPapersize) { SetPageCode(PageSetting::PaperSize, lPapersize); }
std::int32_t EasyPrint::PaperSize() const { return printers_.Current().PageCode(PageSetting::PaperSize); }
void EasyPrint::Copies(std::int16_t lCopies) { SetPageCode(PageSetting::Copies, lCopies); }
std::int16_t EasyPrint::Copies() const { return printers_.Current().PageCode(PageSetting::Copies); }
void EasyPrint::PrintQuality(std::int32_t Quality) { SetPageCode(PageSetting::PrintQuality, Quality); }
void EasyPrint::ColorMode(std::int32_t Output) { SetPageCode(PageSetting::ColorMode, Output); }
void EasyPrint::Orientation(std::int32_t x)
{
    const std::int16_t code = NarrowToInteger(x);
    const bool turned = printers_.Current().PageCode(PageSetting::Orientation) != code;
    printers_.Current().SetPageCode(PageSetting::Orientation, code);
    // The printable area of a sheet turned starts at another corner: the
    // offsets are those of the sheet as it lies now.
    if (turned)
        MeasurePageFrame();
}
void EasyPrint::DrawStyle(std::int32_t Style) { SetPageCode(PageSetting::DrawStyle, Style); }
void EasyPrint::DrawWidth(std::int16_t Width) { SetPageCode(PageSetting::DrawWidth, Width); }

// The range check comes first, so an out-of-range code never reaches the printer.
void EasyPrint::SetPageCode(PageSetting setting, std::int32_t code)
{
    const std::int16_t narrowed = NarrowToInteger(code);
    printers_.Current().SetPageCode(setting, narrowed);
}

float EasyPrint::CurrentX() const { return ToSingle(printers_.Current().CurrentX() - double(mOffsetX)); }
void EasyPrint::CurrentX(float sCurrentX) { printers_.Current().SetCurrentX(ToSingle(double(sCurrentX) + mOffsetX)); }
void EasyPrint::CurrentY(float sCurrentY) { printers_.Current().SetCurrentY(ToSingle(double(sCurrentY) + mOffsetY)); }
float EasyPrint::CurrentY() const { return ToSingle(printers_.Current().CurrentY() - double(mOffsetY)); }

std::int16_t EasyPrint::FontCount() const { return printers_.Current().FontCount(); }
std::string EasyPrint::Fonts(std::int16_t iFont) const { return printers_.Current().Fonts(iFont); }

// The sheet's size on the assumption that the unprintable margins are equal on
// opposite sides.
float EasyPrint::PageHeight() const { return ToSingle(printers_.Current().ScaleHeight() - 2.0 * mOffsetY); }
float EasyPrint::PageWidth() const { return ToSingle(printers_.Current().ScaleWidth() - 2.0 * mOffsetX); }

std::int16_t EasyPrint::Page() const { return printers_.Current().Page(); }

} // namespace tarvel
