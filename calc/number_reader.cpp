#include "calc/number_reader.h"

#include "calc/trim_spaces.h"

namespace tarvel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isPlainOrGrouped(std::string_view digits)
{
    const auto firstDot = digits.find('.');
    if (firstDot == std::string_view::npos)
        return true;
    if (firstDot < 1 || firstDot > 3)
        return false;
    for (std::size_t at = firstDot; at < digits.size(); at += 4) {
        if (digits[at] != '.' || digits.size() - at < 4)
            return false;
        for (std::size_t k = at + 1; k < at + 4; ++k)
            if (!isDigit(digits[k]))
                return false;
    }
    return true;
}

} // namespace

std::optional<DecimalNumber> ReadNumber(std::string_view text)
{
    text = TrimSpaces(text);
    DecimalNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::size_t end = 0;
    while (end < text.size() && (isDigit(text[end]) || text[end] == '.'))
        ++end;
    number.integerPart = text.substr(0, end);
    text.remove_prefix(end);
    if (!isPlainOrGrouped(number.integerPart))
        return std::nullopt;

    if (!text.empty() && text.front() == ',') {
        text.remove_prefix(1);
        end = 0;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        number.fraction = text.substr(0, end);
        text.remove_prefix(end);
    }
    if (!text.empty() || (number.integerPart.empty() && number.fraction.empty()))
        return std::nullopt;
    return number;
}

} // namespace tarvel
