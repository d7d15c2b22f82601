#include "runtime/rate_table_file.h"

#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace tarvel {
namespace {

constexpr std::string_view kHeader = "dal;tasso;atto";

// A field as CSV needs it: in quotes, with quotes doubled, when it holds a
// separator or a quote.
std::string csvField(std::string_view text)
{
    if (text.find_first_of(";\"") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text)
        quoted.append(c == '"' ? 2 : 1, c);
    return quoted + '"';
}

} // namespace

std::string RateTableFileFault::message(const std::string& file) const
{
    switch (kind) {
    case Kind::Open: return "impossibile aprire " + Quoted(file) + ": " + reason;
    case Kind::Read: return "impossibile leggere " + Quoted(file) + ": " + reason;
    case Kind::Line: break;
    }
    return Printable(file) + ": riga " + std::to_string(line) + ": " + reason;
}

static_assert(kMaxRateTableFileBytes == (kMaxRatePeriods + 1) * (kMaxCsvLine + 2));

std::variant<RateTable, RateTableFileFault> LoadRateTableFile(const std::string& file, RateKind kind)
{
    using Kind = RateTableFileFault::Kind;
    const OwnedDescriptor input(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (input.get() < 0)
        return RateTableFileFault{Kind::Open, 0, SystemErrorText(errno)};
    std::size_t lineNumber = 0;
    const auto refuse = [&](std::string what) { return RateTableFileFault{Kind::Line, lineNumber, std::move(what)}; };

    LineReader reader(input.get(), kMaxCsvLine, nullptr);
    CsvRow row;
    bool headerSeen = false;
    std::vector<RateChange> changes;
    // Takes the header, then a change a line; says why a line is refused.
    const auto take = [&](const NumberedLine& numbered) -> std::optional<std::string> {
        if (!numbered.refusal.empty())
            return numbered.refusal;
        const std::string_view line = numbered.text;
        if (reader.bytesRead() > kMaxRateTableFileBytes)
            return "file più lungo di " + std::to_string(kMaxRateTableFileBytes) + " byte";
        if (const char* problem = ProblemOf(row.read(line)))
            return problem;
        if (IsBlankRow(row))
            return std::nullopt;
        if (!headerSeen) {
            if (!IsHeader(row, {"dal", "tasso", "atto"}))
                return "la prima riga deve essere l'intestazione " + std::string(kHeader);
            headerSeen = true;
            return std::nullopt;
        }
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

    std::optional<std::string> refusal;
    const bool read = reader.ReadLines([&](const NumberedLine& line) {
        lineNumber = line.number;
        refusal = take(line);
        return !refusal;
    });
    if (!read)
        return RateTableFileFault{Kind::Read, 0, SystemErrorText(errno)};
    if (refusal)
        return refuse(*refusal);
    ++lineNumber;
    if (!headerSeen)
        return refuse("manca l'intestazione " + std::string(kHeader));
    if (changes.empty())
        return refuse("manca almeno una riga di tassi dopo l'intestazione");
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
            << csvField(period.act) << '\n';
}

} // namespace tarvel
