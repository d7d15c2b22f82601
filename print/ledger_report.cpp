#include "print/ledger_report.h"

#include "print/report.h"

#include <algorithm>

namespace tarvel {

using namespace statement_page;

namespace {

// The rows in 9 pt, a line every 3.7 mm: fifty movements and the spans
// between them on three lying pages.
constexpr std::int16_t kRowPoints = 9;
constexpr float kRowPitch = 3.7f;
// Smaller, down to this, rather than cut a description or an act.
constexpr std::int16_t kSmallestRowPoints = 8;

// A movement gives up its description, an act its end; a date, a count, a
// rate or an amount is never cut.
constexpr StatementColumn kCut[] = {StatementColumn::Movement, StatementColumn::Act};

// The column heads under the heading: the title, the regime, the end day and the imputation.
constexpr float HeadsY(const Sheet& sheet) { return sheet.summaryY + 3 * kPitch; }

// The height the totals and notes take under the rule that ends the rows.
float EndHeight(std::size_t totals, std::size_t noteLines)
{
    return kGap + kPitch * float(totals) + (noteLines == 0 ? 0 : kGap + kPitch * float(noteLines));
}

void PrintPageHeading(EasyPrint& objPrint, const Sheet& sheet, const LedgerReportTexts& texts,
                      const std::vector<TableColumn>& columns, std::int16_t points)
{
    PrintHeading(objPrint, sheet, texts.title, texts.regime);
    PrintSummary(objPrint, sheet, {{"Conto al", texts.end}, {"Pagamenti", texts.imputation}});
    objPrint.FontSize(points);
    PrintColumnHeads(objPrint, columns, HeadsY(sheet), sheet.rightX);
}

} // namespace

std::vector<std::size_t> LayOutLedgerPages(std::size_t rows, std::size_t totals, std::size_t noteLines,
                                           std::size_t tables, const Sheet& sheet)
{
    const float firstRowY = FirstRowY(HeadsY(sheet));
    const float rowsBottomY = sheet.footY - kGap; // the foot's line holds the page's number
    const auto perPage = std::max<std::size_t>(1, std::size_t((rowsBottomY - firstRowY) / kRowPitch));
    std::vector<std::size_t> starts = {0};
    while (starts.back() + perPage < rows)
        starts.push_back(starts.back() + perPage);
    const float lastRowsEnd = firstRowY + kRowPitch * float(rows - starts.back());
    const float endBottom = sheet.footY - kPitch * float(tables) - kGap;
    if (rows > 0 && lastRowsEnd + EndHeight(totals, noteLines) > endBottom)
        starts.push_back(rows);
    return starts;
}

void PrintLedgerReport(EasyPrint& objPrint, const LedgerReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] {
        // The columns at the rows' size, upright when every text stands whole there.
        objPrint.FontName("Arial");
        objPrint.FontItalic(false);
        const Sheet* sheet = &kUpright;
        Table table = LayOutTable(objPrint, texts.lines, kCut, sheet->rightX, kRowPoints, kRowPoints);
        if (!table.whole) {
            sheet = &kLying;
            table = LayOutTable(objPrint, texts.lines, kCut, sheet->rightX, kRowPoints, kSmallestRowPoints);
        }
        TurnSheet(objPrint, *sheet);
        objPrint.FontSize(kPoints);
        const std::vector<std::string> noteLines = NoteLines(objPrint, texts.notes, sheet->rightX);
        const std::vector<std::size_t> starts =
            LayOutLedgerPages(texts.lines.size(), texts.totals.size(), noteLines.size(), texts.tables.size(), *sheet);

        const std::string ofPages = " di " + std::to_string(starts.size());
        for (std::size_t page = 0; page < starts.size(); ++page) {
            if (page > 0)
                objPrint.NewPage();
            PrintPageHeading(objPrint, *sheet, texts, table.columns, table.points);
            const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : texts.lines.size();
            float y = FirstRowY(HeadsY(*sheet));
            for (std::size_t i = starts[page]; i < end; ++i) {
                PrintTableRow(objPrint, table.columns, y, texts.lines[i]);
                y += kRowPitch;
            }
            objPrint.FontSize(kPoints);
            if (page + 1 == starts.size()) {
                PrintRule(objPrint, y, sheet->rightX);
                const float amountsX = TotalsAmountsX(objPrint, table.columns, StatementColumn::Capital, texts.totals);
                y = PrintTotals(objPrint, y + kGap, amountsX, texts.totals);
                PrintLines(objPrint, y + kGap, noteLines);
                PrintFoot(objPrint, *sheet, texts.tables, texts.madeOn);
            }
            objPrint.PrintRight(sheet->rightX, sheet->footY, "pagina " + std::to_string(page + 1) + ofPages, 0, 0);
        }
    });
}

} // namespace tarvel
