// The form of a ledger's movements: the faults of its rows, the ledger it asks
// for with the window's fields, and the text of its file.
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "forms/ledger_form.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

namespace tarvel::testing {
namespace {

constexpr auto kCredit = Movement::Kind::Credit;
constexpr auto kPayment = Movement::Kind::Payment;

// The window of the first example: 10.000,00 from 01/01/2025, Al 31/12/2025.
const StatementRequest kFirstExample = LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025");

LedgerForm FormWith(const std::vector<LedgerRowTexts>& rows)
{
    LedgerForm form;
    for (const LedgerRowTexts& row : rows) {
        const std::size_t at = form.RowCount();
        form.Insert(at);
        form.Type(at, LedgerColumn::Date, row.date);
        form.Type(at, LedgerColumn::Kind, KindText(row.kind));
        form.Type(at, LedgerColumn::Amount, row.amount);
        form.Type(at, LedgerColumn::Description, row.description);
    }
    return form;
}

struct FaultCase {
    const char* name;
    std::vector<LedgerRowTexts> rows;
    bool ledger;
    std::string faults;
};

class RowsSay : public ::testing::TestWithParam<FaultCase> {};

// Each row read by the ledger file's rules, named with its number after the
// first credit; a row with nothing typed is no movement and no fault.
TEST_P(RowsSay, TheirFaultsWithTheirNumbers)
{
    const LedgerForm form = FormWith(GetParam().rows);
    EXPECT_EQ(form.HasLedger(), GetParam().ledger);
    EXPECT_EQ(form.Faults(), GetParam().faults);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, RowsSay, ::testing::Values(
    FaultCase{"none", {}, false, ""},
    FaultCase{"nothingTyped", {{"__ / __ / ____", kPayment, " ", ""}}, false, ""},
    FaultCase{"maskedDate", {{"01 / 07 / 2025", kPayment, "3.000,5", "a \"b\"; c"}}, true, ""},
    FaultCase{"threeDecimals", {{"01/07/2025", kPayment, "10,000", ""}}, true,
              "riga 2: importo «10,000»: ha più di due decimali"},
    FaultCase{"secondRowBadDate", {{"01/07/2025", kPayment, "1", ""}, {"31 / 02 / 2025", kCredit, "1", ""}}, true,
              "riga 3: data «31 / 02 / 2025»: data non valida (gg/mm/aaaa)"},
    FaultCase{"everyRow", {{"1/7/2025", kCredit, "0", ""}, {"", kCredit, "", "x"}}, true,
              "riga 2: importo «0»: deve essere maggiore di zero\nriga 3: data «»: data non valida (gg/mm/aaaa)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct LedgerCase {
    const char* name;
    StatementRequest window;
    std::vector<LedgerRowTexts> rows;
    bool capitalFirst, compensation;
    std::string lastLines; // the end of the statement, or the fault beside the list
};

class Computes : public ::testing::TestWithParam<LedgerCase> {};

// The window's capital and Dal as the first credit, Al as the end day, its
// regime and margin, and the choices: the statement tarvel-calc prints.
TEST_P(Computes, TheLedgerOfTheWindowAndTheRows)
{
    const LedgerCase& ledgerCase = GetParam();
    LedgerForm form = FormWith(ledgerCase.rows);
    form.ChooseCapitalFirst(ledgerCase.capitalFirst);
    form.ChooseCompensation(ledgerCase.compensation);
    form.Calculate(ledgerCase.window);
    const std::string& expected = ledgerCase.lastLines;
    const std::string shown = form.Shown() ? form.Copied() : form.Faults();
    ASSERT_GE(shown.size(), expected.size()) << shown;
    EXPECT_EQ(shown.substr(shown.size() - expected.size()), expected) << shown;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, Computes, ::testing::Values(
    LedgerCase{"firstExample", kFirstExample, {{"01 / 07 / 2025", kPayment, "3000", "bonifico"}}, false, false,
               "Capitale residuo: 7.099,18\nInteressi: 71,19\nTotale dovuto al 31/12/2025: 7.170,37\n"},
    LedgerCase{"capitalFirst", LatePaymentRequest("8", "10000", "30/06/2025", "31/12/2025"),
               {{"30/09/2025", kPayment, "4000", ""}}, true, false,
               "Capitale residuo: 6.000,00\nInteressi: 409,34\nTotale dovuto al 31/12/2025: 6.409,34\n"},
    LedgerCase{"compensation", LatePaymentRequest("8", "5000", "31/03/2025", "31/12/2025"),
               {{"31/08/2025", kCredit, "3000", ""}}, false, true,
               "Indennizzo (art. 6 D.Lgs. 231/2002): 80,00\nTotale dovuto al 31/12/2025: 8.576,61\n"},
    LedgerCase{"compensationOnlyForLatePayment", kFirstExample, {{"01/07/2025", kCredit, "3000", ""}}, false, true,
               "Interessi: 229,53\nTotale dovuto al 31/12/2025: 13.229,53\n"},
    LedgerCase{"movementAfterAl", kFirstExample, {{"02/01/2026", kPayment, "1", ""}}, false, false,
               "riga 2: data 02/01/2026: viene dopo AL 31/12/2025"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LedgerForm, AsksForNoLedgerWhileAFieldOrARowIsWrong)
{
    EXPECT_FALSE(FormWith({{"01/07/2025", kPayment, "1", ""}}).Request(LegalRequest("10,001", "1/1/2025", "")));
    EXPECT_FALSE(FormWith({{"01/07/2025", kPayment, "1,001", ""}}).Request(kFirstExample));
}

// The first credit first, every row in the file's forms, a description with
// ';' or '"' quoted, a row that does not read as typed; read back, the same.
TEST(LedgerForm, WritesAndReadsBackItsFile)
{
    LedgerForm form = FormWith({{"01 / 07 / 2025", kPayment, "3000", "bonifico; \"saldo\""},
                                {"", kCredit, "", ""},
                                {"1/8/2025", kCredit, "12,345", "x"}});
    const std::string text = form.FileText(kFirstExample);
    EXPECT_EQ(text, "data;tipo;importo;descrizione\n"
                    "01/01/2025;credito;10.000,00;\n"
                    "01/07/2025;pagamento;3.000,00;\"bonifico; \"\"saldo\"\"\"\n"
                    "1/8/2025;credito;12,345;x\n");
    EXPECT_TRUE(form.Unsaved());

    const auto day = [](const char* text) { return *ParseDate(text); };
    const auto sum = [](const char* text) { return *ParseCurrency(text); };
    const std::vector<Movement> read = {{kPayment, day("01/07/2025"), sum("3000"), "bonifico; \"saldo\"", 2},
                                        {kCredit, day("01/01/2025"), sum("10000"), "fattura 1", 3}};
    LedgerForm back;
    const auto first = back.Load(read);
    EXPECT_EQ(first, (std::variant<FirstCredit, std::string>(FirstCredit{"01/01/2025", "10.000,00"})));
    EXPECT_FALSE(back.Unsaved());
    EXPECT_EQ(back.FileText(kFirstExample), "data;tipo;importo;descrizione\n"
                                            "01/01/2025;credito;10.000,00;fattura 1\n"
                                            "01/07/2025;pagamento;3.000,00;\"bonifico; \"\"saldo\"\"\"\n");
    EXPECT_EQ(back.Load({read.front()}), (std::variant<FirstCredit, std::string>(
                                             "il file non ha alcun credito: il primo credito è il capitale dal "
                                             "giorno «Dal»")));
    EXPECT_EQ(back.RowCount(), 1u);
}

} // namespace
} // namespace tarvel::testing
