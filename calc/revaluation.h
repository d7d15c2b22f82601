#pragma once

#include "calc/currency.h"
#include "calc/failure_reason.h"
#include "calc/price_index.h"
#include "calc/rate_table.h"
#include "calc/words.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvel {

// A sum revalued by the consumer price index from one month to another. The
// coefficient from month A to month B is I_B / I_A, times the link of every
// base change after A up to B, times 1,0009 when A is before February 1992
// and B is not; it is shown with three decimals (half up), the variation,
// (that ratio - 1) x 100, with one (half away from zero), as ISTAT publishes
// them. The revalued amount is the amount times the coefficient as shown, to
// the cent, so that a reader can redo it by hand. A month after the table's
// last is taken at the last index known.

// The index read for a month.
struct IndexReading {
    Month month; // as asked
    Month used;  // the month whose index was taken: the table's last for a later one
    int tenths = 0;
    int baseYear = 0;
};

// The months before February 1992 are carried into the index without tobacco
// by 1,0009, in ten-thousandths.
inline constexpr int kEarlyFactorTenThousandths = 10009;
Month FirstMonthWithoutTobacco(); // February 1992

// How much an update takes of the variation: a rent at 75 %.
inline constexpr int kMaxPercentageHundredths = 10000;

struct Revaluation {
    IndexReading from;
    IndexReading to;
    std::vector<IndexBase> links; // the base changes after `from` up to `to`, in order
    bool earlyFactor = false;     // 1,0009 applied
    int coefficientThousandths = 1000;
    int variationTenths = 0; // may be negative
    Currency amount;
    Currency revalued;
    // An update at a percentage of the variation: the percentage, the
    // variation applied in hundred-thousandths of a point (112500 for
    // 1,125 %; none when the variation is negative) and the amount updated.
    std::optional<int> percentageHundredths;
    std::int64_t appliedHundredThousandths = 0;
    Currency updated;
    // Whether a month after the table's last was taken at the last index.
    bool pastLastIndex = false;
};

// Why a month cannot be revalued: before the table's first. Nothing when it can.
std::optional<std::string> MonthProblem(const PriceIndex& index, Month month);

// The coefficient from `from` to `to`, both from the table's first month on
// and `to` not before `from`, in thousandths as shown.
int CoefficientThousandths(const PriceIndex& index, Month from, Month to);

// `amount` revalued from `from` to `to` (and updated at `percentageHundredths`
// when given), or why not: a month before the table's first, `to` before
// `from`, an amount past the calculation's limits; the field is Start or End.
std::variant<Revaluation, FieldFault> Revalue(const PriceIndex& index, Currency amount, Month from, Month to,
                                              std::optional<int> percentageHundredths = std::nullopt);

// `amount` times a coefficient in thousandths, to the cent (half away from
// zero); nothing past the limits.
std::optional<Currency> TimesCoefficient(Currency amount, int thousandths);

// The percentage of an update: above 0 and at most 100, with at most two
// decimals ("75", "75,5"); nothing for another text.
std::optional<int> ReadPercentage(std::string_view text);
std::optional<FieldFault> PercentageFault(std::string_view text);

// "1,5%", "-0,3%": a variation in tenths of a point.
std::string VariationText(int tenths);
// "1,125%", "0,675%", "0%": the variation applied, exactly.
std::string AppliedVariationText(std::int64_t hundredThousandths);

// "indice di agosto 2026, l'ultimo noto, usato per i mesi successivi", and
// how to add a newer one.
LaterDaysNote LastIndexNote(const PriceIndex& index, std::string how);

// Legal interest on a sum revalued: on the capital, on the capital revalued
// to AL's month, or year by year on the sum revalued to each anniversary of
// DAL (Cass. S.U. 1712/1995).
enum class InterestOn { Initial, Revalued, Yearly };
// The words of --interessi-su.
inline constexpr NamedValue<InterestOn> kInterestOnWords[] = {
    {InterestOn::Initial, "iniziale"},
    {InterestOn::Revalued, "rivalutato"},
    {InterestOn::Yearly, "annuale"},
};

// The anniversaries of `start` after it and before `end`: the same day and month
// of each later year, 28 February for 29 February in a common year.
std::vector<Date> Anniversaries(Date start, Date end);

} // namespace tarvel
