#include "tests/print/fake_printer.h"

#include <cmath>
#include <limits>
#include <utility>

namespace tarvel::testing {
namespace {

const double kNotGiven = std::numeric_limits<double>::quiet_NaN();

} // namespace

double FakeTextWidth(const std::string& text, double points)
{
    std::size_t characters = 0;
    for (unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    return double(characters) * points * 0.2;
}

void FakePrinter::FailOn(const std::string& op, int occurrence, int number) { failures_[{op, occurrence}] = number; }

std::vector<FakeCall> FakePrinter::CallsOf(const std::string& op) const
{
    std::vector<FakeCall> result;
    for (const auto& call : calls)
        if (call.op == op)
            result.push_back(call);
    return result;
}

std::vector<std::string> FakePrinter::Ops() const
{
    std::vector<std::string> result;
    for (const auto& call : calls)
        result.push_back(call.op);
    return result;
}

// Counts the call, fails it if told to (before any state changes), logs it.
FakeCall& FakePrinter::Log(const std::string& op, std::vector<double> args, std::string text)
{
    const int occurrence = ++counts_[op];
    if (auto failure = failures_.find({op, occurrence}); failure != failures_.end())
        throw PrintError(failure->second);
    calls.push_back(FakeCall{op, std::move(args), std::move(text), x, y, font});
    return calls.back();
}

void FakePrinter::SetScaleMode(std::int16_t mode)
{
    Log("SetScaleMode", {double(mode)});
    scaleMode = mode;
}
double FakePrinter::ScaleWidth() { return Log("ScaleWidth"), printableWidth; }
double FakePrinter::ScaleHeight() { return Log("ScaleHeight"), printableHeight; }

std::int32_t FakePrinter::GetDeviceCaps(std::int32_t index)
{
    Log("GetDeviceCaps", {double(index)});
    switch (index) {
    case kPhysicalOffsetX: return marginXPixels;
    case kPhysicalOffsetY: return marginYPixels;
    case kLogPixelsX: return resolutionX;
    case kLogPixelsY: return resolutionY;
    default: return 0;
    }
}

double FakePrinter::CurrentX() { return Log("CurrentX"), x; }
void FakePrinter::SetCurrentX(double value)
{
    Log("SetCurrentX", {value});
    x = value;
}
double FakePrinter::CurrentY() { return Log("CurrentY"), y; }
void FakePrinter::SetCurrentY(double value)
{
    Log("SetCurrentY", {value});
    y = value;
}

std::string FakePrinter::FontName() { return Log("FontName"), font.name; }
void FakePrinter::SetFontName(const std::string& name)
{
    Log("SetFontName", {}, name);
    if (rejectedFontNames.count(name))
        throw PrintError(kErrInvalidProperty);
    font.name = name;
}
double FakePrinter::FontSize() { return Log("FontSize"), font.size; }
void FakePrinter::SetFontSize(double points)
{
    Log("SetFontSize", {points});
    font.size = adjustedFontSize.value_or(points);
}
bool FakePrinter::FontBold() { return Log("FontBold"), font.bold; }
void FakePrinter::SetFontBold(bool on)
{
    Log("SetFontBold", {double(on)});
    font.bold = on;
}
bool FakePrinter::FontItalic() { return Log("FontItalic"), font.italic; }
void FakePrinter::SetFontItalic(bool on)
{
    Log("SetFontItalic", {double(on)});
    font.italic = on;
}
bool FakePrinter::FontUnderline() { return Log("FontUnderline"), font.underline; }
void FakePrinter::SetFontUnderline(bool on)
{
    Log("SetFontUnderline", {double(on)});
    font.underline = on;
}
std::int32_t FakePrinter::ForeColor() { return Log("ForeColor"), foreColor; }
void FakePrinter::SetForeColor(std::int32_t color)
{
    Log("SetForeColor", {double(color)});
    if (rejectedColors.count(color))
        throw PrintError(kErrInvalidProperty);
    foreColor = color;
}
std::int16_t FakePrinter::FontCount() { return Log("FontCount"), std::int16_t(fonts.size()); }
std::string FakePrinter::Fonts(std::int16_t index)
{
    Log("Fonts", {double(index)});
    if (index < 0 || std::size_t(index) >= fonts.size())
        throw PrintError(kErrInvalidProperty);
    return fonts[std::size_t(index)];
}

std::pair<const char*, std::int16_t&> FakePrinter::PageCodeOf(PageSetting setting)
{
    switch (setting) {
    case PageSetting::PaperSize: return {"PaperSize", paperSize};
    case PageSetting::Copies: return {"Copies", copies};
    case PageSetting::PrintQuality: return {"PrintQuality", printQuality};
    case PageSetting::ColorMode: return {"ColorMode", colorMode};
    case PageSetting::Orientation: return {"Orientation", orientation};
    case PageSetting::DrawStyle: return {"DrawStyle", drawStyle};
    case PageSetting::DrawWidth: return {"DrawWidth", drawWidth};
    }
    throw PrintError(kErrInvalidProperty);
}

std::int16_t FakePrinter::PageCode(PageSetting setting)
{
    const auto [name, code] = PageCodeOf(setting);
    return Log(name), code;
}

void FakePrinter::SetPageCode(PageSetting setting, std::int16_t value)
{
    const auto [name, code] = PageCodeOf(setting);
    Log(std::string("Set") + name, {double(value)});
    // A sheet turned: the printable area and its margins turn with it.
    if (setting == PageSetting::Orientation && value != code) {
        std::swap(printableWidth, printableHeight);
        std::swap(marginXPixels, marginYPixels);
        std::swap(resolutionX, resolutionY);
    }
    code = value;
}

void FakePrinter::Print(const std::string& text)
{
    Log("Print", {}, text);
    x = 0;
    y += font.size * 0.4;
}

double FakePrinter::TextWidth(const std::string& text)
{
    Log("TextWidth", {}, text);
    return FakeTextWidth(text, font.size);
}

double FakePrinter::TextHeight(const std::string& text)
{
    Log("TextHeight", {}, text);
    return font.size * 0.4;
}

void FakePrinter::Line(std::optional<LinePoint> from, LinePoint to, bool box)
{
    const LinePoint start = from ? from->From(x, y) : LinePoint{x, y};
    const LinePoint end = to.From(start.x, start.y);
    const double x1 = start.x, y1 = start.y, x2 = end.x, y2 = end.y;
    Log("Line", {x1, y1, x2, y2, double(box)});
    x = x2;
    y = y2;
}

void FakePrinter::Circle(LinePoint centre, double radius, std::optional<double> start, std::optional<double> end)
{
    const LinePoint c = centre.From(x, y);
    const double cx = c.x, cy = c.y;
    Log("Circle", {cx, cy, radius, start.value_or(0), end.value_or(2 * M_PI)});
    x = cx;
    y = cy;
}

void FakePrinter::PaintPicture(const Picture& picture, double px, double py, std::optional<double> width,
                               std::optional<double> height)
{
    Log("PaintPicture", {px, py, width.value_or(kNotGiven), height.value_or(kNotGiven)}, picture.file);
}

void FakePrinter::NewPage()
{
    Log("NewPage");
    ++page;
}
void FakePrinter::EndDoc()
{
    Log("EndDoc");
    page = 1;
}
void FakePrinter::KillDoc()
{
    Log("KillDoc");
    page = 1;
}
std::int16_t FakePrinter::Page() { return Log("Page"), page; }

} // namespace tarvel::testing
