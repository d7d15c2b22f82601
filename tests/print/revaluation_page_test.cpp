// A revaluation's statement printed to a PDF and read back: the title naming
// the method, its lines, its totals and the tables, nothing running into
// anything nor off the sheet, and a span of many years going on to more pages.
#include "calc/number_texts.h"
#include "tests/print/printed_statement.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

struct PageCase {
    const char* name;
    std::optional<InterestOn> interestOn;
    const char* percentage;
    const char* start;
    const char* end;
    std::size_t pages;
};

class RevaluationPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(RevaluationPage, ReadsBackWithItsTitleLinesAndTotals)
{
    const PageCase& c = GetParam();
    StatementRequest request = LegalRequest("25000", c.start, c.end);
    request.revaluation = RevaluationRequest{c.interestOn, c.percentage, &BuiltInPriceIndex(), "come si aggiunge"};
    const StatementOutcome outcome = MakeStatement(request);
    ASSERT_TRUE(outcome.statement);
    const Statement& statement = *outcome.statement;

    std::size_t pages = 0;
    const std::vector<std::string> lines = PrintedLines(statement, StatementTitle(statement), pages);
    ASSERT_EQ(pages, c.pages);
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    for (const std::string& line : RevaluationLines(*statement.revaluation))
        EXPECT_TRUE(has(line)) << line;
    for (const ShownTotal& total : RevaluationTotals(statement))
        EXPECT_TRUE(has(total.caption + ' ' + AmountText(total.amount))) << total.caption;
    for (const std::string& table : statement.tables)
        EXPECT_TRUE(has("Tabella: " + table)) << table;
    // Every row, each once.
    const std::size_t rows = std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return std::any_of(statement.rows.begin(), statement.rows.end(), [&](const StatementLine& row) {
            return line.starts_with(StatementCell(row, StatementColumn::Day) + ' '
                                    + StatementCell(row, StatementColumn::LastDay) + ' ');
        });
    });
    EXPECT_EQ(rows, statement.rows.size());
    const std::string numbered = pages > 1 ? " pagina " + std::to_string(pages) + " di " : "";
    EXPECT_TRUE(lines.back().starts_with("Calcolo del ")) << lines.back();
    EXPECT_NE(lines.back().find(numbered), std::string::npos) << lines.back();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Print, RevaluationPage, ::testing::Values(
    PageCase{"alone", {}, "", "03/2015", "06/2024", 1},
    PageCase{"update", {}, "75", "15/03/2015", "15/06/2024", 1},
    PageCase{"initial", InterestOn::Initial, "", "15/06/2018", "08/12/2025", 1},
    // From the index's first month: thirty-six years, a line and a few rows each.
    PageCase{"yearly", InterestOn::Yearly, "", "15/01/1990", "31/07/2026", 3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace tarvel::testing
