#include "print/rates_report.h"

#include "print/report.h"

#include <algorithm>
#include <cmath>

namespace tarvel {
namespace {

// The page, in mm from the sheet's corner: every text between these edges,
// clear of the margins any usual printer keeps.
constexpr float kLeftX = 20;
constexpr float kRightX = 190;

// One family in two sizes: the title in 12 pt, the rest in 10 pt, a line every
// 5 mm.
constexpr std::int16_t kTitlePoints = 12;
constexpr std::int16_t kPoints = 10;
constexpr float kPitch = 5;
// Between blocks: under the column heads' rule, before the totals, before the notes.
constexpr float kGap = 3;

constexpr float kTitleY = 20;
constexpr float kRegimeY = 28;
// The capital, the span and its duration, a line each, their values at kValueX.
constexpr float kSummaryY = 37;
constexpr float kValueX = 45;
constexpr float kHeadsY = 57;
constexpr float kFirstRowY = kHeadsY + kPitch + 1;
// The day of the calculation, last on the page; the tables just above it.
constexpr float kMadeOnY = 280;

// A line of N pt needs N × 1.15 pt: the row type shrinks with the pitch.
constexpr float kMmPerPointOfLine = 25.4f / 72 * 1.15f;
// Down to 7 pt for a table file's 64 rows and its note; smaller only for two such tables.
constexpr std::int16_t kSmallestPoints = 3;

// The columns of the period rows: the days and the act start at their x, the
// counts and amounts end at theirs. Each has room for its widest text in 10 pt
// ("32767", "12,25% + 20", "2.712.943.835.613,72" on the largest capital,
// "Comunicato MEF, 1° semestre 2015"); a longer act is cut to the line.
struct RatesColumn {
    float x;
    bool rightAligned;
    const char* head;
    std::string RatesReportRow::*text;
};
constexpr RatesColumn kColumns[] = {
    {kLeftX, false, "dal", &RatesReportRow::firstDay},   {42, false, "al", &RatesReportRow::lastDay},
    {72, true, "giorni", &RatesReportRow::days},         {94, true, "tasso", &RatesReportRow::rate},
    {129, true, "interessi", &RatesReportRow::interest}, {133, false, "atto", &RatesReportRow::act},
};
constexpr float kAmountsX = kColumns[4].x; // the totals end under the interest

constexpr char kEllipsis[] = "…";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// `text` in `width` mm at the current size: whole, or cut at a whole letter and
// ended by an ellipsis, so that a long act or file name never runs off the page.
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

// `text` in lines of at most `width` mm at the current size, broken between words.
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

void PrintInColumn(EasyPrint& objPrint, const RatesColumn& column, float y, const std::string& text)
{
    if (column.rightAligned)
        objPrint.PrintRight(column.x, y, text, 0, 0);
    else
        objPrint.PrintLeft(column.x, y, Fitted(objPrint, text, kRightX - column.x), 0, 0);
}

// A thin rule across the table.
void PrintRule(EasyPrint& objPrint, float y) { objPrint.PrintShape(kLeftX, y, kRightX - kLeftX, 0); }

} // namespace

RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t noteLines, std::size_t tables)
{
    const float footTop = kMadeOnY - kPitch * float(tables);
    // Below the rows: a gap, the two totals, a gap, the notes, a gap, the foot.
    const float room = footTop - kFirstRowY - kGap * 3 - kPitch * float(2 + noteLines);
    const float pitch = rows == 0 ? kPitch : std::min(kPitch, room / float(rows));
    const auto points = static_cast<std::int16_t>(
        std::clamp(std::floor(pitch / kMmPerPointOfLine), float(kSmallestPoints), float(kPoints)));
    return {kFirstRowY, pitch, points};
}

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    objPrint.FontName("Arial");
    objPrint.FontItalic(false);
    objPrint.FontBold(true);
    objPrint.FontSize(kTitlePoints);
    objPrint.PrintLeft(kLeftX, kTitleY, Fitted(objPrint, texts.title, kRightX - kLeftX), 0, 0);

    objPrint.FontSize(kPoints);
    objPrint.FontBold(false);
    if (!texts.regime.empty())
        objPrint.PrintLeft(kLeftX, kRegimeY, Fitted(objPrint, texts.regime, kRightX - kLeftX), 0, 0);
    const std::pair<const char*, const std::string*> summary[] = {
        {"Capitale", &texts.capital}, {"Periodo", &texts.span}, {"Durata", &texts.duration}};
    for (std::size_t i = 0; i < std::size(summary); ++i) {
        objPrint.PrintLeft(kLeftX, kSummaryY + kPitch * float(i), summary[i].first, 0, 0);
        objPrint.PrintLeft(kValueX, kSummaryY + kPitch * float(i), *summary[i].second, 0, 0);
    }

    objPrint.FontBold(true);
    for (const RatesColumn& column : kColumns)
        PrintInColumn(objPrint, column, kHeadsY, column.head);
    objPrint.FontBold(false);
    PrintRule(objPrint, kFirstRowY - 1.5f);

    std::vector<std::string> noteLines;
    for (const std::string& note : texts.notes)
        for (std::string& line : Wrapped(objPrint, note, kRightX - kLeftX))
            noteLines.push_back(std::move(line));
    const RatesRowLayout layout = LayOutRatesRows(texts.rows.size(), noteLines.size(), texts.tables.size());
    objPrint.FontSize(layout.points);
    float y = layout.firstY;
    for (const RatesReportRow& row : texts.rows) {
        for (const RatesColumn& column : kColumns)
            PrintInColumn(objPrint, column, y, row.*column.text);
        y += layout.pitch;
    }

    objPrint.FontSize(kPoints);
    PrintRule(objPrint, y);
    y += kGap;
    objPrint.FontBold(true);
    const std::pair<std::string, const std::string*> totals[] = {{texts.interestCaption, &texts.interest},
                                                                 {"Somma", &texts.sum}};
    for (const auto& [caption, amount] : totals) {
        objPrint.PrintLeft(kLeftX, y, caption, 0, 0);
        objPrint.PrintRight(kAmountsX, y, *amount, 0, 0);
        y += kPitch;
    }
    objPrint.FontBold(false);

    y += kGap;
    for (const std::string& line : noteLines) {
        objPrint.PrintLeft(kLeftX, y, line, 0, 0);
        y += kPitch;
    }

    for (std::size_t i = 0; i < texts.tables.size(); ++i)
        objPrint.PrintLeft(kLeftX, kMadeOnY - kPitch * float(texts.tables.size() - i),
                           Fitted(objPrint, texts.tables[i], kRightX - kLeftX), 0, 0);
    objPrint.PrintLeft(kLeftX, kMadeOnY, texts.madeOn, 0, 0);
}

void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] { PrintRatesReportBody(objPrint, texts); });
}

} // namespace tarvel
