// tarvel-calc --tasso and --capitalizzazione as a shell runs them: what
// reaches the statement and the lines, the faults, and the batch, whose fast
// path must give each row what the single run's statement gives. The figures
// themselves are the calculation's, checked with it.
#include "tests/cli/calc_run.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

const std::string kLaw = "La capitalizzazione degli interessi è lecita solo dove la legge o un accordo la consentono "
                         "(art. 1283 c.c.).\n";

TEST_F(TarvelCalcRun, ChargesAContractsRateAndCompounds)
{
    const std::string rows = "capitale;dal;al\n1000;01/01/2020;01/01/2021\nx;01/01/2020;01/01/2021\n";
    const RunCase cases[] = {
        {"a contract's rate, in the lines", "--tasso 4,75 1000 01/01/2020 01/01/2021", "", 0,
         "importo: 1.000,00\n4,75% convenzionale: ", ""},
        {"the statement of a table file", "--capitalizzazione annuale --tassi tassi.csv 1000 01/01/2020 31/12/2021", "",
         0, "Interessi legali\nCapitale: 1.000,00\n", ""},
        {"its lines", "--capitalizzazione annuale --tassi tassi.csv 1000 01/01/2020 31/12/2021", "", 0,
         "\nTabella: Tassi dal file tassi.csv\n" + kLaw + "Interessi: ", ""},
        // The rates in force, not the program's 1 % on every day from 2014.
        {"the rates in force", "--capitalizzazione semestrale 1000 01/01/2020 01/01/2022", "", 0,
         "\nTabella: Tassi legali in vigore, ultimo atto: ", ""},
        {"a contract's rate compounded", "--tasso 4,75 --capitalizzazione trimestrale 1000 01/01/2020 01/01/2022", "",
         0, "Interessi convenzionali al 4,75%\nCapitale: 1.000,00\n", ""},
        {"from a claim", "--domanda 15/05/2024 --capitalizzazione annuale 1000 01/01/2024 01/01/2025", "", 0,
         "Dalla domanda giudiziale del 15/05/2024 al tasso di mora", ""},
        {"from a day", "--capitalizzazione annuale --capitalizzazione-dal=15/05/2020 1000 01/01/2020 01/01/2022", "", 0,
         "Capitalizzazione annuale dal 15/05/2020\n", ""},
        {"a day outside the span", "--capitalizzazione annuale --capitalizzazione-dal 31/12/2019 1 1/1/2020 1/1/2021",
         "", 1, "", "tarvel-calc: CAPITALIZZAZIONE DAL: il 31/12/2019 non è tra DAL 01/01/2020 e AL 01/01/2021\n"},
        {"a day that is none", "--capitalizzazione annuale --capitalizzazione-dal 31/02/2020 1 1/1/2020 1/1/2021", "",
         1, "", "tarvel-calc: CAPITALIZZAZIONE DAL: "},
        {"a negative capital", "--capitalizzazione annuale -- -1000 01/01/2020 01/01/2021", "", 1, "",
         "tarvel-calc: CAPITALE: "},
        {"the report", "--capitalizzazione annuale 1000 01/01/2020 01/01/2021 --pdf -", "", 0, "%PDF-", ""},
        // A batch: the columns, a failed row's empty fields.
        {"a batch", "--csv --capitalizzazione trimestrale --tassi tassi.csv", rows, 1,
         "capitale;dal;al;esito;interessi;totale dovuto\n1000;01/01/2020;01/01/2021;ok;",
         "tarvel-calc: riga 3: CAPITALE: importo non valido: \"x\"\n"},
        {"a batch's failed row", "--csv righe.csv --capitalizzazione trimestrale", rows, 1,
         "\nx;01/01/2020;01/01/2021;errore;;\n", "tarvel-calc: riga 3: "},
        {"a batch's claim column", "--csv --capitalizzazione annuale",
         "capitale;dal;al;domanda\n1000;01/01/2024;01/01/2025;15/05/2024\n", 0,
         "capitale;dal;al;domanda;esito;interessi;totale dovuto\n1000;01/01/2024;01/01/2025;15/05/2024;ok;", ""},
        {"a batch's day outside a row", "--csv --capitalizzazione annuale --capitalizzazione-dal 15/05/2020", rows, 1,
         "\n1000;01/01/2020;01/01/2021;ok;", "tarvel-calc: riga 3: CAPITALE: importo non valido: \"x\"\n"},
        {"a batch's day outside a row", "--csv --capitalizzazione annuale --capitalizzazione-dal 15/05/2021",
         "1000;01/01/2020;01/01/2021\n", 1, "\n1000;01/01/2020;01/01/2021;errore;;\n",
         "tarvel-calc: riga 1: CAPITALIZZAZIONE DAL: il 15/05/2021 non è tra DAL 01/01/2020 e AL 01/01/2021\n"},
        {"a batch's day that is none", "--csv --capitalizzazione annuale --capitalizzazione-dal 31/02/2020", rows, 2,
         "", "tarvel-calc: CAPITALIZZAZIONE DAL: data non valida: \"31/02/2020\"\n"},
        {"a batch's negative capital", "--csv --capitalizzazione annuale", "-1000;01/01/2020;01/01/2021\n", 1,
         "\n-1000;01/01/2020;01/01/2021;errore;;\n", "tarvel-calc: riga 1: CAPITALE: "},
        {"a batch at a contract's rate", "--csv --tasso 4,75", rows, 1,
         "capitale;dal;al;esito;interessi;somma;anni;giorni;4,75% convenzionale\n", "tarvel-calc: riga 3: "},
        {"a contract's rate and a claim column", "--csv --tasso 4,75", "capitale;dal;al;domanda\n", 2, "",
         "tarvel-calc: la colonna domanda non va con --tasso\n"},
        {"a contract's rate and reference rates", "--csv --tasso 4,75 --tassi-mora tassi.csv", rows, 2, "",
         "tarvel-calc: --tassi-mora va con --mora"},
    };
    for (const RunCase& row : cases)
        Check(row);
}

// The batch's figures, row by row, against the single run's statement: its
// interest and total due, or the same faults. Spans of all lengths from 1990
// to 2026, some starting or ending on a period's end, some reversed, one
// whose compounded interest alone leaves the limits; rows compounded
// together, and with a claim column in runs of the same claim.
struct AgainstStatement {
    const char* options;
    Regime regime;
    const char* own; // the claim, the margin, the contract's rate
    CompoundingPeriod period;
    const char* from;
    bool claimColumn = false; // each row its claim, or none
};

class BatchAgainstStatement : public TarvelCalcRun, public ::testing::WithParamInterface<AgainstStatement> {};

std::string dateText(int day, int month, int year)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
    return text;
}

std::string plain(std::string amount)
{
    amount.erase(std::remove(amount.begin(), amount.end(), '.'), amount.end());
    return amount;
}

TEST_P(BatchAgainstStatement, GivesEachRowTheStatementsFigures)
{
    const AgainstStatement& asked = GetParam();
    std::uint32_t seed = 20261215;
    const auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(below));
    };
    std::vector<std::vector<std::string>> rows = {
        {"1000", "31/12/2019", "31/12/2021", ""},
        {"1000", "30/06/2020", "30/09/2020", ""},
        {"1000", "15/05/2020", "15/05/2020", ""},
        {"1000", "01/01/2021", "01/01/2020", ""},
        {"0", "01/01/2015", "01/01/2025", ""},
        {"-50", "01/01/2015", "01/01/2025", ""},
        {"630000000000000", "01/01/2014", "01/01/2024", ""},
    };
    std::string claim;
    for (int i = 0; i < 300; ++i) {
        const int year = 1990 + next(36);
        if (next(4) == 0)
            claim = next(3) == 0 ? "" : dateText(1 + next(30), 1 + next(12), 2014 + next(12));
        rows.push_back({std::to_string(next(200000)) + "," + std::to_string(10 + next(90)),
                        dateText(1 + next(28), 1 + next(12), year),
                        dateText(1 + next(28), 1 + next(12), std::min(2026, year + next(13))), claim});
    }
    const std::string columns = asked.claimColumn ? "capitale;dal;al;domanda" : "capitale;dal;al";
    const auto echo = [&asked](const std::vector<std::string>& row) {
        return row[0] + ";" + row[1] + ";" + row[2] + (asked.claimColumn ? ";" + row[3] : "");
    };
    std::string file = columns + "\n";
    for (const auto& row : rows)
        file += echo(row) + "\n";
    const CommandRun run = Run(std::string("--csv ") + asked.options, file);
    std::istringstream out(run.out);
    std::string line;
    std::getline(out, line);
    EXPECT_EQ(line, columns + ";esito;interessi;totale dovuto");
    std::string expectedErrors;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const bool claimed = asked.claimColumn && !row[3].empty();
        StatementRequest request = claimed ? ClaimRequest(row[3], row[0], row[1], row[2])
                                           : RequestInForce(asked.regime, asked.own, row[0], row[1], row[2]);
        if (asked.regime == Regime::Contract)
            request.contractRate = asked.own;
        const StatementOutcome outcome = MakeStatement(Compounded(request, asked.period, asked.from));
        std::string expected = echo(row);
        if (outcome.statement)
            expected += ";ok;" + plain(outcome.statement->interest) + ";" + plain(outcome.statement->sum);
        else
            expected += ";errore;;";
        for (const FieldFault& fault : outcome.faults)
            expectedErrors += "tarvel-calc: riga " + std::to_string(i + 2) + ": " + fault.line() + "\n";
        ASSERT_TRUE(std::getline(out, line));
        EXPECT_EQ(line, expected);
    }
    // Each note once, after the rows' faults that came before it.
    std::string errors;
    std::istringstream errorLines(run.err);
    while (std::getline(errorLines, line))
        if (!line.starts_with("tarvel-calc: nota: "))
            errors += line + "\n";
    EXPECT_EQ(errors, expectedErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, BatchAgainstStatement,
    ::testing::Values(
        AgainstStatement{"--capitalizzazione annuale", Regime::Legal, "", CompoundingPeriod::Year, ""},
        AgainstStatement{"--tassi vigenti --capitalizzazione trimestrale --capitalizzazione-dal 15/05/2020",
                         Regime::Legal, "", CompoundingPeriod::Quarter, "15/05/2020"},
        AgainstStatement{"--tasso 4,125 --capitalizzazione semestrale", Regime::Contract, "4,125",
                         CompoundingPeriod::HalfYear, ""},
        AgainstStatement{"--mora --maggiorazione 7 --capitalizzazione trimestrale", Regime::LatePayment, "7",
                         CompoundingPeriod::Quarter, ""},
        AgainstStatement{"--domanda 15/05/2020 --capitalizzazione annuale --capitalizzazione-dal 15/05/2020",
                         Regime::LegalWithClaim, "15/05/2020", CompoundingPeriod::Year, "15/05/2020"},
        AgainstStatement{"--capitalizzazione trimestrale", Regime::Legal, "", CompoundingPeriod::Quarter, "", true}));

} // namespace
} // namespace tarvel::testing
