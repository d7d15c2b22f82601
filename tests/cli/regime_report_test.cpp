// One page of each regime, read back from tarvel-calc's PDF: the title naming
// the regime, the act beside each rate, the note on the days past the last
// rate known, the total named for the regime and the day of the calculation,
// every text where the layout puts it.
#include "calc/date_text.h"
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using RegimeReport = ScratchTest;

TEST_F(RegimeReport, NamesTheRegimeTheActsTheNoteTheTotalAndTheDay)
{
    const struct {
        const char* name;
        const char* arguments;
        StatementRequest request;
        const char* title;
        const char* row;  // a row of the table, its act last
        const char* note; // the first line of the note; "" when the rates known cover the span
        const char* total;
    } cases[] = {
        {"legal interest past the last decree", "--tassi vigenti 10000 01/01/2026 30/06/2027",
         LegalRequest("10000", "01/01/2026", "30/06/2027"), "Interessi legali",
         "02/01/2026 30/06/2027 10.000,00 545 1,6% 238,90 D.M. 10/12/2025",
         "Nota: i giorni dopo il 31/12/2026 sono calcolati all'ultimo tasso noto (1,6% dal 01/01/2026)",
         "Interessi legali 238,90"},
        {"after a claim, past the last reference rate", "--domanda 15/05/2024 10000 31/03/2023 31/12/2026",
         ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2026"),
         "Interessi legali e di mora dalla domanda giudiziale del 15/05/2024",
         "15/05/2024 30/06/2024 10.000,00 47 12,5% (4,5% + 8) 160,96 G.U. n. 12 del 16/01/2024",
         "Nota: i giorni dopo il 30/06/2026 sono calcolati all'ultimo tasso di riferimento noto (2,15% dal "
         "01/01/2026)",
         "Interessi legali e di mora 3.327,26"},
        {"late payment", "--mora --maggiorazione 7 10000 31/05/2024 28/02/2025",
         LatePaymentRequest("7", "10000", "31/05/2024", "28/02/2025"), "Interessi di mora, D.Lgs. 231/2002",
         "01/07/2024 31/12/2024 10.000,00 184 11,25% (4,25% + 7) 567,12 G.U. n. 176 del 29/07/2024", "",
         "Interessi di mora 825,71"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string pdf = (scratch / "prospetto.pdf").string();
        const CommandRun run = RunCommand(Calc(std::string(c.arguments) + " --pdf '" + pdf + "'"), scratch);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto pages = ReadPdfWords(pdf);
        ASSERT_EQ(pages.size(), 1u);
        const std::vector<std::string> lines = PageLines(pages[0]);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.title);
        EXPECT_TRUE(Has(lines, c.row)) << c.row;
        EXPECT_EQ(
            std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Nota:"); }),
            *c.note ? 1 : 0);
        if (*c.note) {
            EXPECT_TRUE(Has(lines, c.note)) << c.note;
        }
        EXPECT_TRUE(Has(lines, c.total)) << c.total;
        EXPECT_EQ(lines.back(), "Calcolo del " + DateText(LocalToday()));
        ExpectLayout(pages[0], RatesReportLayout(RatesReportOf(c.request)), 0.5);
        EXPECT_EQ(Collisions(pages[0]), std::vector<std::string>{});
    }
}

} // namespace
} // namespace tarvel::testing
