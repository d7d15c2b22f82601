// A capital typed in every way an Italian writes it reaches no window as
// another amount: each window's form reads what tarvel-calc reads from the
// same keys, or refuses the capital with its reason.
#include "calc/calculate_interest.h"
#include "calc/failure_reason.h"
#include "calc/number_texts.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "forms/main_window_form.h"
#include "forms/rates_in_force_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tarvel {
namespace {

constexpr char kStart[] = "01 / 01 / 2000";
constexpr char kEnd[] = "01 / 01 / 2010";

// What a window read from the keys: an amount in ten-thousandths, or a refusal.
struct Reading {
    std::optional<std::int64_t> ticks;
    std::string refusal; // the reason shown, when refused
};

// Both windows turn a full stop typed into an amount into a comma.
std::string KeyFiltered(std::string keys)
{
    std::replace(keys.begin(), keys.end(), '.', ',');
    return keys;
}

// As tarvel-calc reads its capital argument (its run with the program's own
// table): the designed calculation, less what it would round away.
std::optional<std::int64_t> TarvelCalcReads(const std::string& keys)
{
    const CalculationResult result = CalculateInterest({keys, kStart, kEnd});
    if (!result.ok || RunRefused(keys, result))
        return std::nullopt;
    return result.capital.ticks();
}

Reading MainWindowReads(const std::string& keys)
{
    MainWindowForm form;
    const CalculationShown shown = form.Calculate({KeyFiltered(keys), kStart, kEnd});
    if (shown.warning)
        return {std::nullopt, *shown.warning};
    return {ParseCurrency(form.Texts()[ResultControl::importo].value_or(""))->ticks(), ""};
}

Reading RatesWindowReads(const std::string& keys)
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Type(InputField::Capital, KeyFiltered(keys));
    form.Type(InputField::Start, kStart);
    form.Type(InputField::End, kEnd);
    form.Calculate();
    if (!form.Shown())
        return {std::nullopt, form.FaultOf(InputField::Capital)};
    return {ParseCurrency(form.Shown()->capital)->ticks(), ""};
}

// "1234567" as "1.234.567".
std::string Grouped(const std::string& digits)
{
    std::string grouped;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            grouped += '.';
        grouped += digits[at];
    }
    return grouped;
}

// Every form of an amount of `cents`: with and without grouping, its
// decimals (one when the second is 0, none when both are) after the comma
// key or the full-stop key.
std::vector<std::string> TypedForms(std::int64_t cents)
{
    const std::string euros = std::to_string(cents / 100);
    const std::string decimals = std::to_string(100 + cents % 100).substr(1);
    std::vector<std::string> forms;
    for (const std::string& whole : {euros, Grouped(euros)}) {
        if (cents % 100 == 0)
            forms.push_back(whole);
        for (const char decimalKey : {',', '.'}) {
            forms.push_back(whole + decimalKey + decimals);
            if (cents % 10 == 0)
                forms.push_back(whole + decimalKey + decimals[0]);
        }
    }
    return forms;
}

// A window's reading of keys meant as `amount`: that amount, or a refusal
// for the right reason.
void ExpectAmountOrRefusal(const char* window, const std::string& keys, const Reading& reading, std::int64_t amount,
                           bool rightReason)
{
    if (reading.ticks)
        EXPECT_EQ(*reading.ticks, amount) << window << ", keys " << keys;
    else
        EXPECT_TRUE(rightReason) << window << ", keys " << keys << ": " << reading.refusal;
}

TEST(CapitalTyped, IsReadAsTarvelCalcReadsItOrRefused)
{
    std::mt19937_64 random(20240517);
    std::uniform_int_distribution<int> digitCount(1, 11);
    std::uniform_int_distribution<int> lastDigits(0, 3);
    int mainRead = 0, mainRefused = 0, ratesRead = 0, ratesRefused = 0;
    for (int round = 0; round < 3000 && !HasFailure(); ++round) {
        // Amounts of every size up to a billion euros, a quarter of them
        // whole euros and a quarter with a single decimal.
        std::int64_t top = 1;
        for (int d = digitCount(random); d > 0; --d)
            top *= 10;
        std::int64_t cents = std::uniform_int_distribution<std::int64_t>(100, std::max<std::int64_t>(top, 100))(random);
        const int last = lastDigits(random);
        cents -= last == 0 ? cents % 100 : last == 1 ? cents % 10 : 0;
        const std::int64_t meant = cents * (Currency::kScale / 100);
        for (const std::string& keys : TypedForms(cents)) {
            // tarvel-calc refuses what it cannot read ("10000.50"), but
            // never reads another amount.
            const std::optional<std::int64_t> cli = TarvelCalcReads(keys);
            EXPECT_EQ(cli.value_or(meant), meant) << "tarvel-calc, keys " << keys;
            const std::string filtered = KeyFiltered(keys);
            const Reading main = MainWindowReads(keys);
            ExpectAmountOrRefusal("main window", keys, main, meant,
                                  main.refusal.starts_with("Il capitale «" + filtered + "» ha più di due decimali: "));
            const Reading rates = RatesWindowReads(keys);
            const std::optional<FieldFault> fault = CapitalFault(filtered);
            ExpectAmountOrRefusal("rates window", keys, rates, meant, fault && rates.refusal == fault->reason);
            (main.ticks ? mainRead : mainRefused)++;
            (rates.ticks ? ratesRead : ratesRefused)++;
        }
    }
    // Each window meets both outcomes: the property is not met by refusing all.
    EXPECT_GT(mainRead, 1000);
    EXPECT_GT(mainRefused, 1000);
    EXPECT_GT(ratesRead, 1000);
    EXPECT_GT(ratesRefused, 1000);
}

} // namespace
} // namespace tarvel
