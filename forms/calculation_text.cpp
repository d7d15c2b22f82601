#include "forms/calculation_text.h"

#include "calc/rate_schedule.h"

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

std::string CalculationText(const ControlTexts& texts, std::string_view startDate, std::string_view endDate, int years,
                            int days)
{
    const auto textOf = [&texts](ResultControl control) { return texts[control].value_or(""); };
    std::string text = Line("Capitale", textOf(ResultControl::importo));
    text += "dal " + DateWritten(startDate) + " al " + DateWritten(endDate) + ": " + Counted(years, "anno", "anni")
            + " e " + Counted(days, "giorno", "giorni") + '\n';
    text += Line("Interessi legali", textOf(ResultControl::SeeInteressi));
    text += Line("Somma", textOf(ResultControl::Label6));
    const auto& schedule = LegalRateSchedule();
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        if (const std::string amount = textOf(PeriodControl(i)); !OneSpaced(amount).empty())
            text += Line(schedule[i].caption, amount);
    return text;
}

} // namespace tarvel
