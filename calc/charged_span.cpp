#include "calc/charged_span.h"

#include "calc/calculate_interest.h"

#include <array>
#include <string>

namespace tarvel {

std::optional<Currency> ChargeSpan(std::span<const RatePeriod> periods, bool ordered, Currency capital, Date start,
                                   Date end, const std::function<ChargedRate(std::size_t)>& rateOf,
                                   std::vector<StatementLine>* rows, std::size_t* cursor)
{
    const RowsReached reached =
        ordered ? RowsReaching(periods, start, end, cursor ? *cursor : 0) : RowsReached{0, periods};
    if (ordered && cursor)
        *cursor = reached.first;
    if (!rows)
        return SpanInterest(reached.rows, capital, start, end);
    std::array<PeriodLine, kMaxChargedRows> lines{};
    const auto interest = SpanInterest(reached.rows, capital, start, end, lines);
    if (!interest)
        return interest;
    for (std::size_t i = 0; i < reached.rows.size(); ++i)
        if (lines[i].applies && lines[i].days > 0)
            AppendSpanRow(*rows, reached.rows[i], lines[i], start, end, capital, rateOf(reached.first + i));
    return interest;
}

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
