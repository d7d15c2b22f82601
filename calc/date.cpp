#include "calc/date.h"

namespace tarvel {
namespace {

constexpr bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

constexpr int daysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 01/03/0000 of the proleptic Gregorian calendar, counting from a
// March-based year so that the leap day falls at the end.
constexpr std::int32_t daySerial(int year, int month, int day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400; // years here are positive
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

} // namespace

std::optional<Date> Date::fromCivil(int year, int month, int day)
{
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return Date(daySerial(year, month, day));
}

} // namespace tarvel
