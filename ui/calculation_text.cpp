#include "ui/calculation_text.h"

#include <string_view>

namespace tarvel {
namespace {

// The words of a text with one space between them: "1%  dal  01/01/2014" is
// "1% dal 01/01/2014".
std::string OneSpaced(std::string_view text)
{
    std::string spaced;
    for (char c : text) {
        if (c != ' ')
            spaced += c;
        else if (!spaced.empty() && spaced.back() != ' ')
            spaced += ' ';
    }
    if (!spaced.empty() && spaced.back() == ' ')
        spaced.pop_back();
    return spaced;
}

// The date field's "01 / 01 / 2000" as a date is written, "01/01/2000".
std::string DateWritten(std::string_view field)
{
    std::string date;
    for (char c : field)
        if (c != ' ')
            date += c;
    return date;
}

std::string Counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string Line(std::string_view caption, std::string_view value)
{
    const std::string shown = OneSpaced(value);
    return OneSpaced(caption) + ':' + (shown.empty() ? "" : ' ' + shown) + '\n';
}

} // namespace

std::string CalculationText(const ReportTexts& texts, int years, int days)
{
    std::string text = Line("Capitale", texts.capital);
    text += "dal " + DateWritten(texts.startDate) + " al " + DateWritten(texts.endDate) + ": "
            + Counted(years, "anno", "anni") + " e " + Counted(days, "giorno", "giorni") + '\n';
    text += Line("Interessi legali", texts.totalInterest);
    text += Line("Somma", texts.capitalPlusInterest);
    for (std::size_t i = 0; i < texts.amounts.size(); ++i)
        if (!OneSpaced(texts.amounts[i]).empty())
            text += Line(texts.captions[i], texts.amounts[i]);
    return text;
}

} // namespace tarvel
