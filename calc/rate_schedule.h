#pragma once

#include "calc/date.h"

#include <array>
#include <string_view>

namespace tarvel {

enum class Participation { StartOnly, Overlap, EndOnly };

// One span of days over which the legal rate stayed the same: the days after
// fromDate up to and including toDate.
struct RatePeriod {
    int index;
    Date fromDate;
    Date toDate;
    double ratePercent;
    int wholeRatePercent; // the rate when wholeRate, else 0
    bool wholeRate;
    Participation participation;
    std::string_view caption;
};

inline constexpr int kPeriodCount = 12;

const std::array<RatePeriod, kPeriodCount>& LegalRateSchedule();

struct ClippedSpan {
    Date start;
    Date end;
};

bool periodApplies(const RatePeriod& period, Date start, Date end);
ClippedSpan clipToPeriod(const RatePeriod& period, Date start, Date end);

} // namespace tarvel
