#pragma once

#include "print/print_error.h"
#include "print/printer.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarvel::testing {

struct FakeFont {
    std::string name = "Courier";
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FakeFont&, const FakeFont&) = default;
};

// One call on the fake, with its arguments in printer coordinates. Lines,
// circles and pictures are logged with absolute points: Line {x1, y1, x2, y2,
// box}, Circle {cx, cy, r, start, end}, PaintPicture {x, y, width, height}
// with NaN for a size not given. Print is logged with the position and font
// it drew at.
struct FakeCall {
    std::string op;
    std::vector<double> args;
    std::string text;
    double x = 0;
    double y = 0;
    FakeFont font;
};

// How wide the fake draws `text` in a font of `points`: 0.2 mm per character
// (a whole UTF-8 sequence) and point.
double FakeTextWidth(const std::string& text, double points);

// A printer that draws nothing and logs everything. Text metrics are simple:
// each character is 0.2 mm wide per point of size (FakeTextWidth), a line
// 0.4 mm high per point.
class FakePrinter final : public Printer {
public:
    explicit FakePrinter(std::string name = "Fake") : name_(std::move(name)) {}

    // Device set-up as GetDeviceCaps reports it, and the printable area in mm;
    // a change of orientation swaps each pair.
    std::int32_t marginXPixels = 100;
    std::int32_t marginYPixels = 100;
    std::int32_t resolutionX = 600;
    std::int32_t resolutionY = 600;
    double printableWidth = 201.5;
    double printableHeight = 288.5;

    // Makes the `occurrence`-th call (from 1) of `op` fail with `number`.
    void FailOn(const std::string& op, int occurrence, int number = kErrPrinter);
    std::set<std::string> rejectedFontNames;
    std::set<std::int32_t> rejectedColors;
    // What the printer makes of any requested size (a printer with coarse sizes).
    std::optional<double> adjustedFontSize;

    std::vector<FakeCall> calls;
    std::vector<FakeCall> CallsOf(const std::string& op) const;
    std::vector<std::string> Ops() const;
    void ClearLog() { calls.clear(); }

    std::string DeviceName() const override { return name_; }
    void SetScaleMode(std::int16_t mode) override;
    double ScaleWidth() override;
    double ScaleHeight() override;
    std::int32_t GetDeviceCaps(std::int32_t index) override;
    double CurrentX() override;
    void SetCurrentX(double x) override;
    double CurrentY() override;
    void SetCurrentY(double y) override;
    std::string FontName() override;
    void SetFontName(const std::string& name) override;
    double FontSize() override;
    void SetFontSize(double points) override;
    bool FontBold() override;
    void SetFontBold(bool on) override;
    bool FontItalic() override;
    void SetFontItalic(bool on) override;
    bool FontUnderline() override;
    void SetFontUnderline(bool on) override;
    std::int32_t ForeColor() override;
    void SetForeColor(std::int32_t color) override;
    std::int16_t FontCount() override;
    std::string Fonts(std::int16_t index) override;
    // Logged as the setting's name, "Copies" and "SetCopies".
    std::int16_t PageCode(PageSetting setting) override;
    void SetPageCode(PageSetting setting, std::int16_t code) override;
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    void Line(std::optional<LinePoint> from, LinePoint to, bool box) override;
    void Circle(LinePoint centre, double radius, std::optional<double> start, std::optional<double> end) override;
    void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                      std::optional<double> height) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;
    std::int16_t Page() override;

    // State, for tests that look at it directly.
    FakeFont font;
    double x = 0;
    double y = 0;
    std::int16_t scaleMode = 1;
    std::int32_t foreColor = 0;
    std::int16_t paperSize = 1;
    std::int16_t copies = 1;
    std::int16_t printQuality = -3;
    std::int16_t colorMode = 2;
    std::int16_t orientation = 1;
    std::int16_t drawStyle = 0;
    std::int16_t drawWidth = 1;
    std::int16_t page = 1;
    std::vector<std::string> fonts{"Arial", "Courier", "Times New Roman"};

private:
    FakeCall& Log(const std::string& op, std::vector<double> args = {}, std::string text = {});
    // The setting's name and the member that holds its code.
    std::pair<const char*, std::int16_t&> PageCodeOf(PageSetting setting);
    std::string name_;
    std::map<std::string, int> counts_;
    std::map<std::pair<std::string, int>, int> failures_;
};

} // namespace tarvel::testing
