#include "print/statement_page.h"

#include <algorithm>

namespace tarvel::statement_page {
namespace {

constexpr char kEllipsis[] = "…";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string Fitted(const EasyPrint& objPrint, std::string text, float width)
{
    if (objPrint.TextWidth(text) <= width)
        return text;
    while (!text.empty() && objPrint.TextWidth(text + kEllipsis) > width) {
        while (!text.empty() && IsContinuationByte(text.back()))
            text.pop_back();
        if (!text.empty())
            text.pop_back();
    }
    return text + kEllipsis;
}

std::vector<std::string> Wrapped(const EasyPrint& objPrint, const std::string& text, float width)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && objPrint.TextWidth(line + ' ' + word) > width) {
            lines.push_back(Fitted(objPrint, line, width));
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(Fitted(objPrint, line, width));
    return lines;
}

void PrintHeading(EasyPrint& objPrint, const std::string& title, const std::string& regime)
{
    objPrint.FontName("Arial");
    objPrint.FontItalic(false);
    objPrint.FontBold(true);
    objPrint.FontSize(kTitlePoints);
    objPrint.PrintLeft(kLeftX, kTitleY, Fitted(objPrint, title, kRightX - kLeftX), 0, 0);

    objPrint.FontSize(kPoints);
    objPrint.FontBold(false);
    if (!regime.empty())
        objPrint.PrintLeft(kLeftX, kRegimeY, Fitted(objPrint, regime, kRightX - kLeftX), 0, 0);
}

void PrintSummary(EasyPrint& objPrint, const std::vector<std::pair<std::string, std::string>>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        objPrint.PrintLeft(kLeftX, kSummaryY + kPitch * float(i), lines[i].first, 0, 0);
        objPrint.PrintLeft(kValueX, kSummaryY + kPitch * float(i), lines[i].second, 0, 0);
    }
}

void PrintInColumn(EasyPrint& objPrint, float x, bool rightAligned, float y, const std::string& text)
{
    if (rightAligned)
        objPrint.PrintRight(x, y, text, 0, 0);
    else
        objPrint.PrintLeft(x, y, Fitted(objPrint, text, kRightX - x), 0, 0);
}

float PrintTotals(EasyPrint& objPrint, float y, float amountsX,
                  const std::vector<std::pair<std::string, std::string>>& totals)
{
    objPrint.FontBold(true);
    for (const auto& [caption, amount] : totals) {
        objPrint.PrintLeft(kLeftX, y, caption, 0, 0);
        objPrint.PrintRight(amountsX, y, amount, 0, 0);
        y += kPitch;
    }
    objPrint.FontBold(false);
    return y;
}

std::vector<std::string> NoteLines(const EasyPrint& objPrint, const std::vector<std::string>& notes)
{
    std::vector<std::string> lines;
    for (const std::string& note : notes)
        for (std::string& line : Wrapped(objPrint, note, kRightX - kLeftX))
            lines.push_back(std::move(line));
    return lines;
}

float PrintLines(EasyPrint& objPrint, float y, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        objPrint.PrintLeft(kLeftX, y, line, 0, 0);
        y += kPitch;
    }
    return y;
}

void PrintRule(EasyPrint& objPrint, float y) { objPrint.PrintShape(kLeftX, y, kRightX - kLeftX, 0); }

void PrintFoot(EasyPrint& objPrint, const std::vector<std::string>& tables, const std::string& madeOn)
{
    for (std::size_t i = 0; i < tables.size(); ++i)
        objPrint.PrintLeft(kLeftX, kFootY - kPitch * float(tables.size() - i),
                           Fitted(objPrint, tables[i], kRightX - kLeftX), 0, 0);
    objPrint.PrintLeft(kLeftX, kFootY, madeOn, 0, 0);
}

} // namespace tarvel::statement_page
