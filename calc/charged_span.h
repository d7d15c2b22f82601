#pragma once

#include "calc/currency.h"
#include "calc/date.h"
#include "calc/period_interest.h"
#include "calc/rate_schedule.h"
#include "calc/statement_line.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tarvel {

// The span row of `line`, charged by `period` at `rate` on `capital` over
// the days after `start` up to `end`.
void AppendSpanRow(std::vector<StatementLine>& rows, const RatePeriod& period, const PeriodLine& line, Date start,
                   Date end, Currency capital, ChargedRate rate);

// The interest of `capital` over the days after `start` up to and including
// `end` at the rows of `periods` (in order of their days when `ordered`, as a
// table's are), and into `rows`, when given, a span row for each period with
// days charged, at the rate `rateOf` gives for its place in `periods`. The
// exact interest, or nothing past the calculation's limits. A caller that
// charges ordered spans one after the other keeps `cursor` for them, from 0:
// the first period that may reach the next span.
// Inlined: a compounded span charges one stretch after another, and two spans in turn.
[[gnu::always_inline]] inline std::optional<Currency> ChargeSpan(std::span<const RatePeriod> periods, bool ordered,
                                                                 Currency capital, Date start, Date end,
                                                                 const std::function<ChargedRate(std::size_t)>& rateOf,
                                                                 std::vector<StatementLine>* rows,
                                                                 std::size_t* cursor = nullptr)
{
    using namespace period_interest;
    // Periods in order of their days: those that end before the start charge
    // nothing, nor does any from one that begins on the end or later.
    std::size_t first = ordered && cursor ? *cursor : 0;
    while (ordered && first < periods.size() && periods[first].toDate < start)
        ++first;
    if (cursor)
        *cursor = first;
    Currency interest;
    try {
        for (std::size_t p = first; p < periods.size() && (!ordered || periods[p].fromDate < end); ++p) {
            if (!periodApplies(periods[p], start, end))
                continue;
            // A period that begins after the span (a claim's tables are not
            // in order) or ends before it charges nothing: days before a
            // table's first day are no days of it.
            const PeriodLine line = chargedLine(periods[p], capital, start, end);
            if (line.days <= 0)
                continue;
            interest = need(interest.plus(line.interest));
            if (rows)
                AppendSpanRow(*rows, periods[p], line, start, end, capital, rateOf(p));
        }
    } catch (const CalculationFailure&) {
        return std::nullopt;
    }
    return interest;
}

} // namespace tarvel
