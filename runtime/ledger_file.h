#pragma once

#include "calc/ledger.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarvel {

// Why a ledger file (calc/ledger_row.h) cannot be read.
struct LedgerFileFault {
    enum class Kind { Open, Read, Line };
    Kind kind = Kind::Line;
    std::uint64_t line = 0; // for Line: the line at fault, from 1
    // What is wrong with the line ("tipo «rimborso»: si attende credito o
    // pagamento"), or the system's reason the file could not be opened or read.
    std::string reason;

    // tarvel-calc's message, without "tarvel-calc: ": "riga 3: tipo «rimborso»: ...",
    // "impossibile aprire \"movimenti.csv\": File o directory non esistente".
    std::string message(const std::string& file) const;
};

// The movements of `file` ("-": standard input) in the order given, each with
// its line; blank lines and rows of separators only are skipped. A line
// longer than kMaxCsvLine is refused as soon as the byte past it is read.
std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file);

} // namespace tarvel
