#include "forms/calculation_fields.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/ledger_row.h"
#include "calc/number_texts.h"

namespace tarvel {

CalculationFields FieldsOfRequest(const StatementRequest& request)
{
    CalculationFields fields;
    fields.capitalText = request.capital;
    fields.startText = request.start;
    if (!AmountFault(request.capital))
        fields.capital = ParseCurrency(request.capital);
    const auto day = [](const std::string& text) {
        const auto field = DateFieldText(text);
        return field ? ParseDate(*field) : std::nullopt;
    };
    fields.start = day(request.start);
    fields.end = day(request.end);
    fields.regime = request.regime;
    if (request.regime == Regime::LegalWithClaim)
        if (const auto claim = ReadClaimDate(request.claimDate); std::holds_alternative<Date>(claim))
            fields.claim = std::get<Date>(claim);
    if (request.regime == Regime::LatePayment)
        fields.marginHundredths = ReadMargin(request.margin);
    fields.legalRates = request.legalRates;
    fields.referenceRates = request.referenceRates;
    return fields;
}

} // namespace tarvel
