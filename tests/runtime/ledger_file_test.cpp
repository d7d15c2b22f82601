// The ledger file as the list of movements reads it (every line, each with
// its fault) and as tarvel-calc reads it back after Salva…, and the folders a
// file dialog may be opened in.
#include "calc/number_texts.h"
#include "forms/ledger_form.h"
#include "runtime/ledger_file.h"
#include "runtime/ordinary_folder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tarvel {

void PrintTo(const LedgerFileRow& row, std::ostream* out)
{
    *out << row.line << ": " << row.date << '|' << row.kind << '|' << row.amount << '|' << row.description << " ("
         << row.fault << ')';
}

} // namespace tarvel

namespace tarvel::testing {
namespace {

constexpr char kHeader[] = "data;tipo;importo;descrizione\n";

std::string Written(const ScratchFolder& folder, const std::string& text)
{
    const std::string file = (folder.Path() / "movimenti.csv").string();
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

struct RowsCase {
    const char* name;
    std::string text;
    std::variant<std::vector<LedgerFileRow>, std::string> read; // the rows, or the message of the refusal
};

class ReadsRows : public ::testing::TestWithParam<RowsCase> {};

// Every line after the header, with its line and fault, for the list to show;
// only a file that is no ledger file at all is refused.
TEST_P(ReadsRows, EveryLineWithItsFault)
{
    const ScratchFolder folder("ledger-rows");
    const auto read = ReadLedgerRows(Written(folder, GetParam().text));
    if (const auto* fault = std::get_if<LedgerFileFault>(&read))
        EXPECT_EQ(fault->message("movimenti.csv"), std::get<std::string>(GetParam().read));
    else
        EXPECT_EQ(std::get<std::vector<LedgerFileRow>>(read), std::get<std::vector<LedgerFileRow>>(GetParam().read));
}

using Rows = std::vector<LedgerFileRow>;

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerFile, ReadsRows, ::testing::Values(
    RowsCase{"good", std::string(kHeader) + "01/01/2025;credito;10000\n\n01/07/2025;pagamento;3000;\"a;b\"\n",
             Rows{{2, "01/01/2025", "credito", "10000", "", ""}, {4, "01/07/2025", "pagamento", "3000", "a;b", ""}}},
    RowsCase{"linesAtFault",
             std::string(kHeader) + "31/02/2025;credito;1\n1/7/2025;pagamento;1;a;b\n1/8/2025;rimborso;2\n\"open\n",
             Rows{{2, "31/02/2025", "credito", "1", "", "data «31/02/2025»: data non valida (gg/mm/aaaa)"},
                  {3, "1/7/2025", "pagamento", "1", "a;b",
                   "la riga ha 5 campi invece di 3 o 4 (data;tipo;importo;descrizione)"},
                  {4, "1/8/2025", "rimborso", "2", "", "tipo «rimborso»: si attende credito o pagamento"},
                  {5, "", "", "", "\"open", "virgolette non bilanciate"}}},
    RowsCase{"noHeader", "01/01/2025;credito;1\n",
             "riga 1: la prima riga deve essere l'intestazione data;tipo;importo;descrizione"},
    RowsCase{"lineTooLong", std::string(kHeader) + std::string(5000, 'x') + "\n",
             "riga 2: riga più lunga di 4096 byte"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LedgerFile, RefusesWhatCannotBeReadAtAll)
{
    for (const char* file : {"/nonexistent/movimenti.csv", "/dev/zero", "/tmp"}) {
        const auto read = ReadLedgerRows(file);
        EXPECT_TRUE(std::holds_alternative<LedgerFileFault>(read)) << file;
    }
}

// What Salva… writes, tarvel-calc reads back to the movements the window
// calculated with: the same days, amounts, descriptions and lines.
TEST(LedgerFile, ReadsBackWhatWasSavedIdentical)
{
    LedgerForm form;
    const std::vector<LedgerRowTexts> rows = {{"01 / 07 / 2025", "pagamento", "3000", "bonifico; \"saldo\""},
                                              {},
                                              {"1/8/2025", "credito", "1.000,50", "fattura 2"},
                                              {"2025-09-01", "pagamento", "0,01", ""}};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        form.Insert(row);
        for (std::size_t column = 0; column < kLedgerColumnCount; ++column) {
            const LedgerRowTexts& texts = rows[row];
            const std::string* cells[] = {&texts.date, &texts.kind, &texts.amount, &texts.description};
            form.Type(row, LedgerColumn(column), *cells[column]);
        }
    }
    const CalculationFields fields = FieldsOfRequest(LegalRequest("10000", "01 / 01 / 2025", "31 / 12 / 2025"));
    const ScratchFolder folder("ledger-back");
    const auto read = ReadLedgerFile(Written(folder, std::get<std::string>(form.FileText(fields))));
    ASSERT_TRUE(std::holds_alternative<std::vector<Movement>>(read)) << std::get<LedgerFileFault>(read).reason;
    const auto& back = std::get<std::vector<Movement>>(read);
    const auto asked = form.Request(fields)->movements;
    ASSERT_EQ(back.size(), asked.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].kind, asked[i].kind) << i;
        EXPECT_EQ(back[i].day, asked[i].day) << i;
        EXPECT_EQ(back[i].amount, asked[i].amount) << i;
        EXPECT_EQ(back[i].description, asked[i].description) << i;
        EXPECT_EQ(back[i].line, asked[i].line) << i;
    }
}

struct FolderCase {
    const char* name;
    std::string folder;
    FolderUse use;
    bool ordinary;
};

class Folders : public ::testing::TestWithParam<FolderCase> {};

// A dialog is opened only in a folder of files it may use: never one of the
// kernel's file systems, where listing a folder may never end.
TEST_P(Folders, WhereADialogMayOpen)
{
    EXPECT_EQ(IsOrdinaryFolder(GetParam().folder, GetParam().use), GetParam().ordinary);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LedgerFile, Folders, ::testing::Values(
    FolderCase{"temporary", "/tmp", FolderUse::Save, true},
    FolderCase{"proc", "/proc", FolderUse::Save, false},
    FolderCase{"procToOpen", "/proc/self", FolderUse::Open, false},
    FolderCase{"sys", "/sys/kernel", FolderUse::Open, false},
    FolderCase{"aFile", "/etc/passwd", FolderUse::Open, false},
    FolderCase{"missing", "/nonexistent", FolderUse::Save, false},
    FolderCase{"none", "", FolderUse::Open, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace tarvel::testing
