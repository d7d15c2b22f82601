#include "runtime/ledger_file.h"

#include "calc/ledger_row.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {

std::string LedgerFileFault::message(const std::string& file) const
{
    switch (kind) {
    case Kind::Open: return "impossibile aprire " + Quoted(file) + ": " + reason;
    case Kind::Read: return "impossibile leggere " + Quoted(file) + ": " + reason;
    case Kind::Line: break;
    }
    return (line > 0 ? "riga " + std::to_string(line) + ": " : "") + reason;
}

std::variant<std::vector<Movement>, LedgerFileFault> ReadLedgerFile(const std::string& file)
{
    using Kind = LedgerFileFault::Kind;
    const bool standardInput = file == "-";
    const OwnedDescriptor opened(standardInput ? -1 : ::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    const int input = standardInput ? STDIN_FILENO : opened.get();
    struct stat status {};
    if (!standardInput) {
        const int error = input < 0 ? errno : fstat(input, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
        if (error != 0)
            return LedgerFileFault{Kind::Open, 0, SystemErrorText(error)};
    }

    LineReader reader(input, kMaxCsvLine, nullptr);
    CsvRow row;
    bool headerSeen = false;
    std::vector<Movement> movements;
    // Takes the header, then a movement a line; says why a line is refused.
    const auto take = [&](const NumberedLine& line) -> std::optional<std::string> {
        if (!line.refusal.empty())
            return line.refusal;
        if (TrimSpaces(line.text).empty())
            return std::nullopt;
        if (const char* problem = ProblemOf(row.read(line.text)))
            return problem;
        if (IsBlankRow(row))
            return std::nullopt;
        if (!headerSeen) {
            if (!IsLedgerHeader(row))
                return "la prima riga deve essere l'intestazione " + std::string(kLedgerHeader);
            headerSeen = true;
            return std::nullopt;
        }
        auto read = ReadMovement(row);
        if (auto* why = std::get_if<std::string>(&read))
            return std::move(*why);
        movements.push_back(std::move(std::get<Movement>(read)));
        movements.back().line = line.number;
        return std::nullopt;
    };

    std::optional<LedgerFileFault> fault;
    const bool read = reader.ReadLines([&](const NumberedLine& line) {
        if (auto why = take(line))
            fault = LedgerFileFault{Kind::Line, line.number, std::move(*why)};
        return !fault;
    });
    if (!read)
        return LedgerFileFault{Kind::Read, 0, SystemErrorText(errno)};
    if (fault)
        return std::move(*fault);
    if (!headerSeen)
        return LedgerFileFault{Kind::Line, 0, "manca l'intestazione " + std::string(kLedgerHeader)};
    return movements;
}

} // namespace tarvel
