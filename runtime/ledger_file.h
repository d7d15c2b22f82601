#pragma once

#include "calc/ledger.h"
#include "runtime/csv_file.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarvel {

// Why a ledger file (calc/ledger_row.h) cannot be read; its message names the
// line alone: "riga 3: tipo «rimborso»: si attende credito o pagamento".
using LedgerFileFault = CsvFileFault;

// The movements of `file` ("-": standard input) in the order given, each with
// its line; blank lines and rows of separators only are skipped. A line
// longer than kMaxCsvLine is refused as soon as the byte past it is read.
// Any line that is no movement refuses the file: tarvel-calc's reader.
std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file);

// A line of a ledger file after its header, as texts: the fields as split
// (past the fourth, joined back with ';' into the description; a line that
// cannot be split is its description, made printable), and why it is no
// movement ("importo «10,000»: ha più di due decimali"), empty when it is one.
struct LedgerFileRow {
    std::uint64_t line = 0;
    std::string date, kind, amount, description;
    std::string fault;
    friend bool operator==(const LedgerFileRow&, const LedgerFileRow&) = default;
};

// Every line of `file` after its header, each with its fault: what the list
// of movements shows, so that a line at fault can be mended there. A file
// that cannot be read (missing, a folder, a line too long, no header) is
// refused as ReadLedgerFile refuses it.
std::variant<std::vector<LedgerFileRow>, LedgerFileFault> ReadLedgerRows(const std::string& file);

} // namespace tarvel
