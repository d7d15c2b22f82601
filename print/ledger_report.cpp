#include "print/ledger_report.h"

#include "print/report.h"
#include "print/statement_page.h"

#include <algorithm>

namespace tarvel {

using namespace statement_page;

namespace {

// The heading: the title, the regime, then the end day and the imputation.
constexpr float kHeadsY = 52;
constexpr float kFirstRowY = FirstRowY(kHeadsY);
// The rows end above the foot's line, which holds the page's number.
constexpr float kRowsBottomY = kFootY - kGap;

// The columns: the days and the movement start at their x, the counts, rates
// and amounts end at theirs. A movement leaves the span's days, rate and
// interest blank and a span its movement, so the movement wraps within its
// own column; the amounts have room for 99.999.999,99.
constexpr float kMovementX = 61;
constexpr float kMovementWidth = 44;
// A long description is cut, ended by an ellipsis, so that a row never runs past a page.
constexpr std::size_t kMostMovementLines = 8;
constexpr Column<LedgerReportRow> kColumns[] = {
    {kLeftX, false, "data", &LedgerReportRow::day},
    {41, false, "al", &LedgerReportRow::lastDay},
    {kMovementX, false, "movimento", &LedgerReportRow::movement},
    {116, true, "giorni", &LedgerReportRow::days},
    {139, true, "tasso", &LedgerReportRow::rate},
    {164, true, "interessi", &LedgerReportRow::interest},
    {kRightX, true, "capitale", &LedgerReportRow::capital},
};

// The height the totals and notes take under the rule that ends the rows.
float EndHeight(std::size_t totals, std::size_t noteLines)
{
    return kGap + kPitch * float(totals) + (noteLines == 0 ? 0 : kGap + kPitch * float(noteLines));
}

// A movement's parts, each wrapped to the column, in at most kMostMovementLines lines.
std::vector<std::string> MovementLines(const EasyPrint& objPrint, const std::string& movement)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < movement.size();) {
        const std::size_t end = std::min(movement.find('\n', at), movement.size());
        for (std::string& line : Wrapped(objPrint, movement.substr(at, end - at), kMovementWidth))
            lines.push_back(std::move(line));
        at = end + 1;
    }
    if (lines.size() > kMostMovementLines) {
        lines.resize(kMostMovementLines);
        lines.back() = Fitted(objPrint, lines.back() + "…", kMovementWidth);
    }
    return lines;
}

void PrintPageHeading(EasyPrint& objPrint, const LedgerReportTexts& texts)
{
    PrintHeading(objPrint, texts.title, texts.regime);
    PrintSummary(objPrint, {{"Conto al", texts.end}, {"Pagamenti", texts.imputation}});
    PrintColumnHeads(objPrint, kColumns, kHeadsY);
}

// The row at `y`, its movement in `movementLines`.
void PrintLedgerRow(EasyPrint& objPrint, float y, const LedgerReportRow& row,
                    const std::vector<std::string>& movementLines)
{
    for (const Column<LedgerReportRow>& column : kColumns) {
        if (column.text != &LedgerReportRow::movement)
            PrintInColumn(objPrint, column.x, column.rightAligned, y, row.*column.text);
    }
    for (std::size_t i = 0; i < movementLines.size(); ++i)
        objPrint.PrintLeft(kMovementX, y + kPitch * float(i), movementLines[i], 0, 0);
}

} // namespace

std::vector<std::size_t> LayOutLedgerPages(const std::vector<std::size_t>& rowLines, std::size_t totals,
                                           std::size_t noteLines, std::size_t tables)
{
    std::vector<std::size_t> starts = {0};
    float y = kFirstRowY;
    for (std::size_t i = 0; i < rowLines.size(); ++i) {
        const float height = kPitch * float(rowLines[i]);
        if (y + height > kRowsBottomY && y > kFirstRowY) {
            starts.push_back(i);
            y = kFirstRowY;
        }
        y += height;
    }
    const float endBottom = kFootY - kPitch * float(tables) - kGap;
    if (y + EndHeight(totals, noteLines) > endBottom && !rowLines.empty())
        starts.push_back(rowLines.size());
    return starts;
}

void PrintLedgerReport(EasyPrint& objPrint, const LedgerReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] {
        // The movements' lines and the notes' at the rows' size, for the pages' breaks.
        objPrint.FontName("Arial");
        objPrint.FontSize(kPoints);
        std::vector<std::vector<std::string>> movementLines;
        std::vector<std::size_t> rowLines;
        movementLines.reserve(texts.rows.size());
        rowLines.reserve(texts.rows.size());
        for (const LedgerReportRow& row : texts.rows) {
            movementLines.push_back(MovementLines(objPrint, row.movement));
            rowLines.push_back(std::max<std::size_t>(1, movementLines.back().size()));
        }
        const std::vector<std::string> noteLines = NoteLines(objPrint, texts.notes);
        const std::vector<std::size_t> starts =
            LayOutLedgerPages(rowLines, texts.totals.size(), noteLines.size(), texts.tables.size());

        const std::string ofPages = " di " + std::to_string(starts.size());
        for (std::size_t page = 0; page < starts.size(); ++page) {
            if (page > 0)
                objPrint.NewPage();
            PrintPageHeading(objPrint, texts);
            const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : texts.rows.size();
            float y = kFirstRowY;
            for (std::size_t i = starts[page]; i < end; ++i) {
                PrintLedgerRow(objPrint, y, texts.rows[i], movementLines[i]);
                y += kPitch * float(rowLines[i]);
            }
            if (page + 1 == starts.size()) {
                PrintRule(objPrint, y);
                y = PrintTotals(objPrint, y + kGap, kRightX, texts.totals);
                PrintLines(objPrint, y + kGap, noteLines);
                PrintFoot(objPrint, texts.tables, texts.madeOn);
            }
            objPrint.PrintRight(kRightX, kFootY, "pagina " + std::to_string(page + 1) + ofPages, 0, 0);
        }
    });
}

} // namespace tarvel
