#include "calc/currency.h"

#include <charconv>

namespace tarvel {

// Beyond 2^53 the count itself would be rounded before the division: the
// exact decimal is read instead.
double Currency::toDoubleBeyondExactCounts() const
{
    char text[32];
    const std::uint64_t magnitude =
        ticks_ < 0 ? 0 - static_cast<std::uint64_t>(ticks_) : static_cast<std::uint64_t>(ticks_);
    char* p = text;
    if (ticks_ < 0)
        *p++ = '-';
    p = std::to_chars(p, text + sizeof text, magnitude / kScale).ptr;
    *p++ = '.';
    const auto fraction = magnitude % kScale;
    for (std::uint64_t divisor = 1000; divisor > 0; divisor /= 10)
        *p++ = static_cast<char>('0' + (fraction / divisor) % 10);
    double result = 0;
    std::from_chars(text, p, result);
    return result;
}

std::optional<Currency> Currency::minus(Currency other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(ticks_, other.ticks_, &difference))
        return std::nullopt;
    return Currency(difference);
}

} // namespace tarvel
