#pragma once

#include <algorithm>
#include <cstddef>
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

} // namespace tarvel
