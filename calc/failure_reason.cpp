#include "calc/failure_reason.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_reader.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/rate_table.h"

namespace tarvel {

std::string_view FieldName(InputField field)
{
    switch (field) {
    case InputField::Capital: return "CAPITALE";
    case InputField::Start: return "DAL";
    case InputField::End: return "AL";
    case InputField::ClaimDate: return "DOMANDA";
    case InputField::Margin: return "MAGGIORAZIONE";
    case InputField::Percentage: return "PERCENTUALE";
    case InputField::ContractRate: return "TASSO";
    case InputField::CompoundingFrom: return "CAPITALIZZAZIONE DAL";
    }
    return "";
}

std::string FieldFault::line() const { return named ? std::string(FieldName(field)) + ": " + reason : reason; }

bool HasMoreThanTwoDecimals(std::string_view amount)
{
    // Most capitals have two decimals or none: what follows the comma settles
    // them without reading the number (a batch asks for every row).
    const std::size_t comma = amount.find(',');
    if (comma == std::string_view::npos || amount.size() - comma <= 3)
        return false;
    const auto number = ReadNumber(amount);
    return number && number->fraction.size() > 2;
}

std::optional<FieldFault> CapitalFault(std::string_view capital)
{
    if (!ParseCurrency(FormatAmount(capital)))
        return FieldFault{InputField::Capital, "importo non valido: " + Quoted(capital)};
    if (HasMoreThanTwoDecimals(capital))
        return FieldFault{InputField::Capital, TooManyDecimalsReason(Quoted(capital))};
    return std::nullopt;
}

std::string TooManyDecimalsReason(std::string_view quotedCapital, bool withoutDots)
{
    return "il capitale " + std::string(quotedCapital) + " ha più di due decimali: per diecimila euro scrivere 10000 o "
           + (withoutDots ? "10000,00" : "10.000,00");
}

FieldFault EndBeforeStart(std::string_view start, std::string_view end)
{
    return {InputField::End, "la data " + Quoted(end) + " viene prima di DAL " + Quoted(start)};
}

std::vector<FieldFault> TextFaults(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<FieldFault> faults;
    if (auto fault = CapitalFault(capital))
        faults.push_back(std::move(*fault));
    const auto startField = DateFieldText(start);
    const auto endField = DateFieldText(end);
    if (!startField)
        faults.push_back({InputField::Start, "data non valida: " + Quoted(start)});
    if (!endField)
        faults.push_back({InputField::End, "data non valida: " + Quoted(end)});
    if (!faults.empty())
        return faults;

    const Date last = *ParseDate(*endField);
    const auto days = last - *ParseDate(*startField);
    if (days < 0)
        faults.push_back(EndBeforeStart(start, end));
    else if (last > LastChargedDay())
        faults.push_back({InputField::End, "la data " + Quoted(end) + " viene dopo il " + DateText(LastChargedDay())
                                               + ", l'ultimo giorno che si calcola"});
    else if (days > 32767)
        faults.push_back({InputField::End, "da DAL a AL ci sono più di 32767 giorni", false});
    return faults;
}

bool RunRefused(std::string_view capital, const CalculationResult& result)
{
    return result.end > LastChargedDay() || HasMoreThanTwoDecimals(capital);
}

std::vector<FieldFault> CalculationFaults(std::string_view capital, std::string_view start, std::string_view end)
{
    std::vector<FieldFault> faults = TextFaults(capital, start, end);
    if (faults.empty())
        faults.push_back({InputField::Capital, kBeyondLimits, false});
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
