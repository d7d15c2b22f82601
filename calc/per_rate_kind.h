#pragma once

#include "calc/rate_table.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tarvel {

inline constexpr std::size_t kRateKindCount = static_cast<std::size_t>(RateKind::Reference) + 1;

// Every kind of rate, legal first.
inline constexpr std::array<RateKind, kRateKindCount> kRateKinds = {RateKind::Legal, RateKind::Reference};

// One T for each kind of rate, indexed by it.
template <class T>
class PerRateKind {
public:
    constexpr PerRateKind() = default;
    constexpr PerRateKind(T legal, T reference) : items_{std::move(legal), std::move(reference)} {}

    constexpr T& operator[](RateKind kind) { return items_[static_cast<std::size_t>(kind)]; }
    constexpr const T& operator[](RateKind kind) const { return items_[static_cast<std::size_t>(kind)]; }

private:
    std::array<T, kRateKindCount> items_{};
};

} // namespace tarvel
