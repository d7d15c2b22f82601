#include "date_field_text.h"

#include "texts.h"

#include <cstdio>

namespace tarvel {

std::string DateFieldText(std::string_view typed)
{
    std::string field = "__ / __ / ____";
    static constexpr int kDigitPlaces[] = {0, 1, 5, 6, 10, 11, 12, 13};

    if (ParseDate(typed)) {
        // Re-read the parts so that one-digit days and months get their zero.
        std::string digits;
        std::size_t part = 0;
        std::string parts[3];
        for (const char c : typed) {
            if (c == '/')
                ++part;
            else if (c >= '0' && c <= '9')
                parts[part] += c;
        }
        for (int k = 0; k < 2; ++k)
            if (parts[k].size() == 1)
                parts[k].insert(parts[k].begin(), '0');
        digits = parts[0] + parts[1] + parts[2];
        for (std::size_t k = 0; k < 8; ++k)
            field[static_cast<std::size_t>(kDigitPlaces[k])] = digits[k];
        return field;
    }

    std::size_t next = 0;
    for (const char c : typed)
        if (c >= '0' && c <= '9' && next < 8)
            field[static_cast<std::size_t>(kDigitPlaces[next++])] = c;
    return field;
}

} // namespace tarvel
