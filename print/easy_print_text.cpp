#include "print/easy_print.h"

#include "print/print_error.h"

#include "calc/trim_spaces.h"

namespace tarvel {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr std::int16_t kKeepStart = -1;
constexpr std::int16_t kKeepEnd = 0;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters are whole UTF-8 sequences, so a cut never leaves half a letter.
void DropLastCharacter(std::string& text)
{
    while (!text.empty() && IsContinuationByte(text.back()))
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

void DropFirstCharacter(std::string& text)
{
    std::size_t n = text.empty() ? 0 : 1;
    while (n < text.size() && IsContinuationByte(text[n]))
        ++n;
    text.erase(0, n);
}

} // namespace

std::int32_t EasyPrint::CountLineBreaks(const std::string& text)
{
    std::int32_t count = 0;
    for (auto at = text.find(kCR); at != std::string::npos; at = text.find(kCR, at + 1))
        ++count;
    return count;
}

std::string EasyPrint::GetLine(const std::string& text, std::int32_t index)
{
    std::string rest = text;
    for (std::int32_t i = 0; i <= index; ++i) {
        const auto end = rest.find(kCR);
        std::string line = rest.substr(0, end);
        rest.erase(0, line.size());
        if (i == index)
            return std::string(TrimSpaces(line));
        if (!rest.empty() && rest.front() == kCR)
            rest.erase(0, 1);
        if (!rest.empty() && rest.front() == kLF)
            rest.erase(0, 1);
        rest = std::string(TrimSpaces(rest));
    }
    return {};
}

std::string EasyPrint::FitToWidth(std::string& text, std::int16_t WidthMax, std::int16_t keepStart) const
{
    // An empty text also ends the loop, whatever width the printer gives it.
    while (!text.empty() && static_cast<float>(printers_.Current().TextWidth(text)) > static_cast<float>(WidthMax)) {
        if (keepStart == kKeepStart)
            DropLastCharacter(text);
        else
            DropFirstCharacter(text);
    }
    return text;
}

void EasyPrint::PrintLeft(float XPos, float YPos, std::string& Testo, float Rientro, std::int16_t WidthMax)
{
    PrintAligned(Align::Left, XPos, YPos, Testo, Rientro, WidthMax);
}

void EasyPrint::PrintLeft(float XPos, float YPos, const std::string& Testo, float Rientro, std::int16_t WidthMax)
{
    std::string copy = Testo;
    PrintLeft(XPos, YPos, copy, Rientro, WidthMax);
}

void EasyPrint::PrintRight(float XPos, float YPos, std::string& Testo, float Rientro, std::int16_t WidthMax)
{
    PrintAligned(Align::Right, XPos, YPos, Testo, Rientro, WidthMax);
}

void EasyPrint::PrintRight(float XPos, float YPos, const std::string& Testo, float Rientro, std::int16_t WidthMax)
{
    std::string copy = Testo;
    PrintRight(XPos, YPos, copy, Rientro, WidthMax);
}

void EasyPrint::PrintCentre(float XPos, float YPos, std::string& Testo, std::int16_t WidthMax)
{
    PrintAligned(Align::Centre, XPos, YPos, Testo, 0, WidthMax);
}

void EasyPrint::PrintCentre(float XPos, float YPos, const std::string& Testo, std::int16_t WidthMax)
{
    std::string copy = Testo;
    PrintCentre(XPos, YPos, copy, WidthMax);
}

void EasyPrint::PrintAligned(Align align, float XPos, float YPos, std::string& Testo, float Rientro,
                             std::int16_t WidthMax)
{
    ReportErrors([&] {
        if (CountLineBreaks(Testo) == 0)
            PrintOneLine(align, XPos, YPos, Testo, Rientro, WidthMax);
        else
            PrintLines(align, XPos, YPos, Testo, Rientro, WidthMax);
    });
}

// The left edge (Left), right edge (Right) or centre (Centre) of `text` on refX.
void EasyPrint::PlaceHorizontally(Align align, float refX, const std::string& text)
{
    Printer& printer = printers_.Current();
    const double x = double(refX) + mOffsetX;
    switch (align) {
    case Align::Left: printer.SetCurrentX(ToSingle(x)); break;
    case Align::Right: printer.SetCurrentX(ToSingle(x - printer.TextWidth(text))); break;
    case Align::Centre: printer.SetCurrentX(ToSingle(x - printer.TextWidth(text) / 2)); break;
    }
}

// The steps come in a different order for each alignment; the order shows in
// which printer call fails first and in what a failure leaves behind.
void EasyPrint::PrintOneLine(Align align, float XPos, float YPos, std::string& Testo, float Rientro,
                             std::int16_t WidthMax)
{
    Printer& printer = printers_.Current();
    const float refX = ToSingle(align == Align::Left    ? double(XPos) + Rientro
                                : align == Align::Right ? double(XPos) - Rientro
                                                        : double(XPos));
    auto horizontal = [&] {
        if (XPos >= 0)
            PlaceHorizontally(align, refX, Testo);
    };
    auto vertical = [&] {
        if (YPos >= 0)
            printer.SetCurrentY(ToSingle(double(YPos) + mOffsetY));
    };
    auto cut = [&] {
        if (WidthMax > 0)
            FitToWidth(Testo, WidthMax, align == Align::Right ? kKeepEnd : kKeepStart);
    };
    switch (align) {
    case Align::Left:
        horizontal();
        vertical();
        cut();
        break;
    case Align::Right:
        vertical();
        cut();
        horizontal();
        break;
    case Align::Centre:
        cut();
        horizontal();
        vertical();
        break;
    }
    printer.Print(Testo);
}

void EasyPrint::PrintLines(Align align, float XPos, float YPos, const std::string& Testo, float Rientro,
                           std::int16_t WidthMax)
{
    Printer& printer = printers_.Current();
    const std::int32_t lastLine = CountLineBreaks(Testo);
    for (std::int32_t i = 0; i <= lastLine; ++i) {
        // The indent applies to the first line only.
        float refX = XPos;
        if (i == 0 && align == Align::Left)
            refX = ToSingle(double(XPos) + Rientro);
        else if (i == 0 && align == Align::Right)
            refX = ToSingle(double(XPos) - Rientro);
        std::string line = GetLine(Testo, i);
        if (WidthMax > 0)
            FitToWidth(line, WidthMax, align == Align::Right ? kKeepEnd : kKeepStart);
        if (XPos >= 0)
            PlaceHorizontally(align, refX, line);
        // Each line's own height sets its pitch; it is not accumulated.
        if (YPos >= 0)
            printer.SetCurrentY(
                ToSingle((printer.TextHeight(line) * i + double(mSpaziaturaLinea) * i) + (double(mOffsetY) + YPos)));
        printer.Print(line);
    }
}

float EasyPrint::TextWidth(const std::string& sText) const { return ToSingle(printers_.Current().TextWidth(sText)); }
float EasyPrint::TextHeight(const std::string& sText) const { return ToSingle(printers_.Current().TextHeight(sText)); }

} // namespace tarvel
