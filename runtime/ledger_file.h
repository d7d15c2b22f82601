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
std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file);

} // namespace tarvel
