#pragma once

// The interest of one rate period, as every calculation charges it, inline
// for the calculations that charge many: included by calc/ only, whose
// floating-point operations keep the order written here (-ffp-contract=off).

#include "calc/calculate_interest.h"
#include "calc/rate_schedule.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace tarvel::period_interest {

// Thrown at the first step that cannot go on; CalculateInterest turns it into
// the failed outcome, with the texts written so far left in place.
struct CalculationFailure {};

template <class T>
inline T need(std::optional<T> value)
{
    if (!value)
        throw CalculationFailure{};
    return *value;
}

inline std::int16_t need16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw CalculationFailure{};
    return static_cast<std::int16_t>(value);
}

struct YearsAndDays {
    std::int16_t years;
    std::int16_t remainingDays;
};

// Whole 365-day years rounded down and the days left over, in 16-bit counts:
// 365 times the years must itself fit, as must the difference. A 16-bit count
// over 365 is never within a rounding error of a whole number, so dividing
// whole numbers rounds down exactly as the floor of the double quotient.
inline YearsAndDays splitYears(std::int16_t days)
{
    const int quotient = days / 365 - (days % 365 < 0 ? 1 : 0);
    const auto years = need16(quotient);
    const auto yearDays = need16(365 * years);
    return {years, need16(days - yearDays)};
}

inline double annualInterest(const RatePeriod& period, Currency capital)
{
    if (period.wholeRate)
        return need(capital.times(period.wholeRatePercent)).toDouble() / 100.0;
    return capital.toDouble() * period.ratePercent / 100.0;
}

// The line of a period the span from `start` to `end` touches; inlined into
// the loops over the periods (calc/charged_span.h).
[[gnu::always_inline]] inline PeriodLine chargedLine(const RatePeriod& period, Currency capital, Date start, Date end)
{
    PeriodLine line;
    const ClippedSpan span = clipToPeriod(period, start, end);
    line.days = need16(span.end - span.start);
    const YearsAndDays split = splitYears(line.days);
    line.years = split.years;
    line.remainingDays = split.remainingDays;

    const double a = annualInterest(period, capital);
    const double partYear = (a * line.remainingDays) / 365.0;
    line.interest = need(Currency::fromDouble(a * line.years + partYear));
    line.applies = true;
    return line;
}

} // namespace tarvel::period_interest
