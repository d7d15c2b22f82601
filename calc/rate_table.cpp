#include "calc/rate_table.h"

#include "calc/currency.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"

#include <cassert>
#include <cmath>

namespace tarvel {

Date LastChargedDay() { return *Date::fromCivil(2199, 12, 31); }

std::optional<std::string> RateChangeProblem(const RateChange* previous, const RateChange& change)
{
    if (previous && change.firstDay <= previous->firstDay)
        return "la data " + DateText(change.firstDay) + " non viene dopo " + DateText(previous->firstDay);
    if (change.firstDay > LastChargedDay())
        return "la data " + DateText(change.firstDay) + " viene dopo il " + DateText(LastChargedDay())
               + ", l'ultimo giorno che si calcola";
    if (change.rateHundredths < 0 || change.rateHundredths > kMaxRateHundredths)
        return "il tasso " + RateText(change.rateHundredths) + " non è tra 0 e 100";
    return std::nullopt;
}

// Hundredths of a percent are written as a currency text of hundredths of a
// ten-thousandth would be: no grouping, no trailing zeros.
std::string RateText(int rateHundredths) { return CurrencyText(Currency::fromTicks(rateHundredths * 100LL)); }

int RateHundredths(const RatePeriod& period) { return static_cast<int>(std::lround(period.ratePercent * 100)); }

RateTable::RateTable(std::string name, std::vector<RateChange> changes)
    : name_(std::move(name)), changes_(std::move(changes))
{
    assert(!changes_.empty() && changes_.size() <= kMaxRatePeriods);
    const std::size_t count = changes_.size();
    captions_.reserve(count); // the periods view these strings
    periods_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const RateChange& change = changes_[i];
        assert(!RateChangeProblem(i > 0 ? &changes_[i - 1] : nullptr, change));
        captions_.push_back(RateText(change.rateHundredths) + "% dal " + DateText(change.firstDay));
        const bool first = i == 0;
        const bool last = i + 1 == count;
        const Participation participation = first && last ? Participation::Always
                                            : first       ? Participation::StartOnly
                                            : last        ? Participation::EndOnly
                                                          : Participation::Overlap;
        const bool whole = change.rateHundredths % 100 == 0;
        periods_.push_back({
            .index = static_cast<int>(i),
            .fromDate = change.firstDay.plusDays(-1),
            .toDate = last ? LastChargedDay() : changes_[i + 1].firstDay.plusDays(-1),
            .ratePercent = change.rateHundredths / 100.0,
            .wholeRatePercent = whole ? change.rateHundredths / 100 : 0,
            .wholeRate = whole,
            .participation = participation,
            .caption = captions_.back(),
            .act = change.act,
        });
    }
    knownUntil_ = *Date::fromCivil(changes_.back().firstDay.civil().year, 12, 31);
}

} // namespace tarvel
