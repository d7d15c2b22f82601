// The form of a ledger's movements: the faults of its rows and their numbers,
// the ledger it asks for with the window's fields, the text of its file, the
// lines of a file it takes, and what is left unsaved.
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "forms/ledger_form.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

namespace tarvel::testing {
namespace {

// The window of the first example: 10.000,00 from 01/01/2025, Al 31/12/2025.
const CalculationFields kFirstExample = FieldsOfRequest(LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025"));

LedgerForm FormWith(const std::vector<LedgerRowTexts>& rows)
{
    LedgerForm form;
    for (const LedgerRowTexts& row : rows) {
        const std::size_t at = form.RowCount();
        form.Insert(at);
        form.Type(at, LedgerColumn::Date, row.date);
        form.Type(at, LedgerColumn::Kind, row.kind);
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
    std::vector<std::optional<std::uint64_t>> lines; // what the list numbers each row
};

class RowsSay : public ::testing::TestWithParam<FaultCase> {};

// Each row read by the ledger file's rules and named with the line it takes
// in the file after the header and the first credit; a row with nothing
// typed is no movement, no fault and no line.
TEST_P(RowsSay, TheirFaultsWithTheirLines)
{
    const LedgerForm form = FormWith(GetParam().rows);
    EXPECT_EQ(form.HasLedger(), GetParam().ledger);
    EXPECT_EQ(form.Faults(), GetParam().faults);
    std::vector<std::optional<std::uint64_t>> lines;
    for (std::size_t row = 0; row < form.RowCount(); ++row)
        lines.push_back(form.LineOf(row));
    EXPECT_EQ(lines, GetParam().lines);
}

constexpr std::nullopt_t kNone = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, RowsSay, ::testing::Values(
    FaultCase{"none", {}, false, "", {}},
    FaultCase{"nothingTyped", {{"__ / __ / ____", "pagamento", " ", ""}}, false, "", {kNone}},
    FaultCase{"maskedDate", {{"01 / 07 / 2025", "pagamento", "3.000,5", "a \"b\"; c"}}, true, "", {3}},
    FaultCase{"threeDecimals", {{"01/07/2025", "pagamento", "10,000", ""}}, true,
              "riga 3: importo «10,000»: ha più di due decimali", {3}},
    FaultCase{"blankRowsTakeNoLine", {{"", "credito", "", ""}, {"01/07/2025", "pagamento", "1", ""}, {},
                                      {"31 / 02 / 2025", "credito", "1", ""}}, true,
              "riga 4: data «31 / 02 / 2025»: data non valida (gg/mm/aaaa)", {kNone, 3, kNone, 4}},
    FaultCase{"everyRow", {{"1/7/2025", "credito", "0", ""}, {"", "credito", "", "x"}}, true,
              "riga 3: importo «0»: deve essere maggiore di zero\nriga 4: data «»: data non valida (gg/mm/aaaa)",
              {3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CellCase {
    const char* name;
    LedgerColumn column;
    std::string typed, shown;
};

class CellsShow : public ::testing::TestWithParam<CellCase> {};

// A cell that reads is shown as the file writes it, typed or loaded; any
// other text as typed, for its fault to name.
TEST_P(CellsShow, TheFilesFormOrWhatWasTyped)
{
    LedgerForm form = FormWith({{}});
    form.Type(0, GetParam().column, GetParam().typed);
    EXPECT_EQ(form.Cell(0, GetParam().column), GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, CellsShow, ::testing::Values(
    CellCase{"amount", LedgerColumn::Amount, "2600", "2.600,00"},
    CellCase{"amountWithThousands", LedgerColumn::Amount, "1.000,50", "1.000,50"},
    CellCase{"amountThreeDecimals", LedgerColumn::Amount, "10,000", "10,000"},
    CellCase{"amountWithDecimalPoint", LedgerColumn::Amount, "1000.50", "1000.50"},
    CellCase{"maskedDate", LedgerColumn::Date, "01 / 07 / 2025", "01/07/2025"},
    CellCase{"noSuchDay", LedgerColumn::Date, "31 / 02 / 2025", "31 / 02 / 2025"},
    CellCase{"kindInCapitals", LedgerColumn::Kind, " Pagamento", "pagamento"},
    CellCase{"lineEndInDescription", LedgerColumn::Description, "a\nb", "a b"}),
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
    form.Calculate(FieldsOfRequest(ledgerCase.window));
    const std::string& expected = ledgerCase.lastLines;
    const std::string shown = form.Shown() ? form.Copied() : form.Faults();
    ASSERT_GE(shown.size(), expected.size()) << shown;
    EXPECT_EQ(shown.substr(shown.size() - expected.size()), expected) << shown;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, Computes, ::testing::Values(
    LedgerCase{"firstExample", LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025"),
               {{"01 / 07 / 2025", "pagamento", "3000", "bonifico"}}, false, false,
               "Capitale residuo: 7.099,18\nInteressi: 71,19\nTotale dovuto al 31/12/2025: 7.170,37\n"},
    LedgerCase{"capitalFirst", LatePaymentRequest("8", "10000", "30/06/2025", "31/12/2025"),
               {{"30/09/2025", "pagamento", "4000", ""}}, true, false,
               "Capitale residuo: 6.000,00\nInteressi: 409,34\nTotale dovuto al 31/12/2025: 6.409,34\n"},
    LedgerCase{"compensation", LatePaymentRequest("8", "5000", "31/03/2025", "31/12/2025"),
               {{"31/08/2025", "credito", "3000", ""}}, false, true,
               "Indennizzo (art. 6 D.Lgs. 231/2002): 80,00\nTotale dovuto al 31/12/2025: 8.576,61\n"},
    LedgerCase{"compensationOnlyForLatePayment", LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025"),
               {{"01/07/2025", "credito", "3000", ""}}, false, true,
               "Interessi: 229,53\nTotale dovuto al 31/12/2025: 13.229,53\n"},
    LedgerCase{"movementAfterAl", LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025"),
               {{}, {"02/01/2026", "pagamento", "1", ""}}, false, false,
               "riga 3: data 02/01/2026: viene dopo AL 31/12/2025"},
    LedgerCase{"zeroCapital", LegalRequest("0", "01 / 01 / 2025", "31 / 12 / 2025"),
               {{"01/07/2025", "pagamento", "1", ""}}, false, false,
               "capitale: importo «0»: deve essere maggiore di zero"},
    LedgerCase{"negativeCapital", LegalRequest("-100", "01 / 01 / 2025", "31 / 12 / 2025"),
               {{"01/07/2025", "pagamento", "1", ""}}, false, false,
               "capitale: importo «-100»: deve essere maggiore di zero"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LedgerForm, AsksForNoLedgerWhileAFieldOrARowIsWrong)
{
    EXPECT_FALSE(FormWith({{"01/07/2025", "pagamento", "1", ""}})
                     .Request(FieldsOfRequest(LegalRequest("10,001", "1/1/2025", "31/12/2025"))));
    EXPECT_FALSE(FormWith({{"01/07/2025", "pagamento", "1,001", ""}}).Request(kFirstExample));
}

CalculationFields WithCapital(std::string text, std::optional<Currency> capital)
{
    CalculationFields fields = kFirstExample;
    fields.capitalText = std::move(text);
    fields.capital = capital;
    return fields;
}

struct SaveCase {
    const char* name;
    CalculationFields fields;
    std::vector<LedgerRowTexts> rows;
    std::variant<std::string, SaveRefusal> saved;
};

class Saves : public ::testing::TestWithParam<SaveCase> {};

// What was typed, in the file's forms, or nothing and why: the capital as
// the window reads it, never another amount; a row the reader would refuse
// is never written, and its refusal names it with the list's number.
TEST_P(Saves, WhatWasTypedOrNothing)
{
    EXPECT_EQ(FormWith(GetParam().rows).FileText(GetParam().fields), GetParam().saved);
}

using Where = SaveRefusal::Where;
const LedgerRowTexts kPayment{"01 / 07 / 2025", "pagamento", "3000", "bonifico; \"saldo\""};

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, Saves, ::testing::Values(
    SaveCase{"written", kFirstExample, {kPayment, {}, {"1/8/2025", "credito", "12,34", "x"}},
             "data;tipo;importo;descrizione\n"
             "01/01/2025;credito;10.000,00;\n"
             "01/07/2025;pagamento;3.000,00;\"bonifico; \"\"saldo\"\"\"\n"
             "01/08/2025;credito;12,34;x\n"},
    SaveCase{"capitalTypedWithThousands", WithCapital("10.000", std::nullopt), {kPayment},
             SaveRefusal{Where::Capital, 0,
                         "capitale: importo «10.000»: da correggere come dice il motivo accanto al capitale"}},
    SaveCase{"capitalWithThreeDecimals", WithCapital("10000,555", std::nullopt), {kPayment},
             SaveRefusal{Where::Capital, 0, "capitale: importo «10000,555»: ha più di due decimali"}},
    SaveCase{"capitalAsTheWindowReadsIt", WithCapital("10000", ParseCurrency("10000")), {},
             "data;tipo;importo;descrizione\n01/01/2025;credito;10.000,00;\n"},
    SaveCase{"start", FieldsOfRequest(LegalRequest("10000", "31 / 02 / 2025", "31 / 12 / 2025")), {kPayment},
             SaveRefusal{Where::Start, 0, "Dal «31 / 02 / 2025»: data non valida (gg/mm/aaaa)"}},
    SaveCase{"noSuchDay", kFirstExample, {kPayment, {"31/02/2025", "credito", "1", ""}},
             SaveRefusal{Where::Row, 1, "riga 4: data «31/02/2025»: data non valida (gg/mm/aaaa)"}},
    SaveCase{"threeDecimalsAfterABlankRow", kFirstExample, {{}, {"01/07/2025", "pagamento", "10,000", ""}},
             SaveRefusal{Where::Row, 1, "riga 3: importo «10,000»: ha più di due decimali"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct LoadCase {
    const char* name;
    std::vector<LedgerRow> lines;
    std::variant<FirstCredit, std::string> first;
    std::vector<LedgerRowTexts> rows;
    std::string faults;
};

class Loads : public ::testing::TestWithParam<LoadCase> {};

// The lines of a file after its header: the first credit for the window,
// the others as rows in the one form the list shows, each line at fault
// kept with its reason until it is typed into.
TEST_P(Loads, TheLinesOfAFile)
{
    LedgerForm form = FormWith({{"01/01/2024", "credito", "1", "kept when refused"}});
    EXPECT_EQ(form.Load(GetParam().lines), GetParam().first);
    std::vector<LedgerRowTexts> rows;
    for (std::size_t row = 0; row < form.RowCount(); ++row)
        rows.push_back(form.Row(row));
    EXPECT_EQ(rows, GetParam().rows);
    EXPECT_EQ(form.Faults(), GetParam().faults);
}

const LedgerRow kFiveFields{{"01/07/2025", "pagamento", "3000", "a;b"}, "la riga ha 5 campi invece di 3 o 4"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, Loads, ::testing::Values(
    LoadCase{"paymentFirst", {{{"1/7/2025", "pagamento", "3000", "bonifico"}, ""},
                              {{"01/01/2025", "Credito", "10.000,00", "fattura 1"}, ""}},
             FirstCredit{"01/01/2025", "10.000,00"}, {{"01/07/2025", "pagamento", "3.000,00", "bonifico"}}, ""},
    LoadCase{"linesAtFault", {{{"01/01/2025", "credito", "10000", ""}, ""}, kFiveFields,
                              {{"01/08/2025", "rimborso", "5", ""}, "tipo «rimborso»: si attende credito o pagamento"}},
             FirstCredit{"01/01/2025", "10.000,00"},
             {{"01/07/2025", "pagamento", "3.000,00", "a;b"}, {"01/08/2025", "rimborso", "5,00", ""}},
             "riga 3: la riga ha 5 campi invece di 3 o 4\nriga 4: tipo «rimborso»: si attende credito o pagamento"},
    LoadCase{"firstCreditAtFault", {{{"31/02/2025", "credito", "10,000", ""},
                                     "data «31/02/2025»: data non valida (gg/mm/aaaa)"}},
             FirstCredit{"31/02/2025", "10,000"}, {}, ""},
    LoadCase{"noCredit", {{{"01/07/2025", "pagamento", "1", ""}, ""}},
             "il file non ha alcun credito: il primo credito è il capitale dal giorno «Dal»",
             {{"01/01/2024", "credito", "1,00", "kept when refused"}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LedgerForm, MendsALineAtFaultByTypingIntoIt)
{
    LedgerForm form;
    form.Load({{{"01/01/2025", "credito", "10000", ""}, ""}, kFiveFields});
    form.Type(0, LedgerColumn::Description, "a");
    EXPECT_EQ(form.Faults(), "");
}

struct UnsavedCase {
    const char* name;
    void (*change)(LedgerForm& form, CalculationFields& fields);
    bool unsaved;
};

class Unsaved : public ::testing::TestWithParam<UnsavedCase> {};

// Anything that differs from the file saved: the capital, Dal, the regime,
// the choices, a row; not a blank row, nor the capital typed otherwise.
TEST_P(Unsaved, AnyDifferenceFromTheFileSaved)
{
    LedgerForm form = FormWith({kPayment});
    CalculationFields fields = kFirstExample;
    EXPECT_TRUE(form.Unsaved(fields));
    form.Saved(fields);
    EXPECT_FALSE(form.Unsaved(fields));
    GetParam().change(form, fields);
    EXPECT_EQ(form.Unsaved(fields), GetParam().unsaved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerForm, Unsaved, ::testing::Values(
    UnsavedCase{"capital", [](LedgerForm&, CalculationFields& f) { f.capital = ParseCurrency("9000"); }, true},
    UnsavedCase{"capitalRefused", [](LedgerForm&, CalculationFields& f) { f.capital.reset(); }, true},
    UnsavedCase{"capitalTypedOtherwise", [](LedgerForm&, CalculationFields& f) { f.capitalText = "10.000,00"; },
                false},
    UnsavedCase{"start", [](LedgerForm&, CalculationFields& f) { f.start = ParseDate("02/01/2025"); }, true},
    UnsavedCase{"regime", [](LedgerForm&, CalculationFields& f) { f.regime = Regime::LatePayment; }, true},
    UnsavedCase{"choice", [](LedgerForm& form, CalculationFields&) { form.ChooseCapitalFirst(true); }, true},
    UnsavedCase{"row", [](LedgerForm& form, CalculationFields&) { form.Type(0, LedgerColumn::Amount, "1"); }, true},
    UnsavedCase{"blankRow", [](LedgerForm& form, CalculationFields&) { form.Insert(0); }, false},
    UnsavedCase{"cleared", [](LedgerForm& form, CalculationFields&) { form.Clear(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace tarvel::testing
