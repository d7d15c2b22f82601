#include "calc/currency.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarvel {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr unsigned __int128 kMagnitudeLimitPositive = static_cast<unsigned __int128>(kMax);
constexpr unsigned __int128 kMagnitudeLimitNegative = kMagnitudeLimitPositive + 1;

} // namespace

std::optional<Currency> Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0.0)
        return Currency(0);

    // value = mantissa * 2^exponent exactly, read from the bits; the scaled
    // value mantissa * 10000 * 2^exponent is then rounded in integers, so no
    // intermediate double rounding can move a tie.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biasedExponent != 0)
        mantissa |= std::uint64_t{1} << 52;
    const int exponent = (biasedExponent != 0 ? biasedExponent : 1) - 1075;
    const auto scaled = static_cast<unsigned __int128>(mantissa) * static_cast<unsigned __int128>(kScale);

    // Any double of 2^53 or more, times 10000, is beyond the 64-bit range.
    if (exponent >= 0)
        return std::nullopt;

    unsigned __int128 magnitude = 0;
    const int shift = -exponent;
    if (shift < 127) {
        magnitude = scaled >> shift;
        const unsigned __int128 remainder = scaled - (magnitude << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (remainder >= half)
            ++magnitude;
    }
    if (magnitude > (negative ? kMagnitudeLimitNegative : kMagnitudeLimitPositive))
        return std::nullopt;
    const auto unsignedTicks = static_cast<std::uint64_t>(magnitude);
    return Currency(negative ? static_cast<std::int64_t>(0 - unsignedTicks) : static_cast<std::int64_t>(unsignedTicks));
}

double Currency::toDouble() const
{
    constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
    if (ticks_ >= -kExactInDouble && ticks_ <= kExactInDouble)
        return static_cast<double>(ticks_) / static_cast<double>(kScale);

    // Beyond 2^53 the count itself would be rounded before the division; read
    // the exact decimal instead.
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

std::optional<Currency> Currency::times(std::int64_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(ticks_, factor, &product))
        return std::nullopt;
    return Currency(product);
}

} // namespace tarvel
