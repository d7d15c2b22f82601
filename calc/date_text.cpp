#include "calc/date_text.h"

namespace tarvel {
namespace {

// A tiny cursor over the date text; every read either advances or fails.
class DateReader {
public:
    explicit DateReader(std::string_view text) : text_(text) {}

    void skipSpaces()
    {
        while (!text_.empty() && text_.front() == ' ')
            text_.remove_prefix(1);
    }

    std::optional<int> digits(std::size_t least, std::size_t most)
    {
        int value = 0;
        std::size_t count = 0;
        while (count < most && count < text_.size() && text_[count] >= '0' && text_[count] <= '9')
            value = value * 10 + (text_[count++] - '0');
        if (count < least)
            return std::nullopt;
        text_.remove_prefix(count);
        return value;
    }

    bool separator()
    {
        skipSpaces();
        if (text_.empty() || text_.front() != '/')
            return false;
        text_.remove_prefix(1);
        skipSpaces();
        return true;
    }

    bool atEnd()
    {
        skipSpaces();
        return text_.empty();
    }

    // A digit right after the longest allowed field means the field was too long.
    bool nextIsDigit() const { return !text_.empty() && text_.front() >= '0' && text_.front() <= '9'; }

private:
    std::string_view text_;
};

} // namespace

std::optional<Date> ParseDate(std::string_view text)
{
    DateReader reader(text);
    reader.skipSpaces();
    const auto day = reader.digits(1, 2);
    if (!day || reader.nextIsDigit() || !reader.separator())
        return std::nullopt;
    const auto month = reader.digits(1, 2);
    if (!month || reader.nextIsDigit() || !reader.separator())
        return std::nullopt;
    const auto year = reader.digits(4, 4);
    if (!year || !reader.atEnd())
        return std::nullopt;
    return Date::fromCivil(*year, *month, *day);
}

std::string DateText(Date date)
{
    const Date::Civil day = date.civil();
    std::string text = "dd/mm/yyyy";
    const auto put = [&text](std::size_t at, int value, std::size_t digits) {
        for (std::size_t k = digits; k-- > 0; value /= 10)
            text[at + k] = static_cast<char>('0' + value % 10);
    };
    put(0, day.day, 2);
    put(3, day.month, 2);
    put(6, day.year, 4);
    return text;
}

} // namespace tarvel
