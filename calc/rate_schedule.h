#pragma once

#include "calc/date.h"

#include <array>
#include <string_view>

namespace tarvel {

// How a rate period decides whether a span takes part in it. The first period
// has no period before it, so a span that starts by its last day belongs to it
// whatever its end (a span that ends before the first charged day gets a
// negative count there, as the design has it); the last has none after it, so
// a span that ends after its first day belongs to it whatever its start, and
// its rate is charged on every later day. A period in between takes part only
// when the span has days inside it: the comparisons are strict, because
// fromDate is the previous period's last day and a span's first day is not
// counted. A table of one row has that row first and last: it takes part in
// every span. A row cut away whole, as the legal rows after a claim to the
// court are, takes part in none.
enum class Participation { StartOnly, Overlap, EndOnly, Always, Never };

// One span of days over which the legal rate stayed the same: the days after
// fromDate up to and including toDate. The index is the row's place in its
// table.
struct RatePeriod {
    int index;
    Date fromDate;
    Date toDate;
    double ratePercent;
    // A whole rate is charged with the exact product of the capital and the
    // rate in ten-thousandths, then divided in floating point; any other rate
    // multiplies the capital as a double. The two give different last bits,
    // and the design's results, to the ten-thousandth, come from exactly this
    // split.
    int wholeRatePercent; // the rate when wholeRate, else 0
    bool wholeRate;
    Participation participation;
    std::string_view caption;
    std::string_view act = {}; // the law or decree that set the rate, where known
};

inline constexpr int kPeriodCount = 12;

const std::array<RatePeriod, kPeriodCount>& LegalRateSchedule();

struct ClippedSpan {
    Date start;
    Date end;
};

// Inline: a calculation asks them of every period of every span.
inline bool periodApplies(const RatePeriod& period, Date start, Date end)
{
    switch (period.participation) {
    case Participation::StartOnly: return start <= period.toDate;
    case Participation::Overlap: return end > period.fromDate && start < period.toDate;
    case Participation::EndOnly: return end > period.fromDate;
    case Participation::Always: return true;
    case Participation::Never: return false;
    }
    return false;
}

inline ClippedSpan clipToPeriod(const RatePeriod& period, Date start, Date end)
{
    return {start < period.fromDate ? period.fromDate : start, end < period.toDate ? end : period.toDate};
}

} // namespace tarvel
