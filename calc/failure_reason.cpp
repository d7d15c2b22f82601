#include "calc/failure_reason.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"

namespace tarvel {

std::vector<std::string> FailureReasons(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<std::string> reasons;
    if (!ParseCurrency(FormatAmount(capital)))
        reasons.push_back("CAPITALE: importo non valido: " + Quoted(capital));
    const auto startField = DateFieldText(start);
    const auto endField = DateFieldText(end);
    if (!startField)
        reasons.push_back("DAL: data non valida: " + Quoted(start));
    if (!endField)
        reasons.push_back("AL: data non valida: " + Quoted(end));
    if (!reasons.empty())
        return reasons;

    const auto days = *ParseDate(*endField) - *ParseDate(*startField);
    if (days < 0)
        reasons.push_back("AL: la data " + Quoted(end) + " viene prima di DAL " + Quoted(start));
    else if (days > 32767)
        reasons.push_back("da DAL a AL ci sono più di 32767 giorni");
    else
        reasons.push_back(
            "i dati escono dai limiti del calcolo (un periodo di oltre 32767 giorni o un importo troppo grande)");
    return reasons;
}

} // namespace tarvel
