#include "calc/charged_span.h"

#include "calc/period_interest.h"

#include <string>

namespace tarvel {

namespace {

// The span row of `line`, charged by `period` at `rate` on `capital` over
// the days after `start` up to `end`.
void appendSpanRow(std::vector<StatementLine>& rows, const RatePeriod& period, const PeriodLine& line, Date start,
                   Date end, Currency capital, ChargedRate rate)
{
    const ClippedSpan clipped = clipToPeriod(period, start, end);
    StatementLine& row = rows.emplace_back();
    row.day = clipped.start.plusDays(1);
    row.lastDay = clipped.end;
    row.capital = capital;
    row.days = line.days;
    row.rate = rate;
    row.interest = line.interest;
    row.act = std::string(period.act);
}

} // namespace

std::optional<Currency> ChargeSpan(std::span<const RatePeriod> periods, bool ordered, Currency capital, Date start,
                                   Date end, const std::function<ChargedRate(std::size_t)>& rateOf,
                                   std::vector<StatementLine>* rows, std::size_t* cursor)
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
            const PeriodLine line = chargedLine(periods[p], capital, start, end);
            interest = need(interest.plus(line.interest));
            if (rows && line.days > 0)
                appendSpanRow(*rows, periods[p], line, start, end, capital, rateOf(p));
        }
    } catch (const CalculationFailure&) {
        return std::nullopt;
    }
    return interest;
}

} // namespace tarvel
