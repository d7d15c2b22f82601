#pragma once

#include <cstdint>
#include <string>

namespace tarvel {

// The amount pattern of a currency value, worked out on its ticks alone: an
// independent reference for FormatAmount.
inline std::string AmountOfTicks(std::int64_t ticks)
{
    const std::uint64_t magnitude =
        ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
    const std::uint64_t hundredths = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    std::string integer = hundredths >= 100 ? std::to_string(hundredths / 100) : "";
    for (int at = static_cast<int>(integer.size()) - 3; at > 0; at -= 3)
        integer.insert(static_cast<std::size_t>(at), ".");
    const std::uint64_t cents = hundredths % 100;
    return std::string(ticks < 0 && hundredths > 0 ? "-" : "") + integer + "," + char('0' + cents / 10)
           + char('0' + cents % 10);
}

} // namespace tarvel
