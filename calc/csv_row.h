#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// Far more than any row of a few fields; a longer line is a broken row.
inline constexpr std::size_t kMaxCsvLine = 4096;
// Spreadsheets may put it at the start of a UTF-8 file; it is skipped.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One row of an Italian CSV: fields separated by ';', each optionally in
// double quotes with "" for a quote inside. A row is one line: a quote left
// open at the end of the line is a broken row, not a field that goes on; so is
// a row with a control character other than a tab, which no field may carry
// into a spreadsheet or a terminal.
class CsvRow {
public:
    enum class Status { Ok, BadQuotes, NotUtf8, ControlCharacters };

    // Reads `line`, without its line end; the fields are kept until the next read.
    Status read(std::string_view line);
    std::size_t size() const { return size_; }
    const std::string& operator[](std::size_t i) const { return fields_[i]; }
    std::span<const std::string> fields() const { return {fields_.data(), size_}; }

private:
    std::string& nextField();
    std::vector<std::string> fields_; // kept between rows, so reading allocates nothing
    std::size_t size_ = 0;
};

// Whether the row holds exactly `names` (lower case): any case, spaces
// around them allowed.
bool IsHeader(const CsvRow& row, std::initializer_list<std::string_view> names);

// Whether every field of the row is empty or spaces: a blank line, or one of
// separators only (";;;", as spreadsheets save an empty row), which every
// reader skips.
bool IsBlankRow(const CsvRow& row);

// Why a row that read with `status` cannot be split into fields, in the words
// of the messages; null for Ok.
const char* ProblemOf(CsvRow::Status status);

bool IsUtf8(std::string_view text);

// Whether a field is written in double quotes: it holds a ';', a quote, a line
// end, or an invisible character (calc/printable.h). A field is kept as the
// data it is, never escaped; the quotes show a spreadsheet or a reader where a
// field that looks like another begins and ends.
bool CsvFieldNeedsQuotes(std::string_view field);

// The field as a CSV file holds it: in double quotes with each quote doubled
// when CsvFieldNeedsQuotes, else as it is. "x;y" gives "\"x;y\"".
std::string CsvField(std::string_view field);

// The same written at `out`, which has room for 2 * field.size() + 3 bytes,
// with `mark` (the ' that tells a spreadsheet a text is no formula) first
// inside when asked; past the last byte written.
char* WriteCsvField(std::string_view field, char* out, bool mark = false);

} // namespace tarvel
