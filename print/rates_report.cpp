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

// A table whose acts would be cut is set smaller, down to this.
constexpr std::int16_t kSmallestTablePoints = 8;

// Only the act gives up room: a date, a count, a rate or an amount is never cut.
constexpr StatementColumn kCut[] = {StatementColumn::Act};

} // namespace

RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t noteLines, std::size_t tables)
{
    const float footTop = kUpright.footY - kPitch * float(tables);
    // Below the rows: a gap, the two totals, a gap, the notes, a gap, the foot.
    const float room = footTop - kFirstRowY - kGap * 3 - kPitch * float(2 + noteLines);
    const float pitch = rows == 0 ? kPitch : std::min(kPitch, room / float(rows));
    const auto points = static_cast<std::int16_t>(
        std::clamp(std::floor(pitch / kMmPerPointOfLine), float(kSmallestPoints), float(kPoints)));
    return {kFirstRowY, pitch, points};
}

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintHeading(objPrint, kUpright, texts.title, texts.regime);
    PrintSummary(objPrint, kUpright,
                 {{"Capitale", texts.capital}, {"Periodo", texts.span}, {"Durata", texts.duration}});
    const std::vector<std::string> noteLines = NoteLines(objPrint, texts.notes, kUpright.rightX);
    const RatesRowLayout layout = LayOutRatesRows(texts.lines.size(), noteLines.size(), texts.tables.size());
    const Table table = LayOutTable(objPrint, texts.lines, kCut, kUpright.rightX, std::min(layout.points, kPoints),
                                    kSmallestTablePoints);
    PrintColumnHeads(objPrint, table.columns, kHeadsY, kUpright.rightX);
    objPrint.FontSize(std::min(layout.points, table.points));
    float y = layout.firstY;
    for (const StatementLine& line : texts.lines) {
        PrintTableRow(objPrint, table.columns, y, line);
        y += layout.pitch;
    }

    objPrint.FontSize(kPoints);
    PrintRule(objPrint, y, kUpright.rightX);
    y += kGap;
    const std::vector<std::pair<std::string, std::string>> totals = {{texts.interestCaption, texts.interest},
                                                                     {"Somma", texts.sum}};
    y = PrintTotals(objPrint, y, TotalsAmountsX(objPrint, table.columns, StatementColumn::Interest, totals), totals);
    PrintLines(objPrint, y + kGap, noteLines);

    PrintFoot(objPrint, kUpright, texts.tables, texts.madeOn);
}

void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] {
        TurnSheet(objPrint, kUpright);
        PrintRatesReportBody(objPrint, texts);
    });
}

} // namespace tarvel
