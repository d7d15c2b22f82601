#include "print/rates_report.h"

#include "print/report.h"
#include "print/statement_page.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

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

namespace {

// A statement with an option from the top of its first page on, a line every
// kPitch, onto as many pages as it needs; printed when `pages`, the count a
// run that printed nothing found, is given. The pages it took.
std::size_t FlowStatement(EasyPrint& objPrint, const RatesReportTexts& texts, std::optional<std::size_t> pages)
{
    const Sheet& sheet = kUpright;
    const bool printing = pages.has_value();
    std::vector<std::pair<std::string, std::string>> summary = {{texts.capitalCaption, texts.capital},
                                                                {"Periodo", texts.span}};
    if (!texts.duration.empty())
        summary.emplace_back("Durata", texts.duration);
    // Measured in the type it is printed in, whether printed or not.
    objPrint.FontName("Arial");
    objPrint.FontItalic(false);
    objPrint.FontBold(false);
    objPrint.FontSize(kPoints);
    if (printing) {
        PrintHeading(objPrint, sheet, texts.title, texts.regime);
        PrintSummary(objPrint, sheet, summary);
    }
    const std::vector<std::string> before = NoteLines(objPrint, texts.optionLines, sheet.rightX);
    const std::vector<std::string> noteLines = NoteLines(objPrint, texts.notes, sheet.rightX);
    const Table table = LayOutTable(objPrint, texts.lines, kCut, sheet.rightX, kPoints, kSmallestTablePoints);
    objPrint.FontSize(kPoints);

    // Every page keeps the foot's room: the tables and the day, or the page's number.
    const float bottom = sheet.footY - kPitch * float(texts.tables.size()) - kGap;
    std::size_t page = 1;
    float y = sheet.summaryY + kPitch * float(summary.size()) + kGap;
    const auto number = [&] {
        if (printing && *pages > 1)
            objPrint.PrintRight(sheet.rightX, sheet.footY,
                                "pagina " + std::to_string(page) + " di " + std::to_string(*pages), 0, 0);
    };
    // Room for `height` mm more on this page, or the next page under its title.
    const auto room = [&](float height) {
        if (y + height <= bottom)
            return;
        number();
        if (printing) {
            objPrint.NewPage();
            PrintHeading(objPrint, sheet, texts.title, {});
        }
        ++page;
        y = sheet.regimeY + kGap;
    };
    const auto heads = [&] {
        if (printing) {
            objPrint.FontSize(table.points);
            PrintColumnHeads(objPrint, table.columns, y, sheet.rightX);
        }
        y = FirstRowY(y);
    };

    for (const std::string& line : before) {
        room(kPitch);
        if (printing)
            PrintLines(objPrint, y, {line});
        y += kPitch;
    }
    if (!texts.lines.empty()) {
        y += kGap;
        // The heads never stand alone at the foot of a page.
        room(FirstRowY(0) + kPitch);
        heads();
        for (const StatementLine& line : texts.lines) {
            if (y + kPitch > bottom) {
                room(kPitch + FirstRowY(0));
                heads();
            }
            if (printing) {
                objPrint.FontSize(table.points);
                PrintTableRow(objPrint, table.columns, y, line);
            }
            y += kPitch;
        }
        objPrint.FontSize(kPoints);
        if (printing)
            PrintRule(objPrint, y, sheet.rightX);
    }
    y += kGap;
    // The totals and the notes together.
    room(kPitch * float(texts.totals.size()) + (noteLines.empty() ? 0 : kGap + kPitch * float(noteLines.size())));
    if (printing) {
        objPrint.FontSize(kPoints);
        // Under the interest of the rows; with none, beside the captions.
        const std::span<const TableColumn> columns =
            texts.lines.empty() ? std::span<const TableColumn>() : std::span<const TableColumn>(table.columns);
        const float under = PrintTotals(
            objPrint, y, TotalsAmountsX(objPrint, columns, StatementColumn::Interest, texts.totals), texts.totals);
        PrintLines(objPrint, under + kGap, noteLines);
        PrintFoot(objPrint, sheet, texts.tables, texts.madeOn);
    }
    number();
    return page;
}

} // namespace

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    if (!texts.optionLines.empty()) {
        FlowStatement(objPrint, texts, FlowStatement(objPrint, texts, std::nullopt));
        return;
    }
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
    y = PrintTotals(objPrint, y, TotalsAmountsX(objPrint, table.columns, StatementColumn::Interest, texts.totals),
                    texts.totals);
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
