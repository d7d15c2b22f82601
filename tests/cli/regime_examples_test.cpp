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

// What the calculation comes to.
struct Totals {
    const char* interest; // as SeeInteressi shows it
    const char* sum;      // as Label6 shows it
    int years;
    int days;
};

struct Example {
    const char* name;
    StatementRequest request; // tarvel-calc is asked the same
    Totals totals;
    std::vector<std::string> rows; // tarvel-calc's line of each row charged; empty: not checked
    // Whether the statement says why its rows, each to the cent, miss the total.
    bool roundingNote = false;
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

// tarvel-calc's arguments for the calculation of `request`.
std::string ArgumentsOf(const StatementRequest& request)
{
    std::string regime = "--tassi vigenti";
    if (request.regime == Regime::LegalWithClaim)
        regime = "--domanda " + request.claimDate;
    if (request.regime == Regime::LatePayment)
        regime = request.margin == "8" ? "--mora" : "--mora --maggiorazione " + request.margin;
    return regime + " " + request.capital + " " + request.start + " " + request.end;
}

// A claim on `claim` for 10.000 euro from 31/03/2023 to 31/12/2025: `rows`,
// then `later`, by default the late-payment rows from July 2024 on.
Example claimOn(const char* name, const char* claim, Totals totals, std::vector<std::string> rows,
                const std::vector<std::string>& later = {"mora 12,25% dal 01/07/2024: 617,5342",
                                                         "mora 11,15% dal 01/01/2025: 552,9178",
                                                         "mora 10,15% dal 01/07/2025: 511,6712"},
                bool roundingNote = false)
{
    rows.insert(rows.end(), later.begin(), later.end());
    return {name, ClaimRequest(claim, "10000", "31/03/2023", "31/12/2025"), totals, std::move(rows), roundingNote};
}

class WorkedExample : public ScratchTest, public ::testing::WithParamInterface<Example> {};

TEST_P(WorkedExample, GivesTheSameInTarvelCalcAndInTheStatement)
{
    const auto& [name, request, totals, rows, roundingNote] = GetParam();
    const CommandRun run = RunCommand(Calc(ArgumentsOf(request)), scratch);
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
    if (!rows.empty()) {
        EXPECT_EQ(charged, rows);
    }

    const StatementOutcome outcome = MakeStatement(request);
    ASSERT_TRUE(outcome.statement) << outcome.faults.front().line();
    const Statement& statement = *outcome.statement;
    EXPECT_EQ(statement.interest, WithLeadingZero(totals.interest));
    EXPECT_EQ(statement.sum, totals.sum);
    EXPECT_EQ(statement.years, totals.years);
    EXPECT_EQ(statement.days, totals.days);
    EXPECT_EQ(!statement.roundingNote.empty(), roundingNote);
    ASSERT_EQ(statement.rows.size(), charged.size());
    for (std::size_t i = 0; i < charged.size(); ++i) {
        const StatementLine& row = statement.rows[i];
        const std::string rate = RateThousandthsText(row.rate.thousandths) + "%";
        EXPECT_TRUE(charged[i].starts_with((row.rate.latePayment ? "mora " : "") + rate + " dal "))
            << charged[i] << " against " << rate;
        EXPECT_TRUE(charged[i].ends_with(": " + CurrencyText(row.interest))) << charged[i];
    }
}

const Example kExamples[] = {
    {"LatePayment",
     LatePaymentRequest("8", "10000", "31/05/2024", "28/02/2025"),
     {"900,51", "10.900,51", 0, 273},
     {"mora 12,5% dal 01/01/2024: 102,7397", "mora 12,25% dal 01/07/2024: 617,5342",
      "mora 11,15% dal 01/01/2025: 180,2329"},
     true}, // the rows come to 900,50
    {"LatePaymentBefore2013",
     LatePaymentRequest("7", "10000", "31/05/2024", "28/02/2025"),
     {"825,71", "10.825,71", 0, 273},
     {"mora 11,5% dal 01/01/2024: 94,5205", "mora 11,25% dal 01/07/2024: 567,1233",
      "mora 10,15% dal 01/01/2025: 164,0685"}},
    {"TheFirstHalfYears",
     LatePaymentRequest("8", "5000", "31/12/2012", "31/12/2013"),
     {"431,20", "5.431,20", 1, 0},
     {"mora 8,75% dal 01/01/2013: 216,9521", "mora 8,5% dal 01/07/2013: 214,2466"}},
    claimOn("ClaimInTheSpan", "15/05/2024", {"2.312,26", "12.312,26", 2, 276},
            {"5% dal 01/01/2023: 376,7123", "2,5% dal 01/01/2024: 92,4658", "mora 12,5% dal 01/01/2024: 160,9589"}),
    claimOn("ClaimAfterTheEnd", "01/01/2027", {"827,40", "10.827,40", 2, 276},
            {"5% dal 01/01/2023: 376,7123", "2,5% dal 01/01/2024: 250,6849", "2% dal 01/01/2025: 200"}, {}, true),
    claimOn("ClaimBeforeTheStart", "01/01/2020", {"3.172,12", "13.172,12", 2, 276},
            {"mora 10,5% dal 01/01/2023: 261,7808", "mora 12% dal 01/07/2023: 604,9315",
             "mora 12,5% dal 01/01/2024: 623,2877"}),
    // The claim day itself is charged at the late-payment rate.
    {"ClaimOnTheLastDay",
     ClaimRequest("31/12/2025", "10000", "30/12/2025", "31/12/2025"),
     {"2,78", "10.002,78", 0, 1},
     {"mora 10,15% dal 01/07/2025: 2,7808"}},
    {"LegalAcrossEightYears",
     LegalRequest("25000", "15/06/2018", "08/12/2026"),
     {"3.319,93", "28.319,93", 8, 178},
     {"0,3% dal 01/01/2018: 40,8904", "0,8% dal 01/01/2019: 200", "0,05% dal 01/01/2020: 12,5342",
      "0,01% dal 01/01/2021: 2,5", "1,25% dal 01/01/2022: 312,5", "5% dal 01/01/2023: 1250",
      "2,5% dal 01/01/2024: 626,7123", "2% dal 01/01/2025: 500", "1,6% dal 01/01/2026: 374,7945"},
     true}, // the rows come to 3.319,92
    {"LegalWithCents", LegalRequest("3500,50", "01/03/2021", "30/11/2025"), {"370,89", "3.871,39", 4, 275}, {}},
    {"LegalToTheFirstDayOf2015",
     LegalRequest("10000", "01/01/2000", "01/01/2015"),
     {"3.652,33", "13.652,33", 15, 4},
     {},
     true},
    {"LegalTo2014", LegalRequest("10000", "01/01/2000", "31/12/2014"), {"3.652,19", "13.652,19", 15, 3}, {}, true},
    {"BelowOneEuro",
     LegalRequest("1000", "01/01/2020", "01/02/2020"),
     {",04", "1.000,04", 0, 31},
     {"0,05% dal 01/01/2020: 0,0425"}},
};

INSTANTIATE_TEST_SUITE_P(Regimes, WorkedExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvel::testing
