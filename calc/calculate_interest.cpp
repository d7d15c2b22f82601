#include "calc/calculate_interest.h"

#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/period_interest.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace tarvel {
namespace {

using namespace period_interest;

// Every number text fits a field's text, so these writes never stop the run.
static_assert(kNumberTextRoom <= ShortText::kCapacity);

void writeCurrency(ShortText& text, Currency value) { text.finish(WriteCurrencyText(value, text.room())); }
void writeAmount(ShortText& text, Currency value) { text.finish(WriteAmount(value, text.room())); }

// The run, writing its texts when `kTexts`; without them its figures and
// outcome are the same, as no write can stop it.
template <bool kTexts>
void run(const CalculationInput& input, std::span<const RatePeriod> table, CalculationResult& result)
{
    using enum ResultControl;
    WrittenTexts& written = result.written;
    if constexpr (kTexts) {
        for (std::size_t i = 0; i < kPeriodCount; ++i)
            written[PeriodControl(i)].clear();
        written.capital = FormatAmount(input.capitalText);
        result.capital = need(ParseCurrency(*written.capital));
        result.runningTotal = result.capital;
        writeCurrency(written[importobis], result.runningTotal);
    } else {
        result.capital = need(ParseCurrency(FormatAmount(input.capitalText)));
        result.runningTotal = result.capital;
    }

    const Date start = result.start = need(ParseDate(input.startText));
    const Date end = result.end = need(ParseDate(input.endText));

    for (std::size_t i = 0; i < result.lineCount; ++i) {
        const RatePeriod& period = table[i];
        if (!periodApplies(period, start, end))
            continue;
        PeriodLine& line = result.lines[i];
        line = chargedLine(period, result.capital, start, end);
        result.runningTotal = need(result.runningTotal.plus(line.interest));
        if (kTexts && i < kPeriodCount)
            writeCurrency(written[PeriodControl(i)], line.interest);
    }

    if constexpr (kTexts)
        writeCurrency(written[importobis], result.runningTotal);
    const Currency totalInterest = need(result.runningTotal.minus(result.capital));
    if (totalInterest.isNegative()) {
        result.runningTotal = Currency();
        if constexpr (kTexts) {
            written[Text1].clear();
            written[importobis].assign("0");
            written[SeeInteressi].clear();
        }
    } else if constexpr (kTexts) {
        writeCurrency(written[Text1], totalInterest);
        writeAmount(written[SeeInteressi], totalInterest);
    }

    result.totalDays = need16(end - start);
    const YearsAndDays span = splitYears(result.totalDays);
    result.years = span.years;
    result.remainingDays = span.remainingDays;
    if constexpr (kTexts) {
        written[Label8].assignCount("anni  ", result.years);
        written[Label23].assignCount(" giorni  ", result.remainingDays);
        writeAmount(written[Label6], result.runningTotal);
    }

    result.ok = result.years >= 0;
}

template <bool kTexts>
CalculationResult calculate(const CalculationInput& input, std::span<const RatePeriod> table)
{
    assert(table.size() <= kMaxChargedRows);
    CalculationResult result;
    result.lineCount = std::min(table.size(), kMaxChargedRows);
    try {
        run<kTexts>(input, table, result);
    } catch (...) {
        result.ok = false;
        // The running total is kept in memory between the rate periods; the
        // field shows it as far as the run got.
        ShortText& runningTotal = result.written[ResultControl::importobis];
        if (kTexts && runningTotal.written())
            writeCurrency(runningTotal, result.runningTotal);
    }
    return result;
}

} // namespace

ControlTexts WindowTextsAfter(const CalculationInput& input, const CalculationResult& result)
{
    ControlTexts window = FreshWindowTexts(input.capitalText);
    Overlay(window, result.written.ToControlTexts());
    if (!result.ok)
        ApplyErrorPath(window);
    return window;
}

CalculationResult CalculateInterest(const CalculationInput& input)
{
    return CalculateInterest(input, LegalRateSchedule());
}

CalculationResult CalculateInterest(const CalculationInput& input, std::span<const RatePeriod> table)
{
    return calculate<true>(input, table);
}

CalculationResult CalculateFigures(const CalculationInput& input, std::span<const RatePeriod> table)
{
    return calculate<false>(input, table);
}

} // namespace tarvel
