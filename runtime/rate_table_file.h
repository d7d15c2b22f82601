#pragma once

#include "calc/rate_table.h"
#include "runtime/csv_file.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <variant>

namespace tarvel {

// A table of rates as a file: UTF-8 CSV with ';', the header dal;tasso;atto,
// then one row per change: the first day (in the forms the arguments take),
// the rate in percent (a decimal comma, at most two decimals, 0 to 100; see
// ReadRate) and the act (may be empty), in strictly increasing order of first
// day. The same format holds legal rates and reference rates.

// Why a table file cannot be used, as data a window can show; its message
// names the file: "tassi.csv: riga 7: la data 01/01/2019 non viene dopo
// 01/01/2020".
using RateTableFileFault = CsvFileFault;

// More than a header and kMaxRatePeriods rows of the longest lines take: a
// longer file is refused as soon as it is read that far, so that an input
// that never ends (a device, a pipe) is refused at once.
inline constexpr std::size_t kMaxRateTableFileBytes = 266370;

// The table in `file`, named after it ("Tassi dal file tassi.csv", "Tassi di
// riferimento dal file mora.csv"), or the first thing wrong with it.
std::variant<RateTable, RateTableFileFault> LoadRateTableFile(const std::string& file, RateKind kind);

// The same for tarvel-calc: on a fault nothing, and its message on `errors`
// after "tarvel-calc: ".
std::optional<RateTable> ReadRateTableFile(const std::string& file, std::ostream& errors,
                                           RateKind kind = RateKind::Legal);

// The periods in the file's form, ready to be read back; the day after each
// fromDate is its first day.
void WriteRateTableFile(std::ostream& out, std::span<const RatePeriod> periods);

} // namespace tarvel
