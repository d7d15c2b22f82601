#pragma once

#include "calc/date.h"
#include "calc/rate_schedule.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvel {

// As many rows as a table may have: the rates in force, and one decree a year
// for decades to come. A result holds a line for each row in place.
inline constexpr std::size_t kMaxRatePeriods = 64;

// The rate, in hundredths of a percent, that a table may charge at most: 100 %.
inline constexpr int kMaxRateHundredths = 10000;

// One change of the legal rate: charged from its first day on, until the
// next change.
struct RateChange {
    Date firstDay;
    int rateHundredths; // 250 for 2,5 %
    std::string act;    // the law or decree; may be empty
};

// The last day any table charges, as the program's own last period does.
Date LastChargedDay();

// What keeps `change` from following `previous` (none for the first row) in a
// table, as a message ("la data 01/01/2019 non viene dopo 01/01/2020"), or
// nothing when it may.
std::optional<std::string> RateChangeProblem(const RateChange* previous, const RateChange& change);

// "5", "2,5", "0,05": a rate in percent as captions and table files write it.
std::string RateText(int rateHundredths);
// The period's rate in hundredths of a percent, for RateText.
int RateHundredths(const RatePeriod& period);

// Rate periods made from a list of changes. A row runs from its first day to
// the day before the next row's, the last row to LastChargedDay(). The first
// row takes part by the start only, the last by the end only, the others by
// their overlap with the span, as in the program's own table; captions read
// "2,5% dal 01/01/1999".
class RateTable {
public:
    // `changes`: 1 to kMaxRatePeriods rows of rates 0 to kMaxRateHundredths,
    // each without a RateChangeProblem after the one before it.
    RateTable(std::string name, std::vector<RateChange> changes);

    // The periods point into the table's own texts.
    RateTable(const RateTable&) = delete;
    RateTable& operator=(const RateTable&) = delete;
    RateTable(RateTable&&) = default;
    RateTable& operator=(RateTable&&) = default;

    std::span<const RatePeriod> periods() const { return periods_; }
    const std::vector<RateChange>& changes() const { return changes_; }
    // Where the rates come from, as the report names them: "Tassi legali in vigore".
    const std::string& name() const { return name_; }
    // The last day of the year of the last change. Later days are charged at
    // its rate, though a newer decree may have set another.
    Date knownUntil() const { return knownUntil_; }

private:
    std::string name_;
    std::vector<RateChange> changes_;
    std::vector<std::string> captions_;
    std::vector<RatePeriod> periods_;
    Date knownUntil_;
};

} // namespace tarvel
