#pragma once

#include "calc/charged_rates.h"
#include "calc/currency.h"
#include "calc/date.h"
#include "calc/rate_table.h"
#include "calc/statement.h"

#include <optional>
#include <string>

namespace tarvel {

// The window's fields of a calculation, each read once where it was typed.
struct CalculationFields {
    std::string capitalText;         // as typed, for the messages
    std::string startText;           // "01 / 01 / 2025", as typed
    std::optional<Currency> capital; // none while the capital is unfinished or at fault
    std::optional<Date> start;       // "Dal"
    std::optional<Date> end;         // "Al"
    Regime regime = Regime::Legal;
    std::optional<Date> claim;           // LegalWithClaim, when it reads
    std::optional<int> marginHundredths; // LatePayment, when it reads
    const RateTable* legalRates = nullptr;
    const RateTable* referenceRates = nullptr;
};

// The window's fields read once from the texts of its request: each date as
// the date fields take it, the capital by the rules of an amount of the
// ledger file (none when it has more than two decimals), the claim date and
// the margin of the regime that reads them.
CalculationFields FieldsOfRequest(const StatementRequest& request);

} // namespace tarvel
