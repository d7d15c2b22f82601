#pragma once

#include "calc/statement_line.h"
#include "print/easy_print.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {

// What the pages of a statement share, the single calculation's and the
// ledger's: the sheet upright or lying, the margins, one type family in two
// sizes, the heading, the table's columns and rules, and the foot.
// Millimetres from the sheet's corner.
namespace statement_page {

// Every text starts at this edge, clear of the margins any usual printer keeps.
inline constexpr float kLeftX = 20;

// The title in 12 pt, the rest in 10 pt, a line every 5 mm.
inline constexpr std::int16_t kTitlePoints = 12;
inline constexpr std::int16_t kPoints = 10;
inline constexpr float kPitch = 5;
// Between blocks: under the column heads' rule, before the totals, before the notes.
inline constexpr float kGap = 3;
// The least room between two columns of the table.
inline constexpr float kColumnGap = 3;

// An A4 sheet as the page lies on it: its orientation code, the right edge of
// the texts, the heading's lines (the summary under it a line each, the values
// at kValueX) and the foot's line, last on the page (the day of the
// calculation, the tables just above it).
struct Sheet {
    std::int16_t orientation;
    float rightX;
    float titleY;
    float regimeY;
    float summaryY;
    float footY;
};
inline constexpr Sheet kUpright{1, 190, 20, 28, 37, 280};
inline constexpr Sheet kLying{2, 277, 15, 22, 29, 196};
inline constexpr float kValueX = 45;

// Lays the printer's sheet as `sheet` lies; before the document's first output.
void TurnSheet(EasyPrint& objPrint, const Sheet& sheet);

// `text` in `width` mm at the current size: whole, or cut at a whole letter and
// ended by an ellipsis, so that a long act or file name never runs off the page.
std::string Fitted(const EasyPrint& objPrint, std::string text, float width);

// `text` in lines of at most `width` mm at the current size, broken between words.
std::vector<std::string> Wrapped(const EasyPrint& objPrint, const std::string& text, float width);

// The title in bold 12 pt and under it, when there is one, the regime; leaves
// the family in regular 10 pt.
void PrintHeading(EasyPrint& objPrint, const Sheet& sheet, const std::string& title, const std::string& regime);

// Label and value lines under the heading ("Capitale   25.000,00").
void PrintSummary(EasyPrint& objPrint, const Sheet& sheet,
                  const std::vector<std::pair<std::string, std::string>>& lines);

// What a column of the table needs: the width of its widest text, its head's
// included, and the least it may take; only a column whose texts may be cut
// (a movement's description, an act) takes less than its widest.
struct ColumnNeed {
    float widest;
    float least;
};

// The room of each column, its left and right edges, side by side from `left`
// to `right` in the order given: each column its widest when they fit, the
// room left over spread between them (at most three times kColumnGap each);
// when they do not fit, what the columns that may be cut have is shared out so
// that the narrower need is met first, and none takes less than its least.
std::vector<std::pair<float, float>> PlaceColumns(std::span<const ColumnNeed> needs, float left, float right);

// A column of a statement's table as laid out: its texts start at `left`, or,
// for counts and amounts, end at `right`; `cut` when they are cut to the room.
struct TableColumn {
    StatementColumn column;
    float left;
    float right;
    bool cut;
};

// The table of `lines`: the columns they fill, their heads in bold and their
// texts measured and placed from kLeftX to `right`, at the largest size from
// `largest` down to `smallest` at which every text stands whole (`whole`), or
// else at `smallest`, the columns in `cut` giving up room for the others.
// Leaves the table's size current.
struct Table {
    std::vector<TableColumn> columns;
    bool whole = true;
    std::int16_t points = kPoints;
};
Table LayOutTable(EasyPrint& objPrint, std::span<const StatementLine> lines, std::span<const StatementColumn> cut,
                  float right, std::int16_t largest, std::int16_t smallest);

// The text of a line in its column at the current size, on one line, what the
// user typed shown as the messages show it: a cut column's text cut to the
// room with an ellipsis, a movement's in its description only, so that its
// amounts always show whole.
std::string CellText(const EasyPrint& objPrint, const StatementLine& line, const TableColumn& column);

// The line's texts in their columns at `y`.
void PrintTableRow(EasyPrint& objPrint, std::span<const TableColumn> columns, float y, const StatementLine& line);

// Where the first row stands under column heads at `headsY`.
inline constexpr float FirstRowY(float headsY) { return headsY + kPitch + 1; }

// The column heads in bold at `y`, and the rule under them; the rows start at
// FirstRowY(y).
void PrintColumnHeads(EasyPrint& objPrint, std::span<const TableColumn> columns, float y, float rightX);

// Where the totals' amounts end: under `under`, or right of the widest caption
// when that would reach it; the totals in bold at the current size.
float TotalsAmountsX(EasyPrint& objPrint, std::span<const TableColumn> columns, StatementColumn under,
                     const std::vector<std::pair<std::string, std::string>>& totals);

// The totals in bold, a line each from `y`, their captions at the left edge and
// their amounts ending at `amountsX`; the y under them.
float PrintTotals(EasyPrint& objPrint, float y, float amountsX,
                  const std::vector<std::pair<std::string, std::string>>& totals);

// The notes in lines across the page up to `rightX` ("Nota: i giorni dopo il
// ..."), at the current size.
std::vector<std::string> NoteLines(const EasyPrint& objPrint, const std::vector<std::string>& notes, float rightX);

// `lines` at the left edge from `y`, a line each; the y under them.
float PrintLines(EasyPrint& objPrint, float y, const std::vector<std::string>& lines);

// A thin rule across the table.
void PrintRule(EasyPrint& objPrint, float y, float rightX);

// The tables used, a line each just above the foot's line, and the day of the
// calculation on it.
void PrintFoot(EasyPrint& objPrint, const Sheet& sheet, const std::vector<std::string>& tables,
               const std::string& madeOn);

} // namespace statement_page
} // namespace tarvel
