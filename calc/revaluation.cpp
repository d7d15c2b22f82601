#include "calc/revaluation.h"

#include "calc/printable.h"
#include "calc/rate_table.h"
#include "calc/trim_spaces.h"

#include <algorithm>
#include <limits>

namespace tarvel {
namespace {

// The products of the indices and the links take more than 64 bits: five
// links of four digits, an index of six and the factor of five.
__extension__ typedef __int128 Wide;

Wide power(Wide base, std::size_t exponent)
{
    Wide value = 1;
    for (std::size_t i = 0; i < exponent; ++i)
        value *= base;
    return value;
}

// The quotient to the nearest whole number, ties away from zero; `divisor` > 0.
Wide roundedQuotient(Wide dividend, Wide divisor)
{
    // Most quotients fit 64 bits, whose division is far quicker.
    constexpr Wide narrow = Wide{1} << 61;
    if (dividend < narrow && dividend > -narrow && divisor < narrow) {
        const std::int64_t a = static_cast<std::int64_t>(dividend);
        const std::int64_t b = static_cast<std::int64_t>(divisor);
        const std::int64_t magnitude = (2 * (a < 0 ? -a : a) + b) / (2 * b);
        return a < 0 ? -magnitude : magnitude;
    }
    const Wide magnitude = (2 * (dividend < 0 ? -dividend : dividend) + divisor) / (2 * divisor);
    return dividend < 0 ? -magnitude : magnitude;
}

std::optional<Currency> currencyOf(Wide ticks)
{
    if (ticks > std::numeric_limits<std::int64_t>::max() || ticks < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return Currency::fromTicks(static_cast<std::int64_t>(ticks));
}

// Ticks to whole cents of `numerator` / `denominator` ticks, as ticks.
std::optional<Currency> toCents(Wide numerator, Wide denominator)
{
    constexpr Wide cent = Currency::kScale / 100;
    return currencyOf(roundedQuotient(numerator, denominator * cent) * cent);
}

IndexReading readingOf(const PriceIndex& index, Month month)
{
    const Month used = std::min(month, index.last());
    return {month, used, index.tenthsOf(used), index.baseOf(used).year};
}

// The ratio of the coefficient from `from` to `to` as a fraction.
struct Ratio {
    Wide numerator;
    Wide denominator;
};

Ratio ratioOf(const PriceIndex& index, Month from, Month to, std::vector<IndexBase>* links, bool* earlyFactor)
{
    const Month a = std::min(from, index.last());
    const Month b = std::min(to, index.last());
    Wide numerator = index.tenthsOf(b);
    Wide denominator = index.tenthsOf(a);
    std::size_t count = 0;
    for (const IndexBase& base : index.bases())
        if (base.firstMonth > a && base.firstMonth <= b) {
            numerator *= base.linkThousandths;
            ++count;
            if (links)
                links->push_back(base);
        }
    denominator *= power(1000, count);
    const bool early = from < FirstMonthWithoutTobacco() && to >= FirstMonthWithoutTobacco();
    if (early) {
        numerator *= kEarlyFactorTenThousandths;
        denominator *= 10000;
    }
    if (earlyFactor)
        *earlyFactor = early;
    return {numerator, denominator};
}

} // namespace

Month FirstMonthWithoutTobacco() { return Month::of(1992, 2); }

std::optional<std::string> MonthProblem(const PriceIndex& index, Month month)
{
    if (month < index.first())
        return "nessun indice per " + MonthText(month) + ": la tabella degli indici comincia da "
               + MonthText(index.first());
    return std::nullopt;
}

int CoefficientThousandths(const PriceIndex& index, Month from, Month to)
{
    const Ratio ratio = ratioOf(index, from, to, nullptr, nullptr);
    return static_cast<int>(roundedQuotient(ratio.numerator * 1000, ratio.denominator));
}

std::optional<Currency> TimesCoefficient(Currency amount, int thousandths)
{
    return toCents(Wide(amount.ticks()) * thousandths, 1000);
}

std::variant<Revaluation, FieldFault> Revalue(const PriceIndex& index, Currency amount, Month from, Month to,
                                              std::optional<int> percentageHundredths)
{
    if (auto problem = MonthProblem(index, from))
        return FieldFault{InputField::Start, std::move(*problem)};
    if (auto problem = MonthProblem(index, to))
        return FieldFault{InputField::End, std::move(*problem)};
    if (to < from)
        return FieldFault{InputField::End,
                          "il mese " + MonthText(to) + " viene prima di quello di DAL, " + MonthText(from)};
    Revaluation revaluation;
    revaluation.from = readingOf(index, from);
    revaluation.to = readingOf(index, to);
    revaluation.pastLastIndex = to > index.last();
    const Ratio ratio = ratioOf(index, from, to, &revaluation.links, &revaluation.earlyFactor);
    revaluation.coefficientThousandths = static_cast<int>(roundedQuotient(ratio.numerator * 1000, ratio.denominator));
    revaluation.variationTenths =
        static_cast<int>(roundedQuotient((ratio.numerator - ratio.denominator) * 1000, ratio.denominator));
    revaluation.amount = amount;
    const auto revalued = TimesCoefficient(amount, revaluation.coefficientThousandths);
    if (!revalued)
        return FieldFault{InputField::Capital, "importo troppo grande per la rivalutazione"};
    revaluation.revalued = *revalued;
    if (percentageHundredths) {
        revaluation.percentageHundredths = percentageHundredths;
        revaluation.appliedHundredThousandths =
            std::int64_t{std::max(revaluation.variationTenths, 0)} * *percentageHundredths;
        // amount x (1 + applied / 100), the applied variation in hundred-thousandths of a point.
        constexpr Wide whole = 10'000'000;
        const auto updated = toCents(Wide(amount.ticks()) * (whole + revaluation.appliedHundredThousandths), whole);
        if (!updated)
            return FieldFault{InputField::Capital, "importo troppo grande per la rivalutazione"};
        revaluation.updated = *updated;
    }
    return revaluation;
}

std::optional<int> ReadPercentage(std::string_view text)
{
    const auto rate = ReadRate(TrimSpaces(text));
    if (!rate || *rate <= 0 || *rate > kMaxPercentageHundredths)
        return std::nullopt;
    return rate;
}

std::optional<FieldFault> PercentageFault(std::string_view text)
{
    if (ReadPercentage(text))
        return std::nullopt;
    return FieldFault{InputField::Percentage, "percentuale non valida: " + Quoted(text)
                                                  + " (si attende un numero da 0,01 a 100, al più due decimali)"};
}

std::string VariationText(int tenths) { return DecimalText(tenths, 1) + '%'; }

std::string AppliedVariationText(std::int64_t hundredThousandths)
{
    std::string text = DecimalText(hundredThousandths, 5);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == ',')
        text.pop_back();
    return text + '%';
}

LaterDaysNote LastIndexNote(const PriceIndex& index, std::string how)
{
    return {"indice di " + MonthText(index.last()) + ", l'ultimo noto, usato per i mesi successivi", std::move(how)};
}

std::vector<Date> Anniversaries(Date start, Date end)
{
    std::vector<Date> days;
    const Date::Civil civil = start.civil();
    for (int year = civil.year + 1; year <= Date::kMaxYear; ++year) {
        auto day = Date::fromCivil(year, civil.month, civil.day);
        if (!day)
            day = Date::fromCivil(year, civil.month, civil.day - 1); // 29 February in a common year
        if (*day >= end)
            break;
        days.push_back(*day);
    }
    return days;
}

} // namespace tarvel
