#include "calc/charged_span.h"

#include <string>

namespace tarvel {

void AppendSpanRow(std::vector<StatementLine>& rows, const RatePeriod& period, const PeriodLine& line, Date start,
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

} // namespace tarvel
