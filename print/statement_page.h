#pragma once

#include "print/easy_print.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {

// What the pages of a statement share, the single calculation's and the
// ledger's: the margins, one type family in two sizes, the heading, the table's
// columns and rules, and the foot. Millimetres from the sheet's corner.
namespace statement_page {

// Every text between these edges, clear of the margins any usual printer keeps.
inline constexpr float kLeftX = 20;
inline constexpr float kRightX = 190;

// The title in 12 pt, the rest in 10 pt, a line every 5 mm.
inline constexpr std::int16_t kTitlePoints = 12;
inline constexpr std::int16_t kPoints = 10;
inline constexpr float kPitch = 5;
// Between blocks: under the column heads' rule, before the totals, before the notes.
inline constexpr float kGap = 3;

inline constexpr float kTitleY = 20;
inline constexpr float kRegimeY = 28;
// The summary under the heading, a line each, the values at kValueX.
inline constexpr float kSummaryY = 37;
inline constexpr float kValueX = 45;
// The foot's line, last on the page: the day of the calculation; the tables just above it.
inline constexpr float kFootY = 280;

// A column of a statement's table: a text of `Row` that starts at x, or, for
// counts and amounts, ends there.
template <class Row>
struct Column {
    float x;
    bool rightAligned;
    const char* head;
    std::string Row::*text;
};

// `text` in `width` mm at the current size: whole, or cut at a whole letter and
// ended by an ellipsis, so that a long act or file name never runs off the page.
std::string Fitted(const EasyPrint& objPrint, std::string text, float width);

// `text` in lines of at most `width` mm at the current size, broken between words.
std::vector<std::string> Wrapped(const EasyPrint& objPrint, const std::string& text, float width);

// The title in bold 12 pt and under it, when there is one, the regime; leaves
// the family in regular 10 pt.
void PrintHeading(EasyPrint& objPrint, const std::string& title, const std::string& regime);

// Label and value lines under the heading ("Capitale   25.000,00").
void PrintSummary(EasyPrint& objPrint, const std::vector<std::pair<std::string, std::string>>& lines);

// A text in its column, a left-aligned one cut to the right edge.
void PrintInColumn(EasyPrint& objPrint, float x, bool rightAligned, float y, const std::string& text);

// A row's texts in their columns.
template <class Row, std::size_t N>
void PrintRow(EasyPrint& objPrint, const Column<Row> (&columns)[N], float y, const Row& row)
{
    for (const Column<Row>& column : columns)
        PrintInColumn(objPrint, column.x, column.rightAligned, y, row.*column.text);
}

// The totals in bold, a line each from `y`, their captions at the left edge and
// their amounts ending at `amountsX`; the y under them.
float PrintTotals(EasyPrint& objPrint, float y, float amountsX,
                  const std::vector<std::pair<std::string, std::string>>& totals);

// The notes in lines across the page ("Nota: i giorni dopo il ..."), at the current size.
std::vector<std::string> NoteLines(const EasyPrint& objPrint, const std::vector<std::string>& notes);

// `lines` at the left edge from `y`, a line each; the y under them.
float PrintLines(EasyPrint& objPrint, float y, const std::vector<std::string>& lines);

// A thin rule across the table.
void PrintRule(EasyPrint& objPrint, float y);

// The tables used, a line each just above the foot's line, and the day of the
// calculation on it.
void PrintFoot(EasyPrint& objPrint, const std::vector<std::string>& tables, const std::string& madeOn);

// Where the first row stands under column heads at `headsY`.
inline constexpr float FirstRowY(float headsY) { return headsY + kPitch + 1; }

// The column heads in bold at `y`, and the rule under them; the rows start at
// FirstRowY(y).
template <class Row, std::size_t N>
void PrintColumnHeads(EasyPrint& objPrint, const Column<Row> (&columns)[N], float y)
{
    objPrint.FontBold(true);
    for (const Column<Row>& column : columns)
        PrintInColumn(objPrint, column.x, column.rightAligned, y, column.head);
    objPrint.FontBold(false);
    PrintRule(objPrint, FirstRowY(y) - 1.5f);
}

} // namespace statement_page
} // namespace tarvel
