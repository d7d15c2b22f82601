#include "runtime/rate_table_file.h"

#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/digits.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <algorithm>
#include <cerrno>
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

std::optional<int> ReadRate(std::string_view text)
{
    text = TrimSpaces(text);
    const std::size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view fraction = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (!IsDigits(whole, 1, 3) || (comma != std::string_view::npos && !IsDigits(fraction, 1, 2)))
        return std::nullopt;
    return DigitsValue(whole) * 100 + DigitsValue(fraction) * (fraction.size() == 1 ? 10 : 1);
}

std::optional<RateTable> ReadRateTableFile(const std::string& file, std::ostream& errors)
{
    const OwnedDescriptor input(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (input.get() < 0) {
        errors << "tarvel-calc: impossibile aprire " << Quoted(file) << ": " << SystemErrorText(errno) << '\n';
        return std::nullopt;
    }
    std::size_t lineNumber = 0;
    const auto refuse = [&](const std::string& what) {
        errors << "tarvel-calc: " << Printable(file) << ": riga " << lineNumber << ": " << what << '\n';
        return std::nullopt;
    };

    LineReader reader(input.get(), kMaxCsvLine, nullptr);
    CsvRow row;
    bool headerSeen = false;
    std::vector<RateChange> changes;
    std::string_view line;
    while (true) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::Failed) {
            errors << "tarvel-calc: impossibile leggere " << Quoted(file) << ": " << SystemErrorText(errno) << '\n';
            return std::nullopt;
        }
        ++lineNumber;
        if (status == LineReader::Status::TooLong)
            return refuse("riga più lunga di " + std::to_string(kMaxCsvLine) + " byte");
        if (lineNumber == 1 && line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        if (TrimSpaces(line).empty())
            continue;
        const CsvRow::Status split = row.read(line);
        if (const char* problem = ProblemOf(split))
            return refuse(problem);
        if (!headerSeen) {
            if (!IsHeader(row, {"dal", "tasso", "atto"}))
                return refuse("la prima riga deve essere l'intestazione " + std::string(kHeader));
            headerSeen = true;
            continue;
        }
        if (row.size() != 3)
            return refuse("la riga ha " + std::to_string(row.size()) + " campi invece di 3 (" + std::string(kHeader)
                          + ")");
        const auto field = DateFieldText(row[0]);
        if (!field)
            return refuse("data non valida: " + Quoted(row[0]));
        const auto rate = ReadRate(row[1]);
        if (!rate)
            return refuse("tasso non valido: " + Quoted(row[1])
                          + " (un numero da 0 a 100, con la virgola e al più due decimali)");
        if (changes.size() == kMaxRatePeriods)
            return refuse("la tabella ha più di " + std::to_string(kMaxRatePeriods) + " righe di tassi");
        const RateChange change{*ParseDate(*field), *rate, std::string(TrimSpaces(row[2]))};
        if (const auto problem = RateChangeProblem(changes.empty() ? nullptr : &changes.back(), change))
            return refuse(*problem);
        changes.push_back(change);
    }
    ++lineNumber;
    if (!headerSeen)
        return refuse("manca l'intestazione " + std::string(kHeader));
    if (changes.empty())
        return refuse("manca almeno una riga di tassi dopo l'intestazione");
    return RateTable("Tassi dal file " + file, std::move(changes));
}

void WriteRateTableFile(std::ostream& out, std::span<const RatePeriod> periods)
{
    out << kHeader << '\n';
    for (const RatePeriod& period : periods)
        out << DateText(period.fromDate.plusDays(1)) << ';' << RateText(RateHundredths(period)) << ';'
            << csvField(period.act) << '\n';
}

} // namespace tarvel
