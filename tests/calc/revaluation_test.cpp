// Revaluation by the price index and legal interest on the sum revalued:
// worked cases over the calculation, each figure as a reader redoes it by
// hand from the index table.
#include "calc/number_texts.h"
#include "calc/revaluation.h"
#include "calc/statement.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

struct RevaluationCase {
    const char* name;
    const char* from;
    const char* to;
    const char* percentage; // empty: the revaluation alone
    int coefficient;        // thousandths
    int variation;          // tenths
    int links;              // base changes used
    bool earlyFactor;
    const char* applied; // with a percentage
    const char* amount;  // revalued or updated, of 10.000,00
    bool lastIndexNote;
};

class TheRevaluation : public ::testing::TestWithParam<RevaluationCase> {};

TEST_P(TheRevaluation, FollowsTheIndexAcrossItsBases)
{
    const RevaluationCase& c = GetParam();
    const auto made = MakeStatement(RevaluedRequest(std::nullopt, c.percentage, "10000", c.from, c.to));
    ASSERT_TRUE(made.statement) << made.faults.front().line();
    const Revaluation& figures = made.statement->revaluation->figures;
    EXPECT_EQ(figures.coefficientThousandths, c.coefficient);
    EXPECT_EQ(figures.variationTenths, c.variation);
    EXPECT_EQ(figures.links.size(), static_cast<std::size_t>(c.links));
    EXPECT_EQ(figures.earlyFactor, c.earlyFactor);
    if (*c.percentage) {
        EXPECT_EQ(AppliedVariationText(figures.appliedHundredThousandths), c.applied);
    }
    const auto totals = RevaluationTotals(*made.statement);
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_EQ(AmountText(totals[0].amount), c.amount);
    EXPECT_EQ(made.statement->notes.size(), c.lastIndexNote ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, TheRevaluation,
    ::testing::Values(
        RevaluationCase{"base1992", "06/1992", "06/1993", "", 1042, 42, 1, false, "", "10.420,00", false},
        RevaluationCase{"base1995", "12/1995", "12/1996", "", 1026, 26, 1, false, "", "10.260,00", false},
        RevaluationCase{"base2010", "15/06/2010", "30/06/2011", "", 1027, 27, 1, false, "", "10.270,00", false},
        RevaluationCase{"base2015", "03/2015", "2025-03", "", 1215, 215, 1, false, "", "12.150,00", false},
        RevaluationCase{"base2025", "3/2025", "03/2026", "", 1015, 15, 1, false, "", "10.150,00", false},
        RevaluationCase{"base2025At75", "03/2025", "03/2026", "75", 1015, 15, 1, false, "1,125%", "10.112,50", false},
        RevaluationCase{"beforeFebruary1992", "01/1991", "01/1994", "", 1153, 153, 1, true, "", "11.530,00", false},
        RevaluationCase{"withinTobacco", "01/1992", "02/1992", "", 1003, 3, 0, true, "", "10.030,00", false},
        RevaluationCase{"wholeTable", "01/1990", "08/2026", "", 2433, 1433, 5, true, "", "24.330,00", false},
        RevaluationCase{"negative", "10/2008", "12/2008", "", 995, -5, 0, false, "", "9.950,00", false},
        RevaluationCase{"negativeAt75", "10/2008", "12/2008", "75", 995, -5, 0, false, "0%", "10.000,00", false},
        RevaluationCase{"afterTheLastIndex", "06/2026", "11/2026", "75", 1009, 9, 0, false, "0,675%", "10.067,50",
                        true},
        RevaluationCase{"sameMonth", "01/03/2015", "31/03/2015", "", 1000, 0, 0, false, "", "10.000,00", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct InterestCase {
    const char* name;
    std::optional<InterestOn> on;
    const char* start;
    const char* end;
    const char* revalued;
    const char* interest;
    const char* due;
    std::size_t years; // of the yearly method
};

class TheInterestOnARevaluedSum : public ::testing::TestWithParam<InterestCase> {};

// Each span crosses changes of the legal rate (every 1 January); the second
// starts on 29 February, whose anniversaries are on 28 February.
TEST_P(TheInterestOnARevaluedSum, ChargesEachMethod)
{
    const InterestCase& c = GetParam();
    const auto made = MakeStatement(RevaluedRequest(c.on, "", "10000", c.start, c.end));
    ASSERT_TRUE(made.statement) << made.faults.front().line();
    const auto totals = RevaluationTotals(*made.statement);
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(AmountText(totals[0].amount), c.revalued);
    EXPECT_EQ(AmountText(totals[1].amount), c.interest);
    EXPECT_EQ(AmountText(totals[2].amount), c.due);
    EXPECT_EQ(made.statement->revaluation->years.size(), c.years);
    // The rows add up to the interest, or the note says why not.
    Currency rows;
    for (const StatementLine& row : made.statement->rows)
        rows = *rows.plus(row.interest.toCents());
    EXPECT_EQ(rows == totals[1].amount, made.statement->roundingNote.empty());
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, TheInterestOnARevaluedSum,
                         ::testing::Values(InterestCase{"initial", InterestOn::Initial, "15/03/2015", "15/03/2025",
                                                        "12.150,00", "1.102,16", "13.252,16", 0},
                                           InterestCase{"revalued", InterestOn::Revalued, "15/03/2015", "15/03/2025",
                                                        "12.150,00", "1.339,13", "13.489,13", 0},
                                           InterestCase{"yearly", InterestOn::Yearly, "15/03/2015", "15/03/2025",
                                                        "12.150,00", "1.254,00", "13.404,00", 10},
                                           InterestCase{"initialFromALeapDay", InterestOn::Initial, "29/02/2020",
                                                        "15/06/2023", "11.570,00", "357,59", "11.927,59", 0},
                                           InterestCase{"revaluedFromALeapDay", InterestOn::Revalued, "29/02/2020",
                                                        "15/06/2023", "11.570,00", "413,73", "11.983,73", 0},
                                           InterestCase{"yearlyFromALeapDay", InterestOn::Yearly, "29/02/2020",
                                                        "15/06/2023", "11.570,00", "391,88", "11.961,88", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TheRevaluation, RefusesWhatItCannotRevalue)
{
    using enum InputField;
    const struct {
        StatementRequest request;
        FieldFault fault;
    } cases[] = {
        {RevaluedRequest(std::nullopt, "", "10000", "12/1989", "03/2015"),
         {Start, "nessun indice per dicembre 1989: la tabella degli indici comincia da gennaio 1990"}},
        {RevaluedRequest(std::nullopt, "", "10000", "03/2015", "02/2015"),
         {End, "il mese febbraio 2015 viene prima di quello di DAL, marzo 2015"}},
        {RevaluedRequest(std::nullopt, "", "10000", "20/03/2015", "10/03/2015"),
         {End, "la data \"10/03/2015\" viene prima di DAL \"20/03/2015\""}},
        {RevaluedRequest(std::nullopt, "100,01", "10000", "03/2015", "03/2016"),
         {Percentage, "percentuale non valida: \"100,01\" (si attende un numero da 0,01 a 100, al più due decimali)"}},
        {RevaluedRequest(std::nullopt, "0", "10000", "03/2015", "03/2016"),
         {Percentage, "percentuale non valida: \"0\" (si attende un numero da 0,01 a 100, al più due decimali)"}},
        {RevaluedRequest(std::nullopt, "", "10000", "13/2015", "03/2016"),
         {Start, "data o mese non valido: \"13/2015\""}},
        {RevaluedRequest(std::nullopt, "", "-10000", "03/2015", "03/2016"), {Capital, "importo negativo: \"-10000\""}},
        {RevaluedRequest(InterestOn::Yearly, "", "10000", "03/2015", "15/03/2016"),
         {Start, "con gli interessi serve un giorno, non un mese: \"03/2015\""}},
        {RevaluedRequest(InterestOn::Initial, "", "10000", "15/03/1989", "15/03/2015"),
         {Start, "nessun indice per marzo 1989: la tabella degli indici comincia da gennaio 1990"}},
    };
    for (const auto& c : cases) {
        const auto made = MakeStatement(c.request);
        EXPECT_FALSE(made.statement) << c.fault.reason;
        EXPECT_EQ(made.faults, std::vector<FieldFault>{c.fault});
    }
}

} // namespace
