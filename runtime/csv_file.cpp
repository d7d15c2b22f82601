#include "runtime/csv_file.h"

#include "calc/printable.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace tarvel {

std::string CsvFileFault::message(const std::string& file) const
{
    switch (kind) {
    case Kind::Open: return "impossibile aprire " + Quoted(file) + ": " + reason;
    case Kind::Read: return "impossibile leggere " + Quoted(file) + ": " + reason;
    case Kind::Line:
    case Kind::TooLong: break;
    }
    return (namesFile ? Printable(file) + ": " : std::string())
           + (line > 0 ? "riga " + std::to_string(line) + ": " : "") + reason;
}

std::optional<CsvFileFault> ReadCsvFile(const std::string& file, const CsvFileRules& rules, bool standardInput,
                                        std::uint64_t& lines)
{
    using Kind = CsvFileFault::Kind;
    const bool fromStandardInput = standardInput && file == "-";
    const OwnedDescriptor opened(fromStandardInput ? -1 : ::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    const int input = fromStandardInput ? STDIN_FILENO : opened.get();
    // A folder opens, and is refused at its first read.
    if (input < 0)
        return CsvFileFault{Kind::Open, 0, SystemErrorText(errno), rules.namesFile};

    LineReader reader(input, kMaxCsvLine, nullptr);
    CsvRow row;
    bool headerSeen = false;
    // Takes the header, then a row a line; says why a line is refused.
    Kind kind = Kind::Line;
    const auto take = [&](const NumberedLine& line) -> std::optional<std::string> {
        kind = Kind::TooLong;
        if (!line.refusal.empty())
            return line.refusal;
        if (rules.maxBytes > 0 && reader.bytesRead() > rules.maxBytes)
            return "file più lungo di " + std::to_string(rules.maxBytes) + " byte";
        kind = Kind::Line;
        if (const char* problem = ProblemOf(row.read(line.text)))
            return headerSeen && rules.takeUnsplit ? rules.takeUnsplit(line.text, problem, line.number)
                                                   : std::optional<std::string>(problem);
        if (IsBlankRow(row))
            return std::nullopt;
        if (headerSeen)
            return rules.take(row, line.number);
        if (!rules.isHeader(row))
            return "la prima riga deve essere l'intestazione " + std::string(rules.header);
        headerSeen = true;
        return std::nullopt;
    };

    std::optional<CsvFileFault> fault;
    lines = 0;
    const bool read = reader.ReadLines([&](const NumberedLine& line) {
        lines = line.number;
        if (auto why = take(line))
            fault = CsvFileFault{kind, line.number, std::move(*why), rules.namesFile};
        return !fault;
    });
    if (!read)
        return CsvFileFault{Kind::Read, 0, SystemErrorText(errno), rules.namesFile};
    if (fault)
        return fault;
    if (!headerSeen)
        return CsvFileFault{Kind::Line, rules.namesFile ? lines + 1 : 0,
                            "manca l'intestazione " + std::string(rules.header), rules.namesFile};
    return std::nullopt;
}

} // namespace tarvel
