#pragma once

#include <cstdint>
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
    // outside the range give nothing.
    static std::optional<Currency> fromDouble(double value);
    // The double nearest to the exact value.
    double toDouble() const;

    // Inline: a calculation adds every row's interest.
    std::optional<Currency> plus(Currency other) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(ticks_, other.ticks_, &sum))
            return std::nullopt;
        return Currency(sum);
    }
    std::optional<Currency> minus(Currency other) const;
    std::optional<Currency> times(std::int64_t factor) const;

    constexpr bool isNegative() const { return ticks_ < 0; }
    // To the cent, ties away from zero: what AmountText shows of it.
    constexpr Currency toCents() const
    {
        constexpr std::int64_t cent = kScale / 100;
        const std::int64_t rest = ticks_ % cent;
        const std::int64_t cents = ticks_ / cent + (rest >= cent / 2 ? 1 : rest <= -cent / 2 ? -1 : 0);
        return Currency(cents * cent);
    }
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

} // namespace tarvel
