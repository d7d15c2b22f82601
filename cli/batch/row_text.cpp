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
    // One pass over the field: find_first_of would search the set once for
    // each of its characters.
    const bool quoted =
        std::ranges::any_of(field, [](char c) { return c == ';' || c == '"' || c == '\r' || c == '\n'; });
    room(2 * field.size() + 3); // every quote doubled, two more and the mark
    if (quoted)
        *end_++ = '"';
    if (markAsText)
        *end_++ = '\'';
    for (const char c : field) {
        if (c == '"' && quoted)
            *end_++ = '"';
        *end_++ = c;
    }
    if (quoted)
        *end_++ = '"';
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
