#pragma once

#include "calc/csv_row.h"
#include "calc/ledger.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvel {

// A ledger as a file: UTF-8 CSV with ';', the header data;tipo;importo;descrizione
// (descrizione may be left out), then one movement a row: its day in the forms
// tarvel-calc takes, "credito" or "pagamento", the amount with at most two
// decimals, and a description that may be missing or empty.
inline constexpr std::string_view kLedgerHeader = "data;tipo;importo;descrizione";

bool IsLedgerHeader(const CsvRow& row);

// "credito", "pagamento": a movement's type as the file and the list name it.
const char* KindWord(Movement::Kind kind);
// The type a text names, in any case, with spaces around it allowed.
std::optional<Movement::Kind> ReadKind(std::string_view text);

// Why `text` is not the amount of a movement, naming the field
// ("importo «10,000»: ha più di due decimali"); nothing when it is. Every
// amount of a ledger is checked here alone.
std::optional<std::string> AmountFault(std::string_view text);

// The movement of a row, or why it is none, naming the field and its text:
// "tipo «rimborso»: si attende credito o pagamento".
std::variant<Movement, std::string> ReadMovement(const CsvRow& row);

} // namespace tarvel
