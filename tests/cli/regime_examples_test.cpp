// The worked examples of the legal rates in force, of interest after a claim
// and of late payment, each checked twice: the lines of tarvel-calc and the
// statement a window shows must both give them.
#include "calc/number_texts.h"
#include "tests/cli/calc_run.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

// A row charged: its caption in tarvel-calc's lines, its days and its
// interest to the ten-thousandth.
struct ChargedRow {
    std::string caption;
    int days;
    std::string interest;
};

// What the calculation comes to.
struct Totals {
    const char* interest; // as SeeInteressi shows it
    const char* sum;      // as Label6 shows it
    int years;
    int days;
};

struct Example {
    const char* name;
    const char* arguments; // of tarvel-calc
    StatementRequest request;
    Totals totals;
    std::vector<ChargedRow> rows; // empty: not checked
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

class WorkedExample : public ScratchTest, public ::testing::WithParamInterface<Example> {};

TEST_P(WorkedExample, GivesTheSameInTarvelCalcAndInTheStatement)
{
    const Example& example = GetParam();
    const Totals& totals = example.totals;
    const CommandRun run = RunCommand(Calc(example.arguments), scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> charged;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (!line.ends_with(": ") && line.find(" dal ") != std::string::npos)
            charged.push_back(line);
    EXPECT_NE(run.out.find("\nSeeInteressi: " + std::string(totals.interest) + "\nLabel6: " + totals.sum + "\n"
                           + "Label8: anni  " + std::to_string(totals.years) + "\nLabel23:  giorni  "
                           + std::to_string(totals.days) + "\n"),
              std::string::npos)
        << run.out;

    const StatementOutcome outcome = MakeStatement(example.request);
    ASSERT_TRUE(outcome.statement) << outcome.faults.front().line();
    const Statement& statement = *outcome.statement;
    EXPECT_EQ(statement.interest, WithLeadingZero(totals.interest));
    EXPECT_EQ(statement.sum, totals.sum);
    EXPECT_EQ(statement.years, totals.years);
    EXPECT_EQ(statement.days, totals.days);
    ASSERT_EQ(statement.rows.size(), charged.size());
    if (example.rows.empty())
        return;
    ASSERT_EQ(statement.rows.size(), example.rows.size());
    for (std::size_t i = 0; i < example.rows.size(); ++i) {
        const ChargedRow& row = example.rows[i];
        EXPECT_EQ(charged[i], row.caption + ": " + row.interest);
        EXPECT_NE(row.caption.find(statement.rows[i].chargedRate + " dal "), std::string::npos) << row.caption;
        EXPECT_EQ(statement.rows[i].days, row.days) << row.caption;
        EXPECT_EQ(CurrencyText(statement.rows[i].interest), row.interest) << row.caption;
    }
}

const Example kExamples[] = {
    {"LatePayment",
     "--mora 10000 31/05/2024 28/02/2025",
     LatePaymentRequest("8", "10000", "31/05/2024", "28/02/2025"),
     {"900,51", "10.900,51", 0, 273},
     {{"mora 12,5% dal 01/01/2024", 30, "102,7397"},
      {"mora 12,25% dal 01/07/2024", 184, "617,5342"},
      {"mora 11,15% dal 01/01/2025", 59, "180,2329"}}},
    {"LatePaymentBefore2013",
     "--mora --maggiorazione 7 10000 31/05/2024 28/02/2025",
     LatePaymentRequest("7", "10000", "31/05/2024", "28/02/2025"),
     {"825,71", "10.825,71", 0, 273},
     {{"mora 11,5% dal 01/01/2024", 30, "94,5205"},
      {"mora 11,25% dal 01/07/2024", 184, "567,1233"},
      {"mora 10,15% dal 01/01/2025", 59, "164,0685"}}},
    {"TheFirstHalfYears",
     "--mora 5000 31/12/2012 31/12/2013",
     LatePaymentRequest("8", "5000", "31/12/2012", "31/12/2013"),
     {"431,20", "5.431,20", 1, 0},
     {{"mora 8,75% dal 01/01/2013", 181, "216,9521"}, {"mora 8,5% dal 01/07/2013", 184, "214,2466"}}},
    {"ClaimInTheSpan",
     "--domanda 15/05/2024 10000 31/03/2023 31/12/2025",
     ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2025"),
     {"2.312,26", "12.312,26", 2, 276},
     {{"5% dal 01/01/2023", 275, "376,7123"},
      {"2,5% dal 01/01/2024", 135, "92,4658"},
      {"mora 12,5% dal 01/01/2024", 47, "160,9589"},
      {"mora 12,25% dal 01/07/2024", 184, "617,5342"},
      {"mora 11,15% dal 01/01/2025", 181, "552,9178"},
      {"mora 10,15% dal 01/07/2025", 184, "511,6712"}}},
    {"ClaimAfterTheEnd",
     "--domanda=01/01/2027 10000 31/03/2023 31/12/2025",
     ClaimRequest("01/01/2027", "10000", "31/03/2023", "31/12/2025"),
     {"827,40", "10.827,40", 2, 276},
     {{"5% dal 01/01/2023", 275, "376,7123"},
      {"2,5% dal 01/01/2024", 366, "250,6849"},
      {"2% dal 01/01/2025", 365, "200"}}},
    {"ClaimBeforeTheStart",
     "10000 31/03/2023 31/12/2025 --domanda 01/01/2020",
     ClaimRequest("01/01/2020", "10000", "31/03/2023", "31/12/2025"),
     {"3.172,12", "13.172,12", 2, 276},
     {{"mora 10,5% dal 01/01/2023", 91, "261,7808"},
      {"mora 12% dal 01/07/2023", 184, "604,9315"},
      {"mora 12,5% dal 01/01/2024", 182, "623,2877"},
      {"mora 12,25% dal 01/07/2024", 184, "617,5342"},
      {"mora 11,15% dal 01/01/2025", 181, "552,9178"},
      {"mora 10,15% dal 01/07/2025", 184, "511,6712"}}},
    // The claim day itself is charged at the late-payment rate.
    {"ClaimOnTheLastDay",
     "--domanda 31/12/2025 10000 30/12/2025 31/12/2025",
     ClaimRequest("31/12/2025", "10000", "30/12/2025", "31/12/2025"),
     {"2,78", "10.002,78", 0, 1},
     {{"mora 10,15% dal 01/07/2025", 1, "2,7808"}}},
    {"LegalAcrossEightYears",
     "--tassi vigenti 25000 15/06/2018 08/12/2026",
     LegalRequest("25000", "15/06/2018", "08/12/2026"),
     {"3.319,93", "28.319,93", 8, 178},
     {{"0,3% dal 01/01/2018", 199, "40,8904"},
      {"0,8% dal 01/01/2019", 365, "200"},
      {"0,05% dal 01/01/2020", 366, "12,5342"},
      {"0,01% dal 01/01/2021", 365, "2,5"},
      {"1,25% dal 01/01/2022", 365, "312,5"},
      {"5% dal 01/01/2023", 365, "1250"},
      {"2,5% dal 01/01/2024", 366, "626,7123"},
      {"2% dal 01/01/2025", 365, "500"},
      {"1,6% dal 01/01/2026", 342, "374,7945"}}},
    {"LegalWithCents",
     "--tassi vigenti 3500,50 01/03/2021 30/11/2025",
     LegalRequest("3500,50", "01/03/2021", "30/11/2025"),
     {"370,89", "3.871,39", 4, 275},
     {}},
    {"LegalToTheFirstDayOf2015",
     "--tassi vigenti 10000 01/01/2000 01/01/2015",
     LegalRequest("10000", "01/01/2000", "01/01/2015"),
     {"3.652,33", "13.652,33", 15, 4},
     {}},
    {"LegalTo2014",
     "--tassi vigenti 10000 01/01/2000 31/12/2014",
     LegalRequest("10000", "01/01/2000", "31/12/2014"),
     {"3.652,19", "13.652,19", 15, 3},
     {}},
    {"BelowOneEuro",
     "--tassi vigenti 1000 01/01/2020 01/02/2020",
     LegalRequest("1000", "01/01/2020", "01/02/2020"),
     {",04", "1.000,04", 0, 31},
     {{"0,05% dal 01/01/2020", 31, "0,0425"}}},
};

INSTANTIATE_TEST_SUITE_P(Regimes, WorkedExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvel::testing
