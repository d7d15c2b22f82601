#include "calc/compounding.h"

#include "calc/charged_span.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/printable.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <functional>
#include <variant>

namespace tarvel {
namespace {

// The last day of the months that end a period, by period.
std::span<const int> closingMonths(CompoundingPeriod period)
{
    static constexpr std::array<int, 1> kYear = {12};
    static constexpr std::array<int, 2> kHalfYear = {6, 12};
    static constexpr std::array<int, 4> kQuarter = {3, 6, 9, 12};
    switch (period) {
    case CompoundingPeriod::HalfYear: return kHalfYear;
    case CompoundingPeriod::Quarter: return kQuarter;
    case CompoundingPeriod::Year: break;
    }
    return kYear;
}

// The last day of a month that ends a period, counted back from 31/12 of its
// year: 31/03, 30/06 and 30/09 are 275, 184 and 92 days before it, leap year or not.
Date lastDayOf(Date yearEnd, int month)
{
    switch (month) {
    case 3: return yearEnd.plusDays(-275);
    case 6: return yearEnd.plusDays(-184);
    case 9: return yearEnd.plusDays(-92);
    default: return yearEnd;
    }
}

} // namespace

std::string CompoundingText(CompoundingPeriod period, std::optional<Date> from)
{
    return std::string("capitalizzazione ") + WordOf(kCompoundingPeriodWords, period)
           + (from ? " dal " + DateText(*from) : "");
}

std::variant<Date, FieldFault> ReadCompoundingFrom(std::string_view text, Date start, Date end)
{
    const auto field = DateFieldText(text);
    if (!field)
        return FieldFault{InputField::CompoundingFrom, "data non valida: " + Quoted(text)};
    const Date from = *ParseDate(*field);
    if (auto fault = CompoundingFromFault(from, start, end))
        return std::move(*fault);
    return from;
}

std::optional<FieldFault> CompoundingFromFault(Date from, Date start, Date end)
{
    if (from >= start && from <= end)
        return std::nullopt;
    return FieldFault{InputField::CompoundingFrom,
                      "il " + DateText(from) + " non è tra DAL " + DateText(start) + " e AL " + DateText(end)};
}

void CapitalisationDays(CompoundingPeriod period, Date start, Date end, std::optional<Date> from,
                        std::vector<Date>& days)
{
    days.clear();
    if (from && *from > start && *from < end)
        days.push_back(*from);
    const Date after = from ? std::max(start, *from) : start;
    const int first = after.civil().year;
    const int last = end.civil().year;
    Date yearEnd = *Date::fromCivil(first, 12, 31);
    for (int year = first; year <= last; ++year) {
        for (const int month : closingMonths(period)) {
            const Date day = lastDayOf(yearEnd, month);
            if (day > after && day < end)
                days.push_back(day);
        }
        yearEnd = yearEnd.plusDays(IsLeapYear(year + 1) ? 366 : 365);
    }
}

std::vector<Date> CapitalisationDays(CompoundingPeriod period, Date start, Date end, std::optional<Date> from)
{
    std::vector<Date> days;
    CapitalisationDays(period, start, end, from, days);
    return days;
}

namespace {

// A span compounded one stretch at a time: the interest of the days up to the
// next capitalisation day (or the end), on the capital of the moment, rounded
// to the cent and added to the interest, and on a capitalisation day to the
// capital.
class Stretches {
public:
    Stretches() = default;
    explicit Stretches(const CompoundingSpan& span)
        : compounded_{Currency(), span.capital}, from_(span.start), end_(span.end), days_(span.days)
    {
    }

    bool done() const { return done_; }
    // Nothing once a stretch has left the calculation's limits.
    std::optional<CompoundedInterest> result() const
    {
        return failed_ ? std::nullopt : std::optional<CompoundedInterest>(compounded_);
    }

    // Inlined, as what it calls, so that the stretches of two spans charged
    // in turn overlap.
    [[gnu::always_inline]] void chargeNext(std::span<const RatePeriod> periods, bool ordered,
                                           const std::function<ChargedRate(std::size_t)>& rateOf,
                                           std::vector<StatementLine>* rows)
    {
        const bool capitalised = next_ < days_.size();
        const Date to = capitalised ? days_[next_++] : end_;
        const auto accrued = ChargeSpan(periods, ordered, compounded_.capital, from_, to, rateOf, rows, &cursor_);
        const Currency cents = accrued ? accrued->toCents() : Currency();
        const auto interest = accrued ? compounded_.interest.plus(cents) : std::nullopt;
        const auto capital = capitalised ? compounded_.capital.plus(cents) : compounded_.capital;
        done_ = !capitalised || !interest || !capital;
        if (!interest || !capital) {
            failed_ = true;
            return;
        }
        compounded_ = {*interest, *capital};
        if (capitalised && rows) {
            StatementLine& line = rows->emplace_back();
            line.kind = StatementLine::Kind::Capitalisation;
            line.day = to;
            line.amount = cents;
            line.capital = compounded_.capital;
        }
        from_ = to;
    }

private:
    CompoundedInterest compounded_;
    Date from_;
    Date end_;
    std::span<const Date> days_;
    std::size_t next_ = 0;   // the next capitalisation day
    std::size_t cursor_ = 0; // the first period that may reach the next stretch
    bool done_ = false;
    bool failed_ = false;
};

// A claim's periods are two tables side by side, the others one in order of its days.
bool inOrder(const ChargedRates& rates) { return rates.ChargedRegime() != Regime::LegalWithClaim; }

// The rate a span row shows for each of the periods.
std::function<ChargedRate(std::size_t)> rateOf(const ChargedRates& rates)
{
    return [&rates](std::size_t i) { return rates.Charged(i); };
}

} // namespace

std::optional<CompoundedInterest> Compound(const ChargedRates& rates, std::span<const RatePeriod> periods,
                                           const CompoundingSpan& span, std::vector<StatementLine>* rows)
{
    const auto rowRates = rateOf(rates);
    Stretches stretches(span);
    while (!stretches.done())
        stretches.chargeNext(periods, inOrder(rates), rowRates, rows);
    return stretches.result();
}

void CompoundEach(const ChargedRates& rates, std::span<const RatePeriod> periods,
                  std::span<const CompoundingSpan> spans, std::span<std::optional<CompoundedInterest>> results)
{
    assert(results.size() == spans.size());
    // Each stretch waits on the one before it, whose interest its capital
    // holds: the stretches of kTogether spans in turn keep the processor
    // busy while one waits.
    constexpr std::size_t kTogether = 2;
    const bool ordered = inOrder(rates);
    const auto rowRates = rateOf(rates);
    for (std::size_t first = 0; first < spans.size(); first += kTogether) {
        const std::size_t count = std::min(kTogether, spans.size() - first);
        std::array<Stretches, kTogether> each;
        for (std::size_t k = 0; k < count; ++k)
            each[k] = Stretches(spans[first + k]);
        for (bool charging = true; charging;) {
            charging = false;
            for (std::size_t k = 0; k < count; ++k) {
                if (each[k].done())
                    continue;
                each[k].chargeNext(periods, ordered, rowRates, nullptr);
                charging = true;
            }
        }
        for (std::size_t k = 0; k < count; ++k)
            results[first + k] = each[k].result();
    }
}

} // namespace tarvel
