#include "calc/failure_reason.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"

namespace tarvel {

std::string_view FieldName(InputField field)
{
    switch (field) {
    case InputField::Capital: return "CAPITALE";
    case InputField::Start: return "DAL";
    case InputField::End: return "AL";
    case InputField::ClaimDate: return "DOMANDA";
    case InputField::Margin: return "MAGGIORAZIONE";
    }
    return "";
}

std::string FieldFault::line() const { return named ? std::string(FieldName(field)) + ": " + reason : reason; }

std::vector<FieldFault> TextFaults(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<FieldFault> faults;
    if (!ParseCurrency(FormatAmount(capital)))
        faults.push_back({InputField::Capital, "importo non valido: " + Quoted(capital)});
    const auto startField = DateFieldText(start);
    const auto endField = DateFieldText(end);
    if (!startField)
        faults.push_back({InputField::Start, "data non valida: " + Quoted(start)});
    if (!endField)
        faults.push_back({InputField::End, "data non valida: " + Quoted(end)});
    if (!faults.empty())
        return faults;

    const auto days = *ParseDate(*endField) - *ParseDate(*startField);
    if (days < 0)
        faults.push_back({InputField::End, "la data " + Quoted(end) + " viene prima di DAL " + Quoted(start)});
    else if (days > 32767)
        faults.push_back({InputField::End, "da DAL a AL ci sono più di 32767 giorni", false});
    return faults;
}

std::vector<FieldFault> CalculationFaults(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<FieldFault> faults = TextFaults(capital, start, end);
    if (faults.empty())
        faults.push_back(
            {InputField::Capital,
             "i dati escono dai limiti del calcolo (un periodo di oltre 32767 giorni o un importo troppo grande)",
             false});
    return faults;
}

std::vector<std::string> FailureReasons(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<std::string> reasons;
    for (const FieldFault& fault : CalculationFaults(capital, start, end))
        reasons.push_back(fault.line());
    return reasons;
}

} // namespace tarvel
