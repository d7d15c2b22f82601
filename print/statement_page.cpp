#include "print/statement_page.h"

#include <algorithm>
#include <numeric>

namespace tarvel::statement_page {
namespace {

constexpr char kEllipsis[] = "…";
// The room left over widens a gap between columns up to this.
constexpr float kWidestColumnGap = 3 * kColumnGap;
// What a column's edges, added and taken back, may lose of its width.
constexpr float kRoundingSlack = 0.01f;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The movement's cell with its description cut to the first `bytes` bytes and an ellipsis.
std::string MovementCellCut(StatementLine line, std::size_t bytes)
{
    std::string kept = line.description.substr(0, bytes);
    while (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    line.description = kept + kEllipsis;
    return StatementCell(line, StatementColumn::Movement);
}

// The movement's cell in `width`, its description cut as little as it must be.
std::string MovementFitted(const EasyPrint& objPrint, const StatementLine& line, float width)
{
    std::vector<std::size_t> cuts; // where a letter starts, past the first
    for (std::size_t at = 1; at < line.description.size(); ++at)
        if (!IsContinuationByte(line.description[at]))
            cuts.push_back(at);
    cuts.insert(cuts.begin(), 0);
    // The longest cut that fits: cuts[low] fits (or nothing does), cuts[high] does not.
    std::size_t low = 0, high = cuts.size();
    if (objPrint.TextWidth(MovementCellCut(line, 0)) > width)
        return Fitted(objPrint, MovementCellCut(line, 0), width);
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        if (objPrint.TextWidth(MovementCellCut(line, cuts[middle])) <= width)
            low = middle;
        else
            high = middle;
    }
    return MovementCellCut(line, cuts[low]);
}

} // namespace

void TurnSheet(EasyPrint& objPrint, const Sheet& sheet) { objPrint.Orientation(sheet.orientation); }

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

void PrintHeading(EasyPrint& objPrint, const Sheet& sheet, const std::string& title, const std::string& regime)
{
    objPrint.FontName("Arial");
    objPrint.FontItalic(false);
    objPrint.FontBold(true);
    objPrint.FontSize(kTitlePoints);
    objPrint.PrintLeft(kLeftX, sheet.titleY, Fitted(objPrint, title, sheet.rightX - kLeftX), 0, 0);

    objPrint.FontSize(kPoints);
    objPrint.FontBold(false);
    if (!regime.empty())
        objPrint.PrintLeft(kLeftX, sheet.regimeY, Fitted(objPrint, regime, sheet.rightX - kLeftX), 0, 0);
}

void PrintSummary(EasyPrint& objPrint, const Sheet& sheet,
                  const std::vector<std::pair<std::string, std::string>>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const float y = sheet.summaryY + kPitch * float(i);
        objPrint.PrintLeft(kLeftX, y, lines[i].first, 0, 0);
        objPrint.PrintLeft(kValueX, y, Fitted(objPrint, lines[i].second, sheet.rightX - kValueX), 0, 0);
    }
}

std::vector<std::pair<float, float>> PlaceColumns(std::span<const ColumnNeed> needs, float left, float right)
{
    if (needs.empty())
        return {};
    const float gaps = float(needs.size() - 1);
    const float room = right - left - kColumnGap * gaps;
    std::vector<float> widths;
    for (const ColumnNeed& need : needs)
        widths.push_back(need.widest);
    float gap = kColumnGap;
    const float widest = std::accumulate(widths.begin(), widths.end(), 0.0f);
    if (widest <= room) {
        if (gaps > 0)
            gap += std::min((room - widest) / gaps, kWidestColumnGap - kColumnGap);
    } else {
        // Every column its least, then what is left to the columns that may
        // give up room, the one that needs least more first.
        std::vector<std::size_t> shrinking;
        float leftOver = room;
        for (std::size_t i = 0; i < needs.size(); ++i) {
            widths[i] = needs[i].least;
            leftOver -= widths[i];
            if (needs[i].least < needs[i].widest)
                shrinking.push_back(i);
        }
        std::sort(shrinking.begin(), shrinking.end(), [&](std::size_t a, std::size_t b) {
            return needs[a].widest - needs[a].least < needs[b].widest - needs[b].least;
        });
        for (std::size_t k = 0; k < shrinking.size() && leftOver > 0; ++k) {
            const std::size_t i = shrinking[k];
            const float share = leftOver / float(shrinking.size() - k);
            const float more = std::min(share, needs[i].widest - needs[i].least);
            widths[i] += more;
            leftOver -= more;
        }
    }
    std::vector<std::pair<float, float>> edges;
    float x = left;
    for (float width : widths) {
        edges.emplace_back(x, x + width);
        x += width + gap;
    }
    return edges;
}

namespace {

Table LayOutTableAtSize(EasyPrint& objPrint, std::span<const StatementLine> lines, std::span<const StatementColumn> cut,
                        float right)
{
    const std::vector<StatementColumn> columns = StatementColumns(lines);
    std::vector<ColumnNeed> needs;
    objPrint.FontBold(true);
    for (StatementColumn column : columns) {
        const float head = objPrint.TextWidth(StatementColumnHead(column));
        needs.push_back({head, head});
    }
    objPrint.FontBold(false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool mayBeCut = std::find(cut.begin(), cut.end(), columns[i]) != cut.end();
        ColumnNeed& need = needs[i];
        for (const StatementLine& line : lines) {
            need.widest = std::max(need.widest, objPrint.TextWidth(StatementCell(line, columns[i])));
            // A movement gives up its description, never its amounts.
            if (!mayBeCut || (columns[i] == StatementColumn::Movement && line.kind != StatementLine::Kind::Span))
                need.least = std::max(need.least, objPrint.TextWidth(mayBeCut ? MovementCellCut(line, 0)
                                                                              : StatementCell(line, columns[i])));
        }
        need.least = std::min(need.least, need.widest);
    }
    Table table;
    const auto edges = PlaceColumns(needs, kLeftX, right);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool mayBeCut = std::find(cut.begin(), cut.end(), columns[i]) != cut.end();
        table.columns.push_back({columns[i], edges[i].first, edges[i].second, mayBeCut});
        table.whole = table.whole && edges[i].second - edges[i].first + kRoundingSlack >= needs[i].widest;
    }
    table.points = objPrint.FontSize();
    return table;
}

} // namespace

Table LayOutTable(EasyPrint& objPrint, std::span<const StatementLine> lines, std::span<const StatementColumn> cut,
                  float right, std::int16_t largest, std::int16_t smallest)
{
    for (std::int16_t points = largest;; --points) {
        objPrint.FontSize(points);
        Table table = LayOutTableAtSize(objPrint, lines, cut, right);
        if (table.whole || points <= smallest)
            return table;
    }
}

std::string CellText(const EasyPrint& objPrint, const StatementLine& line, const TableColumn& column)
{
    std::string text = StatementCell(line, column.column);
    const float width = column.right - column.left + kRoundingSlack;
    if (!column.cut || objPrint.TextWidth(text) <= width)
        return text;
    if (column.column == StatementColumn::Movement && !line.description.empty())
        return MovementFitted(objPrint, line, width);
    return Fitted(objPrint, std::move(text), width);
}

namespace {

void PrintInColumn(EasyPrint& objPrint, const TableColumn& column, float y, const std::string& text)
{
    if (StatementColumnIsNumber(column.column))
        objPrint.PrintRight(column.right, y, text, 0, 0);
    else
        objPrint.PrintLeft(column.left, y, text, 0, 0);
}

} // namespace

void PrintTableRow(EasyPrint& objPrint, std::span<const TableColumn> columns, float y, const StatementLine& line)
{
    for (const TableColumn& column : columns)
        PrintInColumn(objPrint, column, y, CellText(objPrint, line, column));
}

void PrintColumnHeads(EasyPrint& objPrint, std::span<const TableColumn> columns, float y, float rightX)
{
    objPrint.FontBold(true);
    for (const TableColumn& column : columns)
        PrintInColumn(objPrint, column, y, StatementColumnHead(column.column));
    objPrint.FontBold(false);
    PrintRule(objPrint, FirstRowY(y) - 1.5f, rightX);
}

float TotalsAmountsX(EasyPrint& objPrint, std::span<const TableColumn> columns, StatementColumn under,
                     const std::vector<std::pair<std::string, std::string>>& totals)
{
    float x = kLeftX;
    for (const TableColumn& column : columns)
        if (column.column == under)
            x = column.right;
    objPrint.FontBold(true);
    float captions = 0, amounts = 0;
    for (const auto& [caption, amount] : totals) {
        captions = std::max(captions, objPrint.TextWidth(caption));
        amounts = std::max(amounts, objPrint.TextWidth(amount));
    }
    objPrint.FontBold(false);
    return std::max(x, kLeftX + captions + 2 * kColumnGap + amounts);
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

std::vector<std::string> NoteLines(const EasyPrint& objPrint, const std::vector<std::string>& notes, float rightX)
{
    std::vector<std::string> lines;
    for (const std::string& note : notes)
        for (std::string& line : Wrapped(objPrint, note, rightX - kLeftX))
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

void PrintRule(EasyPrint& objPrint, float y, float rightX) { objPrint.PrintShape(kLeftX, y, rightX - kLeftX, 0); }

void PrintFoot(EasyPrint& objPrint, const Sheet& sheet, const std::vector<std::string>& tables,
               const std::string& madeOn)
{
    for (std::size_t i = 0; i < tables.size(); ++i)
        objPrint.PrintLeft(kLeftX, sheet.footY - kPitch * float(tables.size() - i),
                           Fitted(objPrint, tables[i], sheet.rightX - kLeftX), 0, 0);
    objPrint.PrintLeft(kLeftX, sheet.footY, madeOn, 0, 0);
}

} // namespace tarvel::statement_page
