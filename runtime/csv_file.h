#pragma once

#include "calc/csv_row.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Why one of the program's CSV files (a table of rates, a ledger) cannot be
// read, as data a window can show.
struct CsvFileFault {
    // TooLong: a line longer than kMaxCsvLine, a file longer than its bound:
    // no data to mend, an input that is no such file.
    enum class Kind { Open, Read, Line, TooLong };
    Kind kind = Kind::Line;
    std::uint64_t line = 0; // for Line: the line at fault, from 1; 0 for the file as a whole
    // What is wrong with the line ("la data 01/01/2019 non viene dopo
    // 01/01/2020"), or the system's reason the file could not be opened or read.
    std::string reason;
    // Whether tarvel-calc's message of a line names the file first.
    bool namesFile = false;

    // tarvel-calc's message about `file`, without "tarvel-calc: ":
    // "impossibile aprire \"tassi.csv\": File o directory non esistente",
    // "tassi.csv: riga 7: la data 01/01/2019 non viene dopo 01/01/2020",
    // "riga 3: tipo «rimborso»: si attende credito o pagamento".
    std::string message(const std::string& file) const;
};

// What a reader asks of a file: its header, and what it makes of every row
// after it (why a row is refused; nothing when it is taken).
struct CsvFileRules {
    std::string_view header; // "dal;tasso;atto": its fields, as the refusals name it
    std::function<bool(const CsvRow&)> isHeader;
    std::function<std::optional<std::string>(const CsvRow&, std::uint64_t line)> take;
    std::uint64_t maxBytes = 0; // 0: any length
    bool namesFile = false;
    // When set, a row after the header that cannot be split into fields
    // (why: ProblemOf) goes here instead of refusing the file.
    std::function<std::optional<std::string>(std::string_view text, const char* why, std::uint64_t line)> takeUnsplit =
        nullptr;
};

// Reads `file` ("-": standard input, where `standardInput` allows it) a line
// at a time: blank lines and rows of separators only are skipped, the first
// other row must be the header, and every later row goes to `take`. A line
// longer than kMaxCsvLine is refused as soon as the byte past it is read, and
// so is a file longer than `maxBytes`. Nothing when every row was taken;
// `lines` is then the count of lines read.
std::optional<CsvFileFault> ReadCsvFile(const std::string& file, const CsvFileRules& rules, bool standardInput,
                                        std::uint64_t& lines);

} // namespace tarvel
