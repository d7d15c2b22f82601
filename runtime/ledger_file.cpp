#include "runtime/ledger_file.h"

#include "calc/ledger_row.h"

#include <optional>

namespace tarvel {

std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file)
{
    std::vector<Movement> movements;
    // A movement a row.
    const auto take = [&](const CsvRow& row, std::uint64_t line) -> std::optional<std::string> {
        auto read = ReadMovement(row);
        if (auto* why = std::get_if<std::string>(&read))
            return std::move(*why);
        movements.push_back(std::move(std::get<Movement>(read)));
        movements.back().line = line;
        return std::nullopt;
    };
    const CsvFileRules rules{kLedgerHeader, IsLedgerHeader, take};
    std::uint64_t lines = 0;
    if (auto fault = ReadCsvFile(file, rules, true, lines))
        return std::move(*fault);
    return movements;
}

} // namespace tarvel
