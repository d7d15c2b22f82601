#include "calculate_interest.h"

#include "texts.h"

#include <cmath>
#include <limits>

namespace tarvel {
namespace {

// Thrown at the first step that cannot go on; CalculateInterest turns it into
// the failed outcome, with the texts written so far left in place.
struct CalculationFailure {};

template <class T>
T need(std::optional<T> value)
{
    if (!value)
        throw CalculationFailure{};
    return *value;
}

std::int16_t need16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw CalculationFailure{};
    return static_cast<std::int16_t>(value);
}

struct YearsAndDays {
    std::int16_t years;
    std::int16_t remainingDays;
};

// Whole 365-day years rounded down and the days left over, in 16-bit counts:
// 365 times the years must itself fit, as must the difference.
YearsAndDays splitYears(std::int16_t days)
{
    const auto years = need16(static_cast<std::int32_t>(std::floor(days / 365.0)));
    const auto yearDays = need16(365 * years);
    return {years, need16(days - yearDays)};
}

double annualInterest(const RatePeriod& period, Currency capital)
{
    if (period.wholeRate)
        return need(capital.times(period.wholeRatePercent)).toDouble() / 100.0;
    return capital.toDouble() * period.ratePercent / 100.0;
}

void run(const CalculationInput& input, CalculationResult& result)
{
    ControlTexts& written = result.written;
    for (auto& period : written.txtAnno)
        period = std::string();

    written.importo = FormatAmount(input.capitalText);
    result.capital = need(ParseCurrency(*written.importo));
    result.runningTotal = result.capital;
    written.importobis = CurrencyText(result.runningTotal);

    const Date start = need(ParseDate(input.startText));
    const Date end = need(ParseDate(input.endText));

    for (const RatePeriod& period : LegalRateSchedule()) {
        if (!periodApplies(period, start, end))
            continue;
        PeriodLine& line = result.lines[static_cast<std::size_t>(period.index)];
        const ClippedSpan span = clipToPeriod(period, start, end);
        line.days = need16(span.end - span.start);
        const YearsAndDays split = splitYears(line.days);
        line.years = split.years;
        line.remainingDays = split.remainingDays;

        const double a = annualInterest(period, result.capital);
        const double partYear = (a * line.remainingDays) / 365.0;
        line.interest = need(Currency::fromDouble(a * line.years + partYear));
        line.applies = true;

        result.runningTotal = need(result.runningTotal.plus(line.interest));
        line.interestText = CurrencyText(line.interest);
        written.txtAnno[static_cast<std::size_t>(period.index)] = line.interestText;
    }

    written.importobis = CurrencyText(result.runningTotal);
    const Currency totalInterest = need(result.runningTotal.minus(result.capital));
    written.Text1 = CurrencyText(totalInterest);
    if (totalInterest.isNegative()) {
        written.Text1 = std::string();
        result.runningTotal = Currency();
        written.importobis = "0";
    }
    written.SeeInteressi = FormatAmount(*written.Text1);

    result.totalDays = need16(end - start);
    const YearsAndDays span = splitYears(result.totalDays);
    result.years = span.years;
    result.remainingDays = span.remainingDays;
    written.Label8 = "anni  " + WholeNumberText(result.years);
    written.Label23 = " giorni  " + WholeNumberText(result.remainingDays);
    written.Label6 = FormatAmount(*written.importobis);

    result.ok = result.years >= 0;
}

} // namespace

CalculationResult CalculateInterest(const CalculationInput& input)
{
    CalculationResult result;
    try {
        run(input, result);
    } catch (...) {
        result.ok = false;
        // The running total is kept in memory between the rate periods; the
        // field shows it as far as the run got.
        if (result.written.importobis)
            result.written.importobis = CurrencyText(result.runningTotal);
    }
    return result;
}

} // namespace tarvel
