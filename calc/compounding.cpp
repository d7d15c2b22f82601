#include "calc/compounding.h"

#include "calc/charged_span.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/period_interest.h"
#include "calc/printable.h"

#include <algorithm>
#include <array>
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

std::optional<CompoundingPeriod> ReadCompoundingPeriod(std::string_view word)
{
    for (const auto period : {CompoundingPeriod::Year, CompoundingPeriod::HalfYear, CompoundingPeriod::Quarter})
        if (word == CompoundingPeriodWord(period))
            return period;
    return std::nullopt;
}

const char* CompoundingPeriodWord(CompoundingPeriod period)
{
    switch (period) {
    case CompoundingPeriod::HalfYear: return "semestrale";
    case CompoundingPeriod::Quarter: return "trimestrale";
    case CompoundingPeriod::Year: break;
    }
    return "annuale";
}

std::string CompoundingText(CompoundingPeriod period, std::optional<Date> from)
{
    return std::string("capitalizzazione ") + CompoundingPeriodWord(period) + (from ? " dal " + DateText(*from) : "");
}

std::variant<Date, FieldFault> ReadCompoundingFrom(std::string_view text, Date start, Date end)
{
    const auto field = DateFieldText(text);
    if (!field)
        return FieldFault{InputField::CompoundingFrom, "data non valida: " + Quoted(text)};
    const Date from = *ParseDate(*field);
    if (from < start || from > end)
        return FieldFault{InputField::CompoundingFrom,
                          "il " + DateText(from) + " non è tra DAL " + DateText(start) + " e AL " + DateText(end)};
    return from;
}

std::vector<Date> CapitalisationDays(CompoundingPeriod period, Date start, Date end, std::optional<Date> from)
{
    std::vector<Date> days;
    if (from && *from > start && *from < end)
        days.push_back(*from);
    const Date after = from ? std::max(start, *from) : start;
    const int first = after.civil().year;
    const int last = end.civil().year;
    days.reserve(days.size() + static_cast<std::size_t>(last - first + 1) * closingMonths(period).size());
    for (int year = first; year <= last; ++year) {
        const Date yearEnd = *Date::fromCivil(year, 12, 31);
        for (const int month : closingMonths(period)) {
            const Date day = lastDayOf(yearEnd, month);
            if (day > after && day < end)
                days.push_back(day);
        }
    }
    return days;
}

namespace {

// One row's compounding as it goes: charged up to `from`, the next
// capitalisation day `next`.
struct CompoundingRun {
    CompoundedInterest compounded;
    Date from;
    std::size_t next = 0;
    std::size_t first = 0; // the first rate period that may reach the next stretch
    bool done = false;
    bool failed = false;
};

// The next stretch of `run`: its interest charged, rounded to the cent and,
// but at the end, capitalised. A claim's periods are two tables side by side,
// the others one in order of its days: a stretch is looked for from where the
// last one's began, and no period from one that begins on its end or later
// charges it.
void chargeStretch(const ChargedRates& rates, std::span<const RatePeriod> periods, bool ordered, Date end,
                   const std::vector<Date>& days, CompoundingRun& run, std::vector<StatementLine>* rows)
{
    using namespace period_interest;
    CompoundedInterest& compounded = run.compounded;
    const bool last = run.next == days.size();
    const Date from = run.from;
    const Date to = last ? end : days[run.next];
    try {
        while (ordered && run.first < periods.size() && periods[run.first].toDate < from)
            ++run.first;
        Currency accrued;
        for (std::size_t p = run.first; p < periods.size() && (!ordered || periods[p].fromDate < to); ++p) {
            if (!periodApplies(periods[p], from, to))
                continue;
            const PeriodLine line = chargedLine(periods[p], compounded.capital, from, to);
            accrued = need(accrued.plus(line.interest));
            if (rows && line.days > 0)
                AppendSpanRow(*rows, periods[p], line, from, to, compounded.capital, rates.Charged(p));
        }
        const Currency part = accrued.toCents();
        compounded.interest = need(compounded.interest.plus(part));
        if (!last) {
            compounded.capital = need(compounded.capital.plus(part));
            if (rows) {
                StatementLine& line = rows->emplace_back();
                line.kind = StatementLine::Kind::Capitalisation;
                line.day = to;
                line.amount = part;
                line.capital = compounded.capital;
            }
        }
    } catch (const CalculationFailure&) {
        run.failed = true;
    }
    run.done = last || run.failed;
    run.from = to;
    ++run.next;
}

bool ordered(const ChargedRates& rates) { return rates.ChargedRegime() != Regime::LegalWithClaim; }

} // namespace

std::optional<CompoundedInterest> Compound(const ChargedRates& rates, std::span<const RatePeriod> periods,
                                           Currency capital, Date start, Date end, const std::vector<Date>& days,
                                           std::vector<StatementLine>* rows)
{
    CompoundingRun run{{Currency(), capital}, start};
    while (!run.done)
        chargeStretch(rates, periods, ordered(rates), end, days, run, rows);
    return run.failed ? std::nullopt : std::optional(run.compounded);
}

} // namespace tarvel
