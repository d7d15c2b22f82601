// A ledger's pages, read back from tarvel-calc --movimenti --pdf: the heading
// and the column heads on every page, "pagina N di M" at each foot, every line
// of the statement once, the totals only under the last row.
#include "calc/date_text.h"
#include "tests/cli/calc_run.h"
#include "tests/print/pdf_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

constexpr char kHeads[] = "data al movimento capitale giorni tasso interessi a interessi a capitale atto";

// Whether `line` starts with a day, as a row of the table does.
bool StartsWithDay(const std::string& line) { return line.size() >= 10 && ParseDate(line.substr(0, 10)); }

// `count` movements 20 days apart from 15/01/2020, credits and payments in turn.
std::string AlternatingMovements(int count)
{
    std::string rows;
    const Date first = *ParseDate("15/01/2020");
    for (int i = 0; i < count; ++i)
        rows += DateText(first.plusDays(20 * i))
                + (i % 2 == 0 ? ";credito;" + std::to_string(1000 + 10 * i) + ",00;fattura "
                              : std::string(";pagamento;500,00;bonifico "))
                + std::to_string(i + 1) + "\n";
    return rows;
}

struct LedgerPages {
    const char* name;
    std::string rows;
    const char* end;
    const char* title;
    std::size_t fewestPages;
    std::size_t mostPages;
    const char* row; // a row of the table as the page reads it; "" for none
};

using LedgerReport = ScratchTest;

TEST_F(LedgerReport, RepeatsTheHeadingNumbersThePagesAndTotalsTheLast)
{
    const LedgerPages cases[] = {
        {"the first worked example, on one page",
         "01/01/2025;credito;10.000,00;fattura 1\n01/07/2025;pagamento;3.000,00;bonifico\n", "31/12/2025",
         "Conto del debito: interessi legali", 1, 1, "02/01/2025 01/07/2025 10.000,00 181 2% 99,18 D.M. 10/12/2024"},
        {"fifty movements, on at most three pages", AlternatingMovements(50), "31/12/2025",
         "Conto del debito: interessi legali", 1, 3, "21/09/2022 pagamento 500,00 bonifico 50 18.644,41 25,18 474,82"},
        {"eighty movements", AlternatingMovements(80), "31/12/2025", "Conto del debito: interessi legali", 3, 20, ""},
    };
    for (const LedgerPages& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path csv = scratch / "movimenti.csv";
        std::ofstream(csv, std::ios::binary) << "data;tipo;importo;descrizione\n" << c.rows;
        const std::string pdf = (scratch / "conto.pdf").string();
        const CommandRun run =
            RunCommand(Calc("--movimenti '" + csv.string() + "' " + c.end + " --pdf '" + pdf + "'"), scratch);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto pages = ReadPdfWords(pdf);
        ASSERT_GE(pages.size(), c.fewestPages);
        ASSERT_LE(pages.size(), c.mostPages);

        // The statement's movements and spans, and its total, as tarvel-calc wrote them.
        std::size_t statementRows = 0;
        std::string total;
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);) {
            statementRows += StartsWithDay(line) || line.starts_with("dal ");
            if (line.starts_with("Totale dovuto al "))
                total = line.erase(line.find(':'), 1);
        }

        std::size_t tableRows = 0;
        bool rowFound = false;
        for (std::size_t n = 0; n < pages.size(); ++n) {
            SCOPED_TRACE("pagina " + std::to_string(n + 1));
            const std::vector<std::string> lines = PageLines(pages[n]);
            ASSERT_FALSE(lines.empty());
            // Lying, a line for each row, nothing over anything.
            EXPECT_GT(pages[n].widthMm, pages[n].heightMm);
            EXPECT_EQ(Collisions(pages[n]), std::vector<std::string>{});
            EXPECT_EQ(lines.front(), c.title);
            EXPECT_NE(std::find(lines.begin(), lines.end(), std::string("Conto al ") + c.end), lines.end());
            EXPECT_NE(std::find(lines.begin(), lines.end(), kHeads), lines.end());
            // On the last page the day of the calculation stands at its left.
            const std::string pageNumber = "pagina " + std::to_string(n + 1) + " di " + std::to_string(pages.size());
            EXPECT_TRUE(lines.back() == pageNumber || lines.back().ends_with(" " + pageNumber)) << lines.back();
            const bool last = n + 1 == pages.size();
            EXPECT_EQ(std::find(lines.begin(), lines.end(), total) != lines.end(), last) << total;
            EXPECT_EQ(std::any_of(lines.begin(), lines.end(),
                                  [](const std::string& line) { return line.starts_with("Capitale residuo "); }),
                      last);
            tableRows += std::count_if(lines.begin(), lines.end(), StartsWithDay);
            rowFound = rowFound || std::find(lines.begin(), lines.end(), c.row) != lines.end();
        }
        EXPECT_EQ(tableRows, statementRows);
        EXPECT_TRUE(!*c.row || rowFound) << c.row;
    }
}

} // namespace
} // namespace tarvel::testing
