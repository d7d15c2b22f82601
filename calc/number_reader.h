#pragma once

#include <optional>
#include <string_view>

namespace tarvel {

// A number as written in the Italian conventions, kept as its digits so that
// no value is lost before the caller rounds it.
struct DecimalNumber {
    bool negative = false;
    std::string_view integerPart; // digits, possibly with '.' group separators
    std::string_view fraction;    // digits after the ','
};

// Spaces, an optional sign, digits with proper '.' grouping (1.000, 12.345.678),
// an optional ',' and decimals, spaces. "5," and ",5" are numbers; "," is not,
// nor is "1234.56", whose '.' is no group separator.
std::optional<DecimalNumber> ReadNumber(std::string_view text);

// Calls `digit` for each decimal digit of the integer part, skipping separators.
template <class Visitor>
void ForEachIntegerDigit(const DecimalNumber& number, Visitor&& digit)
{
    for (const char c : number.integerPart)
        if (c != '.')
            digit(c);
}

} // namespace tarvel
