// A compounded statement printed to a PDF and read back: the title of its
// regime, the capitalisation's line, a capitalisation among the rows, the
// totals, the law's line and the tables, nothing running into anything nor
// off the sheet, and a long span going on to more pages.
#include "calc/number_texts.h"
#include "tests/print/printed_statement.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

struct PageCase {
    const char* name;
    StatementRequest request;
    const char* title;
    std::size_t pages;
};

class CompoundedPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(CompoundedPage, ReadsBackWithItsCapitalisations)
{
    const PageCase& c = GetParam();
    const StatementOutcome outcome = MakeStatement(c.request);
    ASSERT_TRUE(outcome.statement);
    const Statement& statement = *outcome.statement;

    std::size_t pages = 0;
    const std::vector<std::string> lines = PrintedLines(statement, c.title, pages);
    ASSERT_EQ(pages, c.pages);
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has(Capitalised(CompoundingText(statement.compounding->period, statement.compounding->from))));
    for (const ShownTotal& total : CompoundedTotals(statement))
        EXPECT_TRUE(has(total.caption + ' ' + AmountText(total.amount))) << total.caption;
    for (const std::string& table : statement.tables)
        EXPECT_TRUE(has("Tabella: " + table)) << table;
    // Every capitalisation, each once: its day, what was capitalised, the capital after it.
    const auto capitalisations = std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return std::any_of(statement.rows.begin(), statement.rows.end(), [&](const StatementLine& row) {
            return row.kind == StatementLine::Kind::Capitalisation
                   && line.starts_with(StatementCell(row, StatementColumn::Day) + ' '
                                       + StatementCell(row, StatementColumn::Movement) + ' '
                                       + StatementCell(row, StatementColumn::Capital));
        });
    });
    EXPECT_EQ(capitalisations, std::count_if(statement.rows.begin(), statement.rows.end(), [](const auto& row) {
                  return row.kind == StatementLine::Kind::Capitalisation;
              }));
    EXPECT_GT(capitalisations, 0);
    // The law's line, broken where the page's width says.
    std::string all;
    for (const std::string& line : lines)
        all += line + ' ';
    EXPECT_NE(all.find(kCompoundingLawNote), std::string::npos) << all;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Print, CompoundedPage, ::testing::Values(
    PageCase{"contractQuarterlyFromAClaim",
             Compounded(ContractRequest("4,75", "10000", "31/03/2023", "31/12/2025"), CompoundingPeriod::Quarter,
                        "15/05/2024"),
             "Interessi convenzionali al 4,75%", 1},
    // Thirty-six years, a capitalisation every half-year.
    PageCase{"legalHalfYearly", Compounded(LegalRequest("25000", "15/01/1990", "31/07/2026"),
                                           CompoundingPeriod::HalfYear),
             "Interessi legali", 4}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace tarvel::testing
