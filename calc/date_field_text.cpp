#include "calc/date_field_text.h"

#include "calc/date.h"
#include "calc/date_text.h"
#include "calc/digits.h"
#include "calc/trim_spaces.h"

namespace tarvel {
namespace {

struct DayMonthYear {
    int day = 0;
    int month = 0;
    int year = 0;
};

// "ddmmyyyy" and "yyyy-mm-dd"; the day is checked by the caller.
std::optional<DayMonthYear> readCompact(std::string_view text)
{
    if (text.size() == 8 && AllDigits(text))
        return DayMonthYear{DigitsValue(text.substr(0, 2)), DigitsValue(text.substr(2, 2)),
                            DigitsValue(text.substr(4))};
    if (text.size() == 10 && text[4] == '-' && text[7] == '-' && AllDigits(text.substr(0, 4))
        && AllDigits(text.substr(5, 2)) && AllDigits(text.substr(8)))
        return DayMonthYear{DigitsValue(text.substr(8)), DigitsValue(text.substr(5, 2)),
                            DigitsValue(text.substr(0, 4))};
    return std::nullopt;
}

void putTwo(std::string& field, std::size_t at, int value)
{
    field[at] = static_cast<char>('0' + value / 10);
    field[at + 1] = static_cast<char>('0' + value % 10);
}

} // namespace

std::optional<std::string> DateFieldText(std::string_view typed)
{
    const std::string_view text = TrimSpaces(typed);
    std::optional<DayMonthYear> date = readCompact(text);
    if (date) {
        if (!Date::fromCivil(date->year, date->month, date->day))
            return std::nullopt;
    } else if (const auto parsed = ParseDate(text)) {
        // The form the field itself reads: the day it names, digit for digit.
        const Date::Civil civil = parsed->civil();
        date = DayMonthYear{civil.day, civil.month, civil.year};
    } else {
        return std::nullopt;
    }
    std::string field = "dd / mm / yyyy";
    putTwo(field, 0, date->day);
    putTwo(field, 5, date->month);
    putTwo(field, 10, date->year / 100);
    putTwo(field, 12, date->year % 100);
    return field;
}

} // namespace tarvel
