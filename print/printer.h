#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// A picture to place on the page: an image file (PNG, JPEG, BMP...).
struct Picture {
    std::string file;
};

// Anything that carries a picture, like a picture box. One that has none
// raises kErrNoPicture from GetPicture.
class PictureHolder {
public:
    virtual ~PictureHolder() = default;
    virtual Picture GetPicture() const = 0;
};

// One end of a Line: absolute, or relative ("step") to the point before it.
struct LinePoint {
    double x = 0;
    double y = 0;
    bool step = false;

    // The absolute point, a step being relative to (fromX, fromY).
    LinePoint From(double fromX, double fromY) const
    {
        return step ? LinePoint{fromX + x, fromY + y} : LinePoint{x, y};
    }
};

// The indexes of the device capabilities the engine reads at construction.
enum DeviceCap : int {
    kLogPixelsX = 88,
    kLogPixelsY = 90,
    kPhysicalOffsetX = 112,
    kPhysicalOffsetY = 113,
};

inline constexpr std::int16_t kScaleMillimetres = 6;

// What a printer keeps of the page set-up, each as one code: the number of
// copies, the draw width in device pixels, the others as below.
enum class PageSetting { PaperSize, Copies, PrintQuality, ColorMode, Orientation, DrawStyle, DrawWidth };

// A printer as the print engine sees it. With the millimetre scale every
// coordinate, size and text metric is in millimetres from the top-left corner
// of the printable area, y downwards. Page set-up values are the usual 16-bit
// printer-settings codes (paper 9 = A4, orientation 1 = portrait, colour mode
// 1 = monochrome, quality -4 = high...). Colours are 0x00BBGGRR. Any member may
// raise PrintError.
class Printer {
public:
    virtual ~Printer() = default;

    virtual std::string DeviceName() const = 0;

    virtual void SetScaleMode(std::int16_t mode) = 0;
    virtual double ScaleWidth() = 0;
    virtual double ScaleHeight() = 0;
    // Margins in device pixels and resolution in pixels per inch (DeviceCap).
    virtual std::int32_t GetDeviceCaps(std::int32_t index) = 0;

    virtual double CurrentX() = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual double CurrentY() = 0;
    virtual void SetCurrentY(double y) = 0;

    virtual std::string FontName() = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual double FontSize() = 0;
    virtual void SetFontSize(double points) = 0;
    virtual bool FontBold() = 0;
    virtual void SetFontBold(bool on) = 0;
    virtual bool FontItalic() = 0;
    virtual void SetFontItalic(bool on) = 0;
    virtual bool FontUnderline() = 0;
    virtual void SetFontUnderline(bool on) = 0;
    virtual std::int32_t ForeColor() = 0;
    virtual void SetForeColor(std::int32_t color) = 0;
    virtual std::int16_t FontCount() = 0;
    virtual std::string Fonts(std::int16_t index) = 0;

    // A code of the page set-up. One the printer cannot take raises PrintError.
    virtual std::int16_t PageCode(PageSetting setting) = 0;
    virtual void SetPageCode(PageSetting setting, std::int16_t code) = 0;

    // Draws the text with its top-left corner at the current position, then
    // moves the position to the start of the next line.
    virtual void Print(const std::string& text) = 0;
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight(const std::string& text) = 0;
    // From `from` (or the current position when absent; a step `from` is
    // relative to the current position) to `to` (a step `to` is relative to the
    // start). With `box`, the outline of the rectangle they span. The position
    // ends at the end point.
    virtual void Line(std::optional<LinePoint> from, LinePoint to, bool box) = 0;
    // An arc counter-clockwise as seen on the page from `start` to `end`
    // (radians, 0 to the right, pi/2 up); a whole circle without angles. The
    // position ends at the centre.
    virtual void Circle(LinePoint centre, double radius, std::optional<double> start, std::optional<double> end) = 0;
    // A missing width or height keeps the picture's own size in that dimension.
    virtual void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                              std::optional<double> height) = 0;

    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void KillDoc() = 0;
    virtual std::int16_t Page() = 0;
};

// Where the installed printers come from.
class PrinterPlatform {
public:
    virtual ~PrinterPlatform() = default;
    // Every installed printer once, in a stable order.
    virtual std::vector<std::shared_ptr<Printer>> Printers() = 0;
    // The printer that is current until the program chooses one; may be null.
    virtual std::shared_ptr<Printer> DefaultPrinter() = 0;
};

} // namespace tarvel
