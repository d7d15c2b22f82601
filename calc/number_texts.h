#pragma once

#include "calc/currency.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Conversions between the amounts that stand in the windows as texts and the
// values behind them, always in the Italian conventions: ',' decimal, '.' grouping.
namespace tarvel {

// Plain form: "-115,2055", "100,274", "0"; no grouping, no trailing zeros.
std::string CurrencyText(Currency value);

// The amount pattern "###,###,###.00": "13.652,47", ",50", ",00". A text that
// is not a number comes back unchanged. Rounds the decimal digits exactly,
// ties away from zero, whatever the length of the number.
std::string FormatAmount(std::string_view text);

// The amount pattern's text with a digit before the comma, as the statements
// of the rates in force show amounts: ",50" is "0,50", "-,50" is "-0,50";
// every other text comes back unchanged.
std::string WithLeadingZero(std::string_view amount);
// FormatAmount of the currency text, with a digit before the comma: "0,85", "3.319,93".
std::string AmountText(Currency value);

// Reads the plain form and the amount pattern; more than four decimals round
// exactly to the nearest ten-thousandth, ties away from zero.
std::optional<Currency> ParseCurrency(std::string_view text);

// CurrencyText, and FormatAmount of that text, written at the start of `out`
// for callers that make many texts; they return how many characters they
// wrote. Room for kNumberTextRoom characters holds any value: less stops the
// program before a byte is written.
inline constexpr std::size_t kNumberTextRoom = 24; // "-922.337.203.685.477,58" and one to spare
std::size_t WriteCurrencyText(Currency value, std::span<char> out);
std::size_t WriteAmount(Currency value, std::span<char> out);

// Decimal digits with a leading '-' when negative.
std::string WholeNumberText(int value);

} // namespace tarvel
