// A debt's ledger: the worked examples through the calculation and through
// tarvel-calc --movimenti, and the files and arguments it refuses.
#include "calc/date_text.h"
#include "calc/ledger.h"
#include "calc/number_texts.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "runtime/rate_table_file.h"
#include "tests/cli/calc_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

constexpr char kHeader[] = "data;tipo;importo;descrizione\n";

// Writes `rows` after the header into the scratch folder; its path, quoted for the shell.
std::string LedgerFile(const fs::path& scratch, const std::string& rows, const char* header = kHeader,
                       const char* name = "movimenti.csv")
{
    const fs::path file = scratch / name;
    std::ofstream(file, std::ios::binary) << header << rows;
    return "'" + file.string() + "'";
}

struct Example {
    const char* name;
    const char* rows;    // the file's rows, "data;tipo;importo;descrizione" each
    const char* end;     // AL
    const char* options; // as tarvel-calc takes them
    // The amounts of the totals; no compensation line when it is empty.
    const char* residual;
    const char* interest;
    const char* compensation;
    const char* due;
    const char* surplus = ""; // none shown when empty
    // Whether a line says why the span rows do not add up to the interest charged.
    bool roundingNote = false;
    const char* rates = ""; // the rows of a --tassi file after its header; none when empty
};

// The lines of the totals `example` ends with.
std::vector<std::string> TotalsOf(const Example& example)
{
    std::vector<std::string> totals{std::string("Capitale residuo: ") + example.residual,
                                    std::string("Interessi: ") + example.interest};
    if (*example.compensation)
        totals.push_back(std::string("Indennizzo (art. 6 D.Lgs. 231/2002): ") + example.compensation);
    if (*example.surplus)
        totals.push_back(std::string("Eccedenza a favore del debitore: ") + example.surplus);
    totals.push_back(std::string("Totale dovuto al ") + example.end + ": " + example.due);
    return totals;
}

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

// The request tarvel-calc makes of `example`, on the tables in force or on `legal`.
LedgerRequest RequestOf(const Example& example, const RateTable* legal)
{
    LedgerRequest request;
    std::istringstream rows(example.rows);
    for (std::string row; std::getline(rows, row);) {
        Movement movement;
        movement.day = *ParseDate(row.substr(0, 10));
        movement.kind = row.find(";credito;") != std::string::npos ? Movement::Kind::Credit : Movement::Kind::Payment;
        const std::size_t amount = row.find(';', 11) + 1;
        const std::size_t description = row.find(';', amount);
        movement.amount = *ParseCurrency(row.substr(amount, description - amount));
        movement.description = row.substr(description + 1);
        request.movements.push_back(movement);
    }
    const std::string options = example.options;
    request.end = *ParseDate(example.end);
    request.legalRates = legal ? legal : &RatesInForce();
    request.referenceRates = &ReferenceRates();
    if (options.find("--mora") != std::string::npos)
        request.regime = Regime::LatePayment;
    if (const std::size_t claim = options.find("--domanda "); claim != std::string::npos) {
        request.regime = Regime::LegalWithClaim;
        request.claim = ParseDate(options.substr(claim + 10, 10));
    }
    request.capitalFirst = options.find("--imputazione capitale") != std::string::npos;
    request.compensation = options.find("--indennizzo") != std::string::npos;
    return request;
}

class WorkedLedger : public ScratchTest, public ::testing::WithParamInterface<Example> {};

TEST_P(WorkedLedger, GivesTheSameInTarvelCalcAndInTheCalculation)
{
    const Example& example = GetParam();
    std::string options = example.options;
    std::optional<RateTable> legal;
    if (*example.rates) {
        const std::string table = LedgerFile(scratch, example.rates, "dal;tasso;atto\n", "tassi.csv");
        options += " --tassi " + table;
        std::ostringstream errors;
        legal = ReadRateTableFile((scratch / "tassi.csv").string(), errors);
        ASSERT_TRUE(legal) << errors.str();
    }
    const LedgerOutcome outcome = ComputeLedger(RequestOf(example, legal ? &*legal : nullptr));
    ASSERT_TRUE(outcome.ledger) << outcome.fault->reason;
    EXPECT_EQ(LedgerTotalLines(*outcome.ledger), TotalsOf(example));
    EXPECT_EQ(!outcome.ledger->roundingNote.empty(), example.roundingNote);

    const CommandRun run = RunCommand(
        Calc("--movimenti " + LedgerFile(scratch, example.rows) + " " + options + " " + example.end), scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, LedgerText(*outcome.ledger));
    std::string totals;
    for (const std::string& line : TotalsOf(example))
        totals += line + '\n';
    EXPECT_TRUE(run.out.ends_with(totals)) << run.out;
}

// The movements of the examples.
constexpr char kOnePayment[] = "01/01/2025;credito;10.000,00;fattura 1\n01/07/2025;pagamento;3000;bonifico\n";
constexpr char kPartPayment[] = "30/06/2025;credito;10000;\n30/09/2025;pagamento;4000;\n";
constexpr char kTwoCredits[] = "31/03/2025;credito;5000;\n31/08/2025;credito;3000;\n";
constexpr char kAcrossRates[] =
    "15/03/2022;credito;12000;\n30/09/2023;credito;8000;\n31/12/2023;pagamento;2000;\n30/06/2024;pagamento;5000;\n";
constexpr char kUnpaidInterest[] = "01/01/2023;credito;10000;\n31/12/2023;pagamento;300;\n";
constexpr char kSurplus[] = "01/01/2024;credito;1000;\n01/07/2024;pagamento;1100;\n01/10/2024;credito;500;\n";

const Example kExamples[] = {
    {"OnePayment", kOnePayment, "31/12/2025", "", "7.099,18", "71,19", "", "7.170,37"},
    {"LatePayment", kPartPayment, "31/12/2025", "--mora", "6.255,84", "160,05", "", "6.415,89"},
    {"LatePaymentToCapitalFirst", kPartPayment, "31/12/2025", "--mora --imputazione capitale", "6.000,00", "409,34", "",
     "6.409,34"},
    {"Compensation", kTwoCredits, "31/12/2025", "--mora --indennizzo", "8.000,00", "496,61", "80,00", "8.576,61"},
    {"ClaimAcrossRates", kAcrossRates, "30/11/2025", "--domanda 15/05/2024", "14.297,37", "2.281,74", "", "16.579,11",
     "", true},
    {"LegalAcrossRates", kAcrossRates, "30/11/2025", "", "14.055,02", "434,36", "", "14.489,38"},
    {"UnpaidInterestCarried", kUnpaidInterest, "31/12/2024", "", "10.000,00", "449,31", "", "10.449,31"},
    {"SurplusSetAgainstTheNextCredit", kSurplus, "31/12/2024", "", "412,47", "2,57", "", "415,04"},
    {"SurplusLeftOver", "01/01/2024;credito;1000;\n01/01/2024;pagamento;1100;\n", "31/12/2024", "", "0,00", "0,00", "",
     "0,00", "100,00"},
    // Days before a table's first day charge nothing, and never a negative interest.
    {"SpanBeforeTheFirstRate", "01/01/1930;credito;1.000,00;\n", "01/01/1940", "", "1.000,00", "0,00", "", "1.000,00"},
    {"PaymentBeforeTheFileFirstRate", "01/06/2023;credito;10.000;\n01/12/2023;pagamento;1.000;\n", "31/12/2024", "",
     "9.000,00", "451,23", "", "9.451,23", "", false, "01/01/2024;5;\n"},
    // Late payment is charged from the first credit, whatever the advances paid before it.
    {"LatePaymentAfterAnEarlyAdvance", "01/01/2012;pagamento;100;anticipo\n01/01/2025;credito;1000;\n", "31/12/2025",
     "--mora --indennizzo", "900,00", "95,54", "40,00", "1.035,54"},
    // What a payment leaves after interest and capital pays the compensation;
    // a surplus pays the next credit's capital, then its compensation.
    {"CompensationPaidBeforeASurplus", "01/01/2025;credito;1000;\n01/01/2025;pagamento;1040;\n", "31/12/2025",
     "--mora --indennizzo", "0,00", "0,00", "0,00", "0,00"},
    {"SurplusPaysTheNextCreditThenItsCompensation",
     "01/01/2025;credito;1000;\n01/01/2025;pagamento;1.100;\n01/03/2025;credito;30;\n", "31/12/2025",
     "--mora --indennizzo", "0,00", "0,00", "10,00", "10,00"},
    {"CompensationAfterASurplusSpent",
     "01/01/2025;credito;1000;\n01/01/2025;pagamento;1040;\n01/03/2025;credito;500;\n", "31/12/2025",
     "--mora --indennizzo", "500,00", "44,07", "40,00", "584,07", "", true},
};

INSTANTIATE_TEST_SUITE_P(Ledgers, WorkedLedger, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

using LedgerStatement = ScratchTest;

// The lines of the movements and spans, after the caption.
TEST_F(LedgerStatement, ShowsEachMovementAndSpan)
{
    // A description and an act that would turn the line around on a terminal,
    // shown as the messages show them.
    const std::string table = LedgerFile(scratch, "01/01/2024;5;D.M. \u202E1\n", "dal;tasso;atto\n", "tassi.csv");
    const struct {
        const char* rows;
        std::string arguments;
        const char* lines;
    } cases[] = {
        {kOnePayment, "31/12/2025",
         "\n01/01/2025 credito 10.000,00 (fattura 1): capitale 10.000,00\n"
         "dal 02/01/2025 al 01/07/2025: capitale 10.000,00, 181 giorni, tasso 2%, interessi 99,18\n"
         "01/07/2025 pagamento 3.000,00 (bonifico): a interessi 99,18, a capitale 2.900,82; capitale 7.099,18\n"
         "dal 02/07/2025 al 31/12/2025: capitale 7.099,18, 183 giorni, tasso 2%, interessi 71,19\n"},
        {"01/01/2025;credito;1000;\n01/01/2025;pagamento;1.100;\n01/03/2025;credito;30;\n",
         "--mora --indennizzo 31/12/2025",
         "\n01/01/2025 pagamento 1.100,00: a interessi 0,00, a capitale 1.000,00, a indennizzo 40,00, eccedenza 60,00; "
         "capitale 0,00\n"
         "01/03/2025 credito 30,00: meno l'eccedenza 30,00, capitale 0,00, a indennizzo 30,00 dall'eccedenza\n"},
        // After the rows, when they do not add up to the interest charged.
        {kAcrossRates, "--domanda 15/05/2024 30/11/2025",
         "interessi 608,30\nGli interessi delle righe sono arrotondati al centesimo; quelli maturati tra un pagamento "
         "e il successivo, o fino ad AL, sono sommati esatti e arrotondati una volta.\nTabella: "},
        {"01/01/2024;credito;1000;\u202Efattura\n", "--tassi " + table + " 31/12/2024",
         "\n01/01/2024 credito 1.000,00 (<U+202E>fattura): capitale 1.000,00\n"
         "dal 02/01/2024 al 31/12/2024: capitale 1.000,00, 365 giorni, tasso 5%, interessi 50,00\n"
         "Tabella: Tassi dal file "},
    };
    for (const auto& [rows, arguments, lines] : cases) {
        const CommandRun run = RunCommand(Calc("--movimenti " + LedgerFile(scratch, rows) + " " + arguments), scratch);
        EXPECT_NE(run.out.find(lines), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("\u202E"), std::string::npos) << run.out;
    }
}

struct Refusal {
    const char* name;
    std::string file;                     // after the header; or, starting with '/', a path; or "-"
    const char* error;                    // the first line on standard error
    const char* arguments = "31/12/2025"; // after the file
    int status = 1;
};

// The rules of a row are those of the list of movements (forms/ledger_form_test);
// here, that the file's line and field are named.
TEST_F(LedgerStatement, RefusesBadFilesNamingTheLineAndTheField)
{
    std::string tooMany;
    for (std::size_t i = 0; i <= kMaxLedgerMovements; ++i)
        tooMany += "01/01/2025;credito;1;\n";
    const Refusal cases[] = {
        {"a type", "01/01/2025;credito;10000;\n01/02/2025;rimborso;5;\n",
         "riga 3: tipo «rimborso»: si attende credito o pagamento"},
        {"three decimals", "01/01/2025;credito;10,000;\n", "riga 2: importo «10,000»: ha più di due decimali"},
        {"no amount", "01/01/2025;credito;dieci;\n",
         "riga 2: importo «dieci»: importo non valido (per esempio 1000 oppure 1.000,50)"},
        {"five fields", "01/01/2025;credito;1;a;b\n",
         "riga 2: la riga ha 5 campi invece di 3 o 4 (data;tipo;importo;descrizione)"},
        {"an open quote", "01/01/2025;credito;1;\"a\n", "riga 2: "},
        {"no movement", "\n;;;\n", "nessun movimento"},
        {"a movement after AL", "01/01/2026;credito;100;\n", "riga 2: data 01/01/2026: viene dopo AL 31/12/2025"},
        {"late payment before the table", "30/12/2012;credito;100;\n",
         "riga 2: il primo giorno al tasso di mora, il 31/12/2012, viene prima del 01/01/2013, il primo giorno della "
         "tabella dei tassi di riferimento",
         "--mora 31/12/2025"},
        {"an end past the last day", "01/01/2025;credito;100;\n",
         "AL 01/01/2200 viene dopo il 31/12/2199, l'ultimo giorno che si calcola", "01/01/2200"},
        {"a line that never ends", "/dev/zero", "riga 1: riga più lunga di 4096 byte", "31/12/2025", 2},
        // In a few megabytes, not in the memory the line would take.
        {"a line that never ends, on standard input", "-", "riga 1: riga più lunga di 4096 byte",
         "31/12/2025 < /dev/zero", 2},
        {"too many movements", tooMany, "riga 100002: un conto prende al più 100.000 movimenti"},
        {"a missing file", "/nonexistent/movimenti.csv",
         "impossibile aprire \"/nonexistent/movimenti.csv\": File o directory non esistente", "31/12/2025", 2},
        {"compensation without late payment", "01/01/2025;credito;100;\n", "--indennizzo va con --mora",
         "--indennizzo 31/12/2025", 2},
        {"reference rates unused", "01/01/2025;credito;100;\n", "--tassi-mora va con --mora o --domanda",
         "--tassi-mora mora.csv 31/12/2025", 2},
        {"no AL", "01/01/2025;credito;100;\n", "manca AL", "", 2},
    };
    for (const auto& [name, file, error, arguments, status] : cases) {
        const std::string path = file.starts_with('/') || file == "-" ? file : LedgerFile(scratch, file);
        const CommandRun run = RunCommand(MEMORY_LIMIT + Calc("--movimenti " + path + " " + arguments), scratch);
        EXPECT_EQ(run.status, status) << name;
        EXPECT_TRUE(run.err.starts_with("tarvel-calc: " + std::string(error))) << name << ": " << run.err;
    }
}

// What spreadsheets write is read as the plain file: a byte-order mark, CRLF,
// a quoted ';', blank lines and rows of separators, no description column.
TEST_F(LedgerStatement, ReadsWhatSpreadsheetsWrite)
{
    const std::string plain = LedgerFile(scratch, kExamples[0].rows);
    const std::string expected = RunCommand(Calc("--movimenti " + plain + " 31/12/2025"), scratch).out;
    const std::string saved = LedgerFile(scratch,
                                         "01/01/2025;credito;10.000,00;fattura 1\r\n\r\n;;;\r\n"
                                         "01/07/2025;pagamento;3000;\"bonifico\"\r\n",
                                         "\xEF\xBB\xBF"
                                         "data;tipo;importo;descrizione\r\n");
    EXPECT_EQ(RunCommand("cat " + saved + " | " + Calc("--movimenti - 31/12/2025"), scratch).out, expected);
    const std::string noDescription =
        LedgerFile(scratch, "01/01/2025;credito;\"10.000,00\"\n01/07/2025;pagamento;3000\n", "data;tipo;importo\n");
    const CommandRun run = RunCommand(Calc("--movimenti " + noDescription + " 31/12/2025"), scratch);
    EXPECT_TRUE(run.out.ends_with("Totale dovuto al 31/12/2025: 7.170,37\n")) << run.out << run.err;
}

} // namespace
} // namespace tarvel::testing
