#include "calc/compounding.h"

#include "calc/charged_span.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/printable.h"

#include <algorithm>
#include <array>
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

std::optional<CompoundedInterest> Compound(const ChargedRates& rates, std::span<const RatePeriod> periods,
                                           Currency capital, Date start, Date end, const std::vector<Date>& days,
                                           std::vector<StatementLine>* rows)
{
    // A claim's periods are two tables side by side, the others one in order of its days.
    const bool ordered = rates.ChargedRegime() != Regime::LegalWithClaim;
    const std::function<ChargedRate(std::size_t)> rateOf = [&rates](std::size_t i) { return rates.Charged(i); };
    CompoundedInterest compounded{Currency(), capital};
    Date from = start;
    std::size_t cursor = 0;
    for (std::size_t i = 0; i <= days.size(); ++i) {
        const Date to = i < days.size() ? days[i] : end;
        const auto accrued = ChargeSpan(periods, ordered, compounded.capital, from, to, rateOf, rows, &cursor);
        const auto interest = accrued ? compounded.interest.plus(accrued->toCents()) : std::nullopt;
        if (!interest)
            return std::nullopt;
        compounded.interest = *interest;
        if (i < days.size()) {
            const auto grown = compounded.capital.plus(accrued->toCents());
            if (!grown)
                return std::nullopt;
            compounded.capital = *grown;
            if (rows) {
                StatementLine& line = rows->emplace_back();
                line.kind = StatementLine::Kind::Capitalisation;
                line.day = to;
                line.amount = accrued->toCents();
                line.capital = compounded.capital;
            }
        }
        from = to;
    }
    return compounded;
}

} // namespace tarvel
