#include "runtime/rate_table_file.h"

#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {
namespace {

constexpr std::string_view kHeader = "dal;tasso;atto";

} // namespace

static_assert(kMaxRateTableFileBytes == (kMaxRatePeriods + 1) * (kMaxCsvLine + 2));

std::variant<RateTable, RateTableFileFault> LoadRateTableFile(const std::string& file, RateKind kind)
{
    std::vector<RateChange> changes;
    // A change a row.
    const auto take = [&](const CsvRow& row, std::uint64_t) -> std::optional<std::string> {
        if (row.size() != 3)
            return "la riga ha " + std::to_string(row.size()) + " campi invece di 3 (" + std::string(kHeader) + ")";
        const auto field = DateFieldText(row[0]);
        if (!field)
            return "data non valida: " + Quoted(row[0]);
        const auto rate = ReadRate(row[1]);
        if (!rate)
            return "tasso non valido: " + Quoted(row[1])
                   + " (un numero da 0 a 100, con la virgola e al più due decimali)";
        if (changes.size() == kMaxRatePeriods)
            return "la tabella ha più di " + std::to_string(kMaxRatePeriods) + " righe di tassi";
        const RateChange change{*ParseDate(*field), *rate, std::string(TrimSpaces(row[2]))};
        if (auto problem = RateChangeProblem(changes.empty() ? nullptr : &changes.back(), change))
            return problem;
        changes.push_back(change);
        return std::nullopt;
    };
    const CsvFileRules rules{kHeader,
                             [](const CsvRow& row) {
                                 return IsHeader(row, {"dal", "tasso", "atto"});
                             },
                             take, kMaxRateTableFileBytes, true};
    std::uint64_t lines = 0;
    if (auto fault = ReadCsvFile(file, rules, false, lines))
        return std::move(*fault);
    if (changes.empty())
        return RateTableFileFault{RateTableFileFault::Kind::Line, lines + 1,
                                  "manca almeno una riga di tassi dopo l'intestazione", true};
    const std::string name = kind == RateKind::Legal ? "Tassi dal file " : "Tassi di riferimento dal file ";
    return RateTable(name + file, std::move(changes), kind, file);
}

std::optional<RateTable> ReadRateTableFile(const std::string& file, std::ostream& errors, RateKind kind)
{
    auto loaded = LoadRateTableFile(file, kind);
    if (auto* fault = std::get_if<RateTableFileFault>(&loaded)) {
        errors << "tarvel-calc: " << fault->message(file) << '\n';
        return std::nullopt;
    }
    return std::move(std::get<RateTable>(loaded));
}

void WriteRateTableFile(std::ostream& out, std::span<const RatePeriod> periods)
{
    out << kHeader << '\n';
    for (const RatePeriod& period : periods)
        out << DateText(period.fromDate.plusDays(1)) << ';' << RateText(RateHundredths(period)) << ';'
            << CsvField(period.act) << '\n';
}

} // namespace tarvel
