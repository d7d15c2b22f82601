#include "cli/statement_request.h"

#include "cli/chosen_rates.h"
#include "cli/options.h"

namespace tarvel {

StatementRequest StatementRequestOf(const CalcOptions& options, const ChosenRates& rates)
{
    StatementRequest request;
    request.capital = options.capital;
    request.start = options.startDate;
    request.end = options.endDate;
    request.regime = options.latePayment    ? Regime::LatePayment
                     : options.claimDate    ? Regime::LegalWithClaim
                     : options.contractRate ? Regime::Contract
                                            : Regime::Legal;
    request.claimDate = options.claimDate.value_or("");
    request.margin = RateText(options.marginHundredths);
    request.contractRate = options.contractRate.value_or("");
    request.compounding = options.compounding;
    const bool ownTable = request.regime == Regime::Legal && !options.revaluation.wanted && !options.compounding;
    request.legalRates = ownTable ? rates.table() : &rates.LegalForClaims();
    request.referenceRates = &rates.Reference();
    if (const RevaluationOptions& revaluation = options.revaluation; revaluation.wanted)
        request.revaluation = RevaluationRequest{revaluation.interestOn, revaluation.percentage.value_or(""),
                                                 &rates.Index(), rates.NewerIndexHow()};
    return request;
}

} // namespace tarvel
