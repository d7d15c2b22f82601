#include "cli/batch/row_text.h"

namespace tarvel {

// A spreadsheet would take a field that begins with one of =+-@, a tab or a
// CR for a formula: unless it is a number, it gets the leading ' that marks
// text there.
void RowText::putField(std::string_view field, bool mayBeNumber)
{
    const bool formulaStart =
        !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
    const bool markAsText = formulaStart && !(mayBeNumber && ParseCurrency(FormatAmount(field)));
    room(2 * field.size() + 3); // every quote doubled, two more and the mark
    end_ = WriteCsvField(field, end_, markAsText);
}

void RowText::putPlainAmount(std::string_view amount)
{
    room(amount.size() + 1);
    bool digitSeen = false;
    for (const char c : amount) {
        if (c == '.')
            continue;
        if (c == ',' && !digitSeen)
            *end_++ = '0';
        digitSeen = digitSeen || (c >= '0' && c <= '9');
        *end_++ = c;
    }
}

} // namespace tarvel
