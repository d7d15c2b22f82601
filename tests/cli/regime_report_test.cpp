// The report of a calculation with the rates in force, after a claim and for
// late payment, read back from tarvel-calc's PDF.
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

struct RegimePage {
    const char* name;
    const char* arguments;
    StatementRequest request; // the same calculation
    const char* regime;       // the line under the title
    const char* rate;         // the rate of the first row
    const char* interest;     // the total, "Totale Interessi"
    std::vector<std::string> tables;
};

void PrintTo(const RegimePage& page, std::ostream* out) { *out << page.name; }

const std::string kLegal = "Tassi legali in vigore, ultimo atto: D.M. 10/12/2025";
const std::string kReference =
    "Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026";

class RegimeReport : public ScratchTest, public ::testing::WithParamInterface<RegimePage> {};

TEST_P(RegimeReport, NamesTheRegimeEachRatesMakingAndTheTablesUsed)
{
    const RegimePage& page = GetParam();
    const std::string pdf = (scratch / "prospetto.pdf").string();
    const CommandRun run = RunCommand(Calc(std::string(page.arguments) + " --pdf '" + pdf + "'"), scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto pages = ReadPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);

    const RatesReportTexts texts = RatesReportOf(page.request);
    ASSERT_FALSE(texts.rows.empty());
    EXPECT_EQ(texts.regime, page.regime);
    EXPECT_EQ(texts.rows.front().rate, page.rate);
    EXPECT_EQ(texts.totalInterest, page.interest);
    EXPECT_EQ(texts.tables, page.tables);
    ExpectLayout(pages[0], RatesReportLayout(texts), 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, RegimeReport,
    ::testing::Values(RegimePage{"Claim",
                                 "--domanda 15/05/2024 10000 31/03/2023 31/12/2025",
                                 ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2025"),
                                 "dalla domanda giudiziale del 15/05/2024 al tasso di mora, art. 1284, 4° comma c.c.",
                                 "5%",
                                 "2.312,26",
                                 {kLegal, kReference}},
                      RegimePage{"LatePayment",
                                 "--mora --maggiorazione 7 10000 31/05/2024 28/02/2025",
                                 LatePaymentRequest("7", "10000", "31/05/2024", "28/02/2025"),
                                 "interessi di mora, D.Lgs. 231/2002, maggiorazione 7 punti",
                                 "4,5% + 7",
                                 "825,71",
                                 {kReference}},
                      // Below one euro every amount has its leading zero.
                      RegimePage{"BelowOneEuro",
                                 "--tassi vigenti 1000 31/12/2019 31/12/2021",
                                 LegalRequest("1000", "31/12/2019", "31/12/2021"),
                                 "",
                                 "0,05%",
                                 "0,60",
                                 {kLegal}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvel::testing
