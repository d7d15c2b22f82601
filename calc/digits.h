#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvel {

// Whether the text is made of ASCII digits only (the empty text is).
constexpr bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the text is `least` to `most` ASCII digits.
constexpr bool IsDigits(std::string_view text, std::size_t least, std::size_t most)
{
    return text.size() >= least && text.size() <= most && AllDigits(text);
}

// The value of a short run of ASCII digits, which the caller has checked.
constexpr int DigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A decimal with a ',': 1 to `wholeDigits` digits, then optionally a ',' and 1
// to `decimals` more, as a count of units of its last decimal place: "107,0"
// with 5 and 1 is 1070, "4,75" with 3 and 3 is 4750. Nothing for another text.
constexpr std::optional<int> ReadDecimal(std::string_view text, std::size_t wholeDigits, std::size_t decimals)
{
    const std::size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view fraction = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (!IsDigits(whole, 1, wholeDigits) || (comma != std::string_view::npos && !IsDigits(fraction, 1, decimals)))
        return std::nullopt;
    int value = DigitsValue(whole);
    for (std::size_t i = 0; i < decimals; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return value;
}

} // namespace tarvel
