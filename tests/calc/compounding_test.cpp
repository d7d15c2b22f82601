// Compound interest and a contract's rate: worked cases over the calculation,
// each stretch charged on the capital with all that was capitalised before it.
#include "calc/number_texts.h"
#include "calc/statement.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

struct CompoundingCase {
    const char* name;
    StatementRequest request;
    const char* interest;
    const char* due;
    std::size_t capitalisations;
};

class Compounding : public ::testing::TestWithParam<CompoundingCase> {};

TEST_P(Compounding, AddsTheInterestToTheCapitalAtEachEndOfPeriod)
{
    const CompoundingCase& c = GetParam();
    const auto made = MakeStatement(c.request);
    ASSERT_TRUE(made.statement) << made.faults.front().line();
    const auto totals = CompoundedTotals(*made.statement);
    EXPECT_EQ(AmountText(totals[0].amount), c.interest);
    EXPECT_EQ(AmountText(totals[1].amount), c.due);
    const auto& rows = made.statement->rows;
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(
                  rows.begin(), rows.end(),
                  [](const StatementLine& row) { return row.kind == StatementLine::Kind::Capitalisation; })),
              c.capitalisations);
}

using enum CompoundingPeriod;

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, Compounding,
    ::testing::Values(
        CompoundingCase{"threeWholeYears", Compounded(ContractRequest("5", "1000", "31/12/2020", "31/12/2023"), Year),
                        "157,63", "1.157,63", 2},
        CompoundingCase{"aLeapYear", Compounded(ContractRequest("5", "1000", "31/12/2022", "31/12/2025"), Year),
                        "157,77", "1.157,77", 2},
        CompoundingCase{"aClaimInsideAQuarter",
                        Compounded(ClaimRequest("15/05/2024", "10000", "10/01/2024", "31/12/2024"), Quarter), "890,23",
                        "10.890,23", 3},
        CompoundingCase{"fromAClaimDay",
                        Compounded(LegalRequest("10000", "01/01/2022", "31/12/2024"), Year, "15/05/2023"), "901,00",
                        "10.901,00", 2},
        // Years before the legal table's first day charge nothing, the claim's tables side by side as in order.
        CompoundingCase{"beforeTheTableWithAClaim",
                        Compounded(ClaimRequest("01/01/2020", "1000", "01/01/1938", "01/01/1943"), Year), "34,93",
                        "1.034,93", 5},
        CompoundingCase{"shorterThanAPeriod", Compounded(LegalRequest("10000", "10/01/2024", "20/02/2024"), Quarter),
                        "28,08", "10.028,08", 0},
        CompoundingCase{"latePaymentHalfYearly",
                        Compounded(LatePaymentRequest("8", "10000", "01/01/2023", "31/12/2024"), HalfYear), "2.581,02",
                        "12.581,02", 3},
        CompoundingCase{"aContractRateOfThreeDecimals",
                        Compounded(ContractRequest("4,125", "2500", "30/06/2021", "30/06/2024"), Quarter), "327,85",
                        "2.827,85", 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Compounding, RefusesADayOutsideTheSpanAndARateNotAContractOne)
{
    using enum InputField;
    const struct {
        StatementRequest request;
        FieldFault fault;
    } cases[] = {
        {Compounded(LegalRequest("10000", "01/01/2022", "31/12/2024"), Year, "01/01/2025"),
         {CompoundingFrom, "il 01/01/2025 non è tra DAL 01/01/2022 e AL 31/12/2024"}},
        {Compounded(LegalRequest("10000", "01/01/2022", "31/12/2024"), Year, "31/12/2021"),
         {CompoundingFrom, "il 31/12/2021 non è tra DAL 01/01/2022 e AL 31/12/2024"}},
        {ContractRequest("100,001", "1000", "31/12/2020", "31/12/2023"),
         {ContractRate, "tasso non valido: \"100,001\" (si attende un numero da 0,001 a 100, al più tre decimali)"}},
        {ContractRequest("4,1255", "1000", "31/12/2020", "31/12/2023"),
         {ContractRate, "tasso non valido: \"4,1255\" (si attende un numero da 0,001 a 100, al più tre decimali)"}},
        {Compounded(LegalRequest("-1000", "31/12/2020", "31/12/2023"), Year), {Capital, "importo negativo: \"-1000\""}},
        {ContractRequest("0", "1000", "31/12/2020", "31/12/2023"),
         {ContractRate, "tasso non valido: \"0\" (si attende un numero da 0,001 a 100, al più tre decimali)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeStatement(c.request).faults, std::vector<FieldFault>{c.fault}) << c.fault.reason;
}

TEST(AContractRate, NamesItselfAndChargesEveryDay)
{
    const auto made = MakeStatement(ContractRequest("4,75", "10000", "15/03/2019", "15/03/2025"));
    ASSERT_TRUE(made.statement);
    EXPECT_EQ(made.statement->regimeText, "interessi convenzionali al 4,75%");
    ASSERT_EQ(made.statement->rows.size(), 1u);
    EXPECT_EQ(ChargedRateText(made.statement->rows[0].rate), "4,75%");
    EXPECT_EQ(made.statement->interest, "2.852,60");
}

} // namespace
