#include "runtime/ledger_file.h"

#include "calc/ledger.h"
#include "calc/ledger_row.h"
#include "calc/printable.h"

#include <optional>

namespace tarvel {

std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file)
{
    std::vector<Movement> movements;
    // A movement a row.
    const auto take = [&](const CsvRow& row, std::uint64_t line) -> std::optional<std::string> {
        if (movements.size() == kMaxLedgerMovements)
            return TooManyMovementsReason();
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

std::variant<std::vector<LedgerFileRow>, LedgerFileFault> ReadLedgerRows(const std::string& file)
{
    std::vector<LedgerFileRow> rows;
    const auto take = [&](const CsvRow& fields, std::uint64_t line) -> std::optional<std::string> {
        if (rows.size() == kMaxLedgerMovements)
            return TooManyMovementsReason();
        LedgerFileRow& row = rows.emplace_back();
        row.line = line;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            std::string& text = i < 3 ? (i == 0 ? row.date : i == 1 ? row.kind : row.amount) : row.description;
            text += (i > 3 ? ";" : "") + fields[i];
        }
        const auto read = ReadMovement(fields);
        if (const auto* why = std::get_if<std::string>(&read))
            row.fault = *why;
        return std::nullopt;
    };
    const auto takeUnsplit = [&](std::string_view text, const char* why,
                                 std::uint64_t line) -> std::optional<std::string> {
        if (rows.size() == kMaxLedgerMovements)
            return TooManyMovementsReason();
        rows.push_back({line, {}, {}, {}, Printable(text), why});
        return std::nullopt;
    };
    CsvFileRules rules{kLedgerHeader, IsLedgerHeader, take};
    rules.takeUnsplit = takeUnsplit;
    std::uint64_t lines = 0;
    if (auto fault = ReadCsvFile(file, rules, false, lines))
        return std::move(*fault);
    return rows;
}

} // namespace tarvel
