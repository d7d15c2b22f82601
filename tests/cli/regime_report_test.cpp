// The report of a calculation after a claim, read back from tarvel-calc's
// PDF: the regime under the title, the legal rows and the late-payment rows
// as reference plus margin, both tables at the foot.
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

using RegimeReport = ScratchTest;

TEST_F(RegimeReport, NamesTheRegimeEachRatesMakingAndTheTablesUsed)
{
    const std::string pdf = (scratch / "prospetto.pdf").string();
    const CommandRun run =
        RunCommand(Calc("--domanda 15/05/2024 10000 31/03/2023 31/12/2025 --pdf '" + pdf + "'"), scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto pages = ReadPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);

    const RatesReportTexts texts = RatesReportOf(ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2025"));
    ASSERT_EQ(texts.rows.size(), 6u);
    EXPECT_EQ(texts.regime, "dalla domanda giudiziale del 15/05/2024 al tasso di mora, art. 1284, 4° comma c.c.");
    EXPECT_EQ(texts.rows[1].rate + " | " + texts.rows[2].rate, "2,5% | 4,5% + 8");
    EXPECT_EQ(texts.tables,
              (std::vector<std::string>{
                  "Tassi legali in vigore, ultimo atto: D.M. 10/12/2025",
                  "Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026"}));
    ExpectLayout(pages[0], RatesReportLayout(texts), 0.5);

    // The page of late payment names its margin; below one euro every amount
    // has its leading zero.
    EXPECT_EQ(RatesReportOf(LatePaymentRequest("7", "10000", "31/05/2024", "28/02/2025")).regime,
              "interessi di mora, D.Lgs. 231/2002, maggiorazione 7 punti");
    EXPECT_EQ(RatesInForceReportAfter("1000", "31/12/2019", "31/12/2021").totalInterest, "0,60");
}

} // namespace
} // namespace tarvel::testing
