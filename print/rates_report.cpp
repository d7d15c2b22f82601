#include "print/rates_report.h"

#include "print/report.h"
#include "print/statement_page.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

using namespace statement_page;

namespace {

constexpr float kHeadsY = 57;
constexpr float kFirstRowY = FirstRowY(kHeadsY);

// A line of N pt needs N × 1.15 pt: the row type shrinks with the pitch.
constexpr float kMmPerPointOfLine = 25.4f / 72 * 1.15f;
// Down to 7 pt for a table file's 64 rows and its note; smaller only for two such tables.
constexpr std::int16_t kSmallestPoints = 3;

// The columns of the period rows: the days and the act start at their x, the
// counts and amounts end at theirs. Each has room for its widest text in 10 pt
// ("32767", "12,25% + 20", "2.712.943.835.613,72" on the largest capital,
// "Comunicato MEF, 1° semestre 2015"); a longer act is cut to the line.
constexpr Column<RatesReportRow> kColumns[] = {
    {kLeftX, false, "dal", &RatesReportRow::firstDay},   {42, false, "al", &RatesReportRow::lastDay},
    {72, true, "giorni", &RatesReportRow::days},         {94, true, "tasso", &RatesReportRow::rate},
    {129, true, "interessi", &RatesReportRow::interest}, {133, false, "atto", &RatesReportRow::act},
};
constexpr float kAmountsX = kColumns[4].x; // the totals end under the interest

} // namespace

RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t noteLines, std::size_t tables)
{
    const float footTop = kFootY - kPitch * float(tables);
    // Below the rows: a gap, the two totals, a gap, the notes, a gap, the foot.
    const float room = footTop - kFirstRowY - kGap * 3 - kPitch * float(2 + noteLines);
    const float pitch = rows == 0 ? kPitch : std::min(kPitch, room / float(rows));
    const auto points = static_cast<std::int16_t>(
        std::clamp(std::floor(pitch / kMmPerPointOfLine), float(kSmallestPoints), float(kPoints)));
    return {kFirstRowY, pitch, points};
}

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintHeading(objPrint, texts.title, texts.regime);
    PrintSummary(objPrint, {{"Capitale", texts.capital}, {"Periodo", texts.span}, {"Durata", texts.duration}});
    PrintColumnHeads(objPrint, kColumns, kHeadsY);

    const std::vector<std::string> noteLines = NoteLines(objPrint, texts.notes);
    const RatesRowLayout layout = LayOutRatesRows(texts.rows.size(), noteLines.size(), texts.tables.size());
    objPrint.FontSize(layout.points);
    float y = layout.firstY;
    for (const RatesReportRow& row : texts.rows) {
        PrintRow(objPrint, kColumns, y, row);
        y += layout.pitch;
    }

    objPrint.FontSize(kPoints);
    PrintRule(objPrint, y);
    y += kGap;
    y = PrintTotals(objPrint, y, kAmountsX, {{texts.interestCaption, texts.interest}, {"Somma", texts.sum}});
    PrintLines(objPrint, y + kGap, noteLines);

    PrintFoot(objPrint, texts.tables, texts.madeOn);
}

void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] { PrintRatesReportBody(objPrint, texts); });
}

} // namespace tarvel
