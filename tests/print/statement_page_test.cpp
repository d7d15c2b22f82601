// The statement's table as the pages lay it out: columns as wide as their
// texts, only a description or an act cut. The pages themselves, lying and a
// row a line, are read back from the PDF in tests/cli/ledger_report_test.cpp.
#include "calc/date_text.h"
#include "print/statement_page.h"

#include "tests/print/engine_fixture.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

using namespace statement_page;

struct Placement {
    const char* name;
    std::vector<ColumnNeed> needs;
    float right;
    std::vector<std::pair<float, float>> edges;
};

void PrintTo(const Placement& placement, std::ostream* out) { *out << placement.name; }

class PlaceColumnsTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PlaceColumnsTest, GivesEachColumnItsRoom)
{
    const Placement& c = GetParam();
    const auto edges = PlaceColumns(c.needs, 20, c.right);
    ASSERT_EQ(edges.size(), c.edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_NEAR(edges[i].first, c.edges[i].first, 1e-4) << "column " << i;
        EXPECT_NEAR(edges[i].second, c.edges[i].second, 1e-4) << "column " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, PlaceColumnsTest,
    ::testing::Values(
        // 20 + 30 + 3 + 40 = 93: 3 mm more between them.
        Placement{"WideEnoughTheRoomLeftWidensTheGap", {{30, 30}, {40, 40}}, 96, {{20, 50}, {56, 96}}},
        Placement{"MuchRoomAGapOfNineAtMost", {{30, 30}, {40, 40}}, 190, {{20, 50}, {59, 99}}},
        // 100 mm for 120: the columns that may be cut share 70 - 3 - 3 = 64, the
        // narrower need met first (10 more), the other the rest (from 20 to 44).
        Placement{"TooNarrowTheCutColumnsShareTheNarrowerNeedFirst",
                  {{30, 30}, {20, 10}, {70, 20}},
                  120,
                  {{20, 50}, {53, 73}, {76, 120}}},
        // Not even the leasts fit: each its least, running past the right edge.
        Placement{"NoneBelowItsLeast", {{30, 30}, {50, 40}}, 80, {{20, 50}, {53, 93}}}, Placement{"None", {}, 190, {}}),
    [](const auto& info) { return std::string(info.param.name); });

Currency Cents(std::int64_t cents) { return Currency::fromTicks(cents * 100); }

// A credit with a long description, the span after it and a payment.
std::vector<StatementLine> Movements(const std::string& description)
{
    StatementLine credit;
    credit.kind = StatementLine::Kind::Credit;
    credit.day = *ParseDate("01/01/2025");
    credit.amount = credit.capital = Cents(1000000);
    credit.description = description;
    StatementLine span;
    span.day = *ParseDate("02/01/2025");
    span.lastDay = *ParseDate("01/07/2025");
    span.capital = credit.capital;
    span.days = 181;
    span.rate.thousandths = 2000;
    span.interest = Cents(9918);
    span.act = "D.M. 10/12/2024";
    StatementLine payment;
    payment.kind = StatementLine::Kind::Payment;
    payment.day = *ParseDate("01/07/2025");
    payment.amount = Cents(300000);
    payment.toInterest = Cents(9918);
    payment.toCapital = Cents(290082);
    payment.capital = Cents(709918);
    payment.description = "bonifico";
    return {credit, span, payment};
}

using StatementPageTest = EngineTest;

TEST_F(StatementPageTest, OnlyTheDescriptionOfAMovementIsCutAndWhatTheUserTypedIsShownAsTheMessagesShowIt)
{
    const std::string long_(60, 'x');
    std::vector<StatementLine> lines = Movements("fattura " + long_ + "\u200E");
    lines[1].act = "D.M.\x1b[2J";
    constexpr StatementColumn kCut[] = {StatementColumn::Movement, StatementColumn::Act};
    // The fake draws 2 mm a letter at 10 pt: lying there is no room for 94 letters.
    const Table table = LayOutTable(*engine, lines, kCut, kLying.rightX, 10, 10);
    EXPECT_FALSE(table.whole);
    const auto movement = std::find_if(table.columns.begin(), table.columns.end(),
                                       [](const TableColumn& c) { return c.column == StatementColumn::Movement; });
    ASSERT_NE(movement, table.columns.end());
    const std::string cut = CellText(*engine, lines[0], *movement);
    EXPECT_TRUE(cut.starts_with("credito 10.000,00 fattura xx")) << cut;
    EXPECT_TRUE(cut.ends_with("x…")) << cut;
    EXPECT_LE(FakeTextWidth(cut, 10), movement->right - movement->left + 1e-3);
    // The payment's amounts are the least the column takes.
    EXPECT_EQ(CellText(*engine, lines[2], *movement), "pagamento 3.000,00 bonifico");

    // Whole, the invisible mark and the escape as the messages show them.
    const Table wide = LayOutTable(*engine, lines, kCut, 1000, 10, 10);
    EXPECT_TRUE(wide.whole);
    std::map<StatementColumn, std::string> texts;
    for (const TableColumn& column : wide.columns)
        texts[column.column] = CellText(*engine, column.column == StatementColumn::Act ? lines[1] : lines[0], column);
    EXPECT_EQ(texts[StatementColumn::Movement], "credito 10.000,00 fattura " + long_ + "<U+200E>");
    EXPECT_EQ(texts[StatementColumn::Act], "D.M.\\x1b[2J");
    // Nothing else is ever cut: a date, a count, a rate, an amount.
    for (const TableColumn& column : table.columns) {
        for (const StatementLine& line : lines) {
            if (!column.cut) {
                EXPECT_EQ(CellText(*engine, line, column), StatementCell(line, column.column));
            }
        }
    }
}

} // namespace
} // namespace tarvel::testing
