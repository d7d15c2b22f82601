// Feeds any bytes to the text conversions and the calculation, and checks what
// must hold for every input, not only that nothing crashes.
// The input is the capital, the start and the end text, separated by '\n'.
#include "calc/calculate_interest.h"
#include "calc/control_texts.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_reader.h"
#include "calc/number_texts.h"
#include "tests/calc/amount_of_ticks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

using namespace tarvel;

namespace {

#define REQUIRE(condition)                                                                                             \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "invariant broken at line %d: %s\n", __LINE__, #condition);                           \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

constexpr std::int64_t kMaxTicks = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinTicks = std::numeric_limits<std::int64_t>::min();

void checkNumberText(std::string_view text)
{
    const std::string shown = FormatAmount(text);
    const auto value = ParseCurrency(text);
    if (!ReadNumber(text)) {
        REQUIRE(shown == text);
        REQUIRE(!value);
        return;
    }
    REQUIRE(ReadNumber(shown));
    REQUIRE(FormatAmount(shown) == shown);
    if (!value)
        return;

    const std::string plain = CurrencyText(*value);
    REQUIRE(ParseCurrency(plain) == value);
    REQUIRE(FormatAmount(plain) == AmountOfTicks(value->ticks()));
    // Rounded once from the digits, the amount lies within half a hundredth.
    if (const auto rounded = ParseCurrency(shown)) {
        const __int128 gap = static_cast<__int128>(rounded->ticks()) - value->ticks();
        REQUIRE(gap >= -50 && gap <= 50);
        REQUIRE(rounded->ticks() % 100 == 0);
    } else {
        REQUIRE(value->ticks() > kMaxTicks - 50 || value->ticks() < kMinTicks + 50);
    }
}

void checkDateText(std::string_view text)
{
    const auto field = DateFieldText(text);
    REQUIRE(!field || (field->size() == 14 && ParseDate(*field)));
    if (const auto date = ParseDate(text))
        REQUIRE(field && ParseDate(*field) == date);
}

void checkCalculation(const CalculationInput& input)
{
    using enum ResultControl;
    const CalculationResult result = CalculateInterest(input);
    const ControlTexts written = result.written.ToControlTexts();
    for (std::size_t period = 0; period < kPeriodCount; ++period)
        REQUIRE(written[PeriodControl(period)].has_value());
    REQUIRE(written[importo] == FormatAmount(input.capitalText));

    for (const PeriodLine& line : result.lines)
        if (line.applies) {
            REQUIRE(line.remainingDays >= 0 && line.remainingDays < 365);
            REQUIRE(365 * line.years + line.remainingDays == line.days);
        }

    if (!result.ok) {
        const ControlTexts window = WindowTextsAfter(input, result);
        REQUIRE(window[importo] == " " && window[SeeInteressi] == " " && window[Label6] == " ");
        REQUIRE(window[Label8] == "Anni ?" && window[Label23] == "Giorni ?");
        for (std::size_t period = 0; period < kPeriodCount; ++period)
            REQUIRE(window[PeriodControl(period)] == "");
        return;
    }

    REQUIRE(written[importobis] && written[Text1] && written[SeeInteressi] && written[Label6]);
    REQUIRE(ParseCurrency(*written[importo]) == result.capital);
    const auto start = ParseDate(input.startText), end = ParseDate(input.endText);
    REQUIRE(start && end && *end - *start == result.totalDays);

    __int128 interest = 0;
    for (std::size_t i = 0; i < result.lineCount; ++i) {
        const PeriodLine& line = result.lines[i];
        REQUIRE(*written[PeriodControl(i)] == (line.applies ? CurrencyText(line.interest) : ""));
        REQUIRE(line.applies == !written[PeriodControl(i)]->empty());
        interest += line.interest.ticks();
    }
    if (interest < 0) {
        REQUIRE(written[importobis] == "0" && written[Text1] == "" && written[SeeInteressi] == "");
        REQUIRE(written[Label6] == ",00");
    } else {
        const __int128 total = interest + result.capital.ticks();
        REQUIRE(total == result.runningTotal.ticks());
        REQUIRE(written[importobis] == CurrencyText(result.runningTotal));
        REQUIRE(written[Text1] == CurrencyText(Currency::fromTicks(static_cast<std::int64_t>(interest))));
        REQUIRE(written[SeeInteressi] == FormatAmount(*written[Text1]));
        REQUIRE(written[Label6] == FormatAmount(*written[importobis]));
    }
    REQUIRE(result.years >= 0 && result.remainingDays >= 0 && result.remainingDays < 365);
    REQUIRE(365 * result.years + result.remainingDays == result.totalDays);
    REQUIRE(written[Label8] == "anni  " + std::to_string(result.years));
    REQUIRE(written[Label23] == " giorni  " + std::to_string(result.remainingDays));

    // The masked fields hold the same dates in their own layout: same result.
    const CalculationResult masked =
        CalculateInterest({input.capitalText, *DateFieldText(input.startText), *DateFieldText(input.endText)});
    REQUIRE(masked.ok && masked.runningTotal == result.runningTotal && masked.written[Label23] == *written[Label23]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view texts[3];
    for (int k = 0; k < 2; ++k) {
        const auto newline = rest.find('\n');
        texts[k] = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
    }
    texts[2] = rest;

    for (const std::string_view text : texts) {
        checkNumberText(text);
        checkDateText(text);
    }
    checkCalculation({std::string(texts[0]), std::string(texts[1]), std::string(texts[2])});
    return 0;
}
