#include "calc/date.h"

namespace tarvel {
namespace {

constexpr int daysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
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

Date::Civil Date::civil() const
{
    // The inverse of daySerial: the era, the year of the era, then the day of
    // the March-based year.
    const int era = serial_ / 146097;
    const int dayOfEra = serial_ - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    return {era * 400 + yearOfEra + (month <= 2 ? 1 : 0), month, dayOfYear - (153 * monthFromMarch + 2) / 5 + 1};
}

} // namespace tarvel
