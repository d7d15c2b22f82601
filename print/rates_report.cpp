#include "print/rates_report.h"

#include "calc/number_texts.h"

#include <algorithm>
#include <cmath>

namespace tarvel {
namespace {

// The columns of the period rows: the two days start at their x, the counts
// and amounts end at theirs.
struct RatesColumn {
    float x;
    bool rightAligned;
    const char* head;
    std::string RatesReportRow::*text;
};
constexpr RatesColumn kColumns[] = {
    {30, false, "dal", &RatesReportRow::firstDay},       {55, false, "al", &RatesReportRow::lastDay},
    {100, true, "giorni", &RatesReportRow::days},        {120, true, "tasso", &RatesReportRow::rate},
    {155, true, "interessi", &RatesReportRow::interest},
};
constexpr float kLeftX = kColumns[0].x; // the regime and the tables at the foot
constexpr float kHeadsY = 70;
// What the regime charges, between the title and the summary.
constexpr float kRegimeY = 30;
// The rows fill at most down to here, which leaves the foot inside the
// printable area of any usual printer.
constexpr float kRowsEndY = 270;
constexpr float kPitch = 5;
constexpr float kFootPitch = 4;
constexpr std::int16_t kPoints = 10;
// Down to 6 pt for a table file's 64 rows; smaller only for two such tables.
constexpr std::int16_t kSmallestPoints = 3;

// The text of `column` with its top at y.
void PrintInColumn(EasyPrint& objPrint, const RatesColumn& column, float y, const std::string& text)
{
    if (column.rightAligned)
        objPrint.PrintRight(column.x, y, text, 0, 0);
    else
        objPrint.PrintLeft(column.x, y, text, 0, 0);
}

} // namespace

RatesReportTexts MakeRatesReportTexts(const Statement& statement)
{
    RatesReportTexts texts;
    texts.capital = statement.capital;
    texts.totalInterest = statement.interest;
    texts.startDate = statement.startDate;
    texts.endDate = statement.endDate;
    texts.yearsText = "anni  " + WholeNumberText(statement.years);
    texts.daysText = " giorni  " + WholeNumberText(statement.days);
    texts.capitalPlusInterest = statement.sum;
    texts.regime = statement.regimeText;
    for (const StatementRow& row : statement.rows)
        texts.rows.push_back({row.firstDay, row.lastDay, WholeNumberText(row.days), row.rate, row.interestText});
    texts.tables = statement.tables;
    return texts;
}

RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t footLines)
{
    const float firstY = kHeadsY + kPitch + 1;
    const float lastY = kRowsEndY - kFootPitch * float(std::max<std::size_t>(footLines, 1) - 1);
    const float pitch = rows < 2 ? kPitch : std::min(kPitch, (lastY - firstY) / float(rows - 1));
    // A 10 pt line is about 3.5 mm high: the type shrinks with the pitch.
    const auto points =
        static_cast<std::int16_t>(std::clamp(std::floor(pitch * 2), float(kSmallestPoints), float(kPoints)));
    return {firstY, pitch, points};
}

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintReportSummary(objPrint, texts);

    objPrint.FontSize(kPoints);
    objPrint.SpaziaturaLinea(2);
    objPrint.FontItalic(true);
    if (!texts.regime.empty())
        objPrint.PrintLeft(kLeftX, kRegimeY, texts.regime, 0, 0);
    for (const RatesColumn& column : kColumns)
        PrintInColumn(objPrint, column, kHeadsY, column.head);
    objPrint.FontItalic(false);

    const RatesRowLayout layout = LayOutRatesRows(texts.rows.size(), texts.tables.size());
    objPrint.FontSize(layout.points);
    float y = layout.firstY;
    for (const RatesReportRow& row : texts.rows) {
        for (const RatesColumn& column : kColumns)
            PrintInColumn(objPrint, column, y, row.*column.text);
        y += layout.pitch;
    }

    objPrint.FontSize(8);
    for (std::size_t i = 0; i < texts.tables.size(); ++i)
        objPrint.PrintLeft(kLeftX, y + 3 + kFootPitch * float(i), texts.tables[i], 0, 0);
}

void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] { PrintRatesReportBody(objPrint, texts); });
}

} // namespace tarvel
