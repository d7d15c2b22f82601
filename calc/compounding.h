#pragma once

#include "calc/charged_rates.h"
#include "calc/currency.h"
#include "calc/date.h"
#include "calc/failure_reason.h"
#include "calc/rate_schedule.h"
#include "calc/statement_line.h"
#include "calc/words.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvel {

// Interest capitalised at the end of each year (31/12), half-year (30/06 and
// 31/12) or quarter (31/03, 30/06, 30/09 and 31/12) that falls after the start
// and before the end: the interest accrued since the last capitalisation,
// rounded to the cent (half away from zero), is added to the capital on that
// day and earns interest with it from the day after. From a day given (the
// day of a court claim), the interest is simple up to it, capitalised on it,
// and then at each end of period. At the end, the interest accrued since the
// last capitalisation is rounded to the cent.
enum class CompoundingPeriod { Year, HalfYear, Quarter };

// The words of --capitalizzazione.
inline constexpr NamedValue<CompoundingPeriod> kCompoundingPeriodWords[] = {
    {CompoundingPeriod::Year, "annuale"},
    {CompoundingPeriod::HalfYear, "semestrale"},
    {CompoundingPeriod::Quarter, "trimestrale"},
};

// Interest capitalised at each end of period, from the start or from a day
// given (as the user typed it).
struct CompoundingRequest {
    CompoundingPeriod period = CompoundingPeriod::Year;
    std::string from{}; // empty: from the start
};

// How a statement's interest was compounded.
struct StatementCompounding {
    CompoundingPeriod period = CompoundingPeriod::Year;
    std::optional<Date> from;
    Currency interest; // all that was capitalised and the last part
    Currency due;      // the capital and the interest
};

// "capitalizzazione annuale", "capitalizzazione trimestrale dal 15/03/2022".
std::string CompoundingText(CompoundingPeriod period, std::optional<Date> from);
// The one line a compounded statement says of the law.
inline constexpr char kCompoundingLawNote[] =
    "La capitalizzazione degli interessi è lecita solo dove la legge o un accordo la consentono (art. 1283 c.c.).";

// The day compounding starts from, in the forms tarvel-calc takes, or why it
// cannot be: not a date, or outside the span from `start` to `end`.
std::variant<Date, FieldFault> ReadCompoundingFrom(std::string_view text, Date start, Date end);
// Why a day read cannot be: outside the span.
std::optional<FieldFault> CompoundingFromFault(Date from, Date start, Date end);

// The days the interest is capitalised on, in order; the second form into
// `days`, for a caller that reuses it from span to span.
std::vector<Date> CapitalisationDays(CompoundingPeriod period, Date start, Date end, std::optional<Date> from);
void CapitalisationDays(CompoundingPeriod period, Date start, Date end, std::optional<Date> from,
                        std::vector<Date>& days);

struct CompoundedInterest {
    Currency interest; // all that was capitalised and the last part, to the cent
    Currency capital;  // the capital with all that was capitalised
};

// A span to compound: `capital` over the days after `start` up to `end`,
// capitalised on `days`.
struct CompoundingSpan {
    Currency capital;
    Date start;
    Date end;
    std::span<const Date> days;
};

// `span` compounded on the rows of `rates` (`periods`, as rates.Periods gave
// them); into `rows`, when given, each stretch's span rows and each
// capitalisation. Nothing past the calculation's limits.
std::optional<CompoundedInterest> Compound(const ChargedRates& rates, std::span<const RatePeriod> periods,
                                           const CompoundingSpan& span, std::vector<StatementLine>* rows);

// Compound of each of `spans`, without rows, into `results` (as many): the
// same figures, several spans' stretches charged in turn for speed.
void CompoundEach(const ChargedRates& rates, std::span<const RatePeriod> periods,
                  std::span<const CompoundingSpan> spans, std::span<std::optional<CompoundedInterest>> results);

} // namespace tarvel
