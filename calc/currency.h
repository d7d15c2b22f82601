#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace tarvel {

// A money amount held exactly as a signed count of ten-thousandths.
// Every operation that could leave the 64-bit range reports failure instead.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromTicks(std::int64_t ticks) { return Currency(ticks); }
    constexpr std::int64_t ticks() const { return ticks_; }

    // Nearest ten-thousandth, ties away from zero; NaN, infinities and values
    // outside the range give nothing. Inline: every rate period's interest is one.
    static std::optional<Currency> fromDouble(double value);
    // The double nearest to the exact value.
    double toDouble() const
    {
        constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
        if (ticks_ >= -kExactInDouble && ticks_ <= kExactInDouble)
            return static_cast<double>(ticks_) / static_cast<double>(kScale);
        return toDoubleBeyondExactCounts();
    }

    // Inline, as the two above: a calculation adds every row's interest, and
    // a whole rate multiplies the capital.
    std::optional<Currency> plus(Currency other) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(ticks_, other.ticks_, &sum))
            return std::nullopt;
        return Currency(sum);
    }
    std::optional<Currency> minus(Currency other) const;
    std::optional<Currency> times(std::int64_t factor) const
    {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(ticks_, factor, &product))
            return std::nullopt;
        return Currency(product);
    }

    constexpr bool isNegative() const { return ticks_ < 0; }
    // To the cent, ties away from zero: what AmountText shows of it.
    constexpr Currency toCents() const
    {
        constexpr std::int64_t cent = kScale / 100;
        const std::int64_t rest = ticks_ % cent;
        // Without branches: a half-way rest is as likely as not.
        const std::int64_t cents =
            ticks_ / cent + static_cast<std::int64_t>(rest >= cent / 2) - static_cast<std::int64_t>(rest <= -cent / 2);
        return Currency(cents * cent);
    }
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t ticks) : ticks_(ticks) {}
    double toDoubleBeyondExactCounts() const;
    std::int64_t ticks_ = 0;
};

inline std::optional<Currency> Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0.0)
        return Currency(0);

    // value = mantissa * 2^exponent exactly, read from the bits, and
    // value * 10000 = mantissa * 625 * 2^(exponent + 4), whose product fits
    // 63 bits: it is rounded in integers, so no intermediate double rounding
    // can move a tie.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biasedExponent != 0)
        mantissa |= std::uint64_t{1} << 52;
    const int exponent = (biasedExponent != 0 ? biasedExponent : 1) - 1075;

    // Any double of 2^53 or more, times 10000, is beyond the 64-bit range.
    if (exponent >= 0)
        return std::nullopt;

    static_assert(kScale == 625 * 16);
    const std::uint64_t scaled = mantissa * 625;
    const int shift = -exponent - 4;
    std::uint64_t magnitude = 0;
    if (shift <= 0) {
        if (scaled > (std::numeric_limits<std::uint64_t>::max() >> -shift))
            return std::nullopt;
        magnitude = scaled << -shift;
    } else if (shift < 64) {
        // Rounded up when the first bit shifted out is set: the rest is half or more.
        magnitude = (scaled >> shift) + ((scaled >> (shift - 1)) & 1);
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0))
        return std::nullopt;
    return Currency(negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude));
}

} // namespace tarvel
