#pragma once

#include "calc/rate_table.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tarvel {

// A table of rates as a file: UTF-8 CSV with ';', the header dal;tasso;atto,
// then one row per change: the first day (in the forms the arguments take),
// the rate in percent (a decimal comma, at most two decimals, 0 to 100) and
// the act (may be empty), in strictly increasing order of first day.

// The rate of a table file in hundredths of a percent: "2,5" is 250. Nothing
// for any other text than one to three digits, optionally a ',' and one or
// two more.
std::optional<int> ReadRate(std::string_view text);

// The table in `file`, named after it. On the first thing wrong with it,
// nothing, and one line on `errors` naming the file, the line and what is
// wrong: "tarvel-calc: tassi.csv: riga 7: la data 01/01/2019 non viene dopo
// 01/01/2020".
std::optional<RateTable> ReadRateTableFile(const std::string& file, std::ostream& errors);

// The periods in the file's form, ready to be read back; the day after each
// fromDate is its first day.
void WriteRateTableFile(std::ostream& out, std::span<const RatePeriod> periods);

} // namespace tarvel
