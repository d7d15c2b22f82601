#pragma once

// Calculations of each regime on the tables in force, as the window and
// tarvel-calc ask for them.

#include "calc/price_index.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "calc/statement.h"

#include <optional>
#include <string>

namespace tarvel::testing {

// `regime` on the legal and the reference rates in force (each regime reads
// the tables it charges); `own` is the claim's day of LegalWithClaim, the
// margin of LatePayment.
inline StatementRequest RequestInForce(Regime regime, std::string own, std::string capital, std::string start,
                                       std::string end)
{
    StatementRequest request{.capital = capital, .start = start, .end = end, .regime = regime};
    request.legalRates = &RatesInForce();
    request.referenceRates = &ReferenceRates();
    (regime == Regime::LatePayment ? request.margin : request.claimDate) = own;
    return request;
}

inline StatementRequest LegalRequest(std::string capital, std::string start, std::string end)
{
    return RequestInForce(Regime::Legal, "", capital, start, end);
}

inline StatementRequest ClaimRequest(std::string claim, std::string capital, std::string start, std::string end)
{
    return RequestInForce(Regime::LegalWithClaim, claim, capital, start, end);
}

// At a contract's rate, "4,75".
inline StatementRequest ContractRequest(std::string rate, std::string capital, std::string start, std::string end)
{
    StatementRequest request = LegalRequest(capital, start, end);
    request.regime = Regime::Contract;
    request.contractRate = rate;
    return request;
}

// `request` compounded by `period`, from the day `from` when given.
inline StatementRequest Compounded(StatementRequest request, CompoundingPeriod period, std::string from = "")
{
    request.compounding = CompoundingRequest{period, from};
    return request;
}

// A revaluation by the index built in: alone (with `percentage` an update at
// it) when `on` is none, else with legal interest by that method.
inline StatementRequest RevaluedRequest(std::optional<InterestOn> on, std::string percentage, std::string capital,
                                        std::string start, std::string end)
{
    StatementRequest request = LegalRequest(capital, start, end);
    request.revaluation = RevaluationRequest{on, percentage, &BuiltInPriceIndex(), "come aggiungerne uno"};
    return request;
}

inline StatementRequest LatePaymentRequest(std::string margin, std::string capital, std::string start, std::string end)
{
    return RequestInForce(Regime::LatePayment, margin, capital, start, end);
}

} // namespace tarvel::testing
