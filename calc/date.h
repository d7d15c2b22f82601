#pragma once

#include <cstdint>
#include <optional>

namespace tarvel {

constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// A calendar day of the proleptic Gregorian calendar, held as a day serial so
// that the difference of two dates is a plain subtraction.
class Date {
public:
    static constexpr int kMinYear = 100;
    static constexpr int kMaxYear = 9999;

    // 01/03/0000, before any day fromCivil gives: a place holder until a day is known.
    constexpr Date() = default;

    // Nothing for a day that does not exist or a year outside 0100..9999.
    static std::optional<Date> fromCivil(int year, int month, int day);

    constexpr std::int32_t serial() const { return serial_; }

    // The day `days` later (earlier when negative); it may lie outside the
    // years fromCivil accepts, as the day before a rate period's first does.
    constexpr Date plusDays(std::int32_t days) const { return Date(serial_ + days); }

    struct Civil {
        int year;
        int month;
        int day;
    };
    Civil civil() const;

    // The days after `from` up to and including `to`: to - from.
    friend constexpr std::int32_t operator-(Date to, Date from) { return to.serial_ - from.serial_; }
    friend constexpr auto operator<=>(Date, Date) = default;

private:
    constexpr explicit Date(std::int32_t serial) : serial_(serial) {}
    std::int32_t serial_ = 0;
};

} // namespace tarvel
