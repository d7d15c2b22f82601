#include "cli/ledger_options.h"

#include "calc/printable.h"
#include "cli/options.h"

namespace tarvel {

void FinishLedgerOptions(CalcOptions& options, const std::vector<std::string>& positional, bool otherMode)
{
    const LedgerOptions& ledger = options.ledger;
    const auto fail = [&options](std::string what) { options.usageError = std::move(what); };
    if (!ledger.file)
        return fail("--imputazione e --indennizzo vanno con --movimenti");
    if (ledger.file->empty())
        return fail("manca il valore di --movimenti");
    if (otherMode)
        return fail("--movimenti non va con --csv, --elenco-tassi né --elenco-tassi-mora");
    if (options.contractRate)
        return fail("--tasso non va ancora con --movimenti");
    if (options.compounding)
        return fail("--capitalizzazione non va ancora con --movimenti");
    if (ledger.imputation && *ledger.imputation != "capitale" && *ledger.imputation != "interessi")
        return fail("--imputazione vuole capitale o interessi, non " + Quoted(*ledger.imputation));
    if (ledger.compensation && !options.latePayment)
        return fail("--indennizzo va con --mora");
    if (options.referenceRates && !options.chargesLatePayment())
        return fail("--tassi-mora va con --mora o --domanda");
    if (positional.empty())
        return fail("manca AL");
    if (positional.size() > 1)
        return fail("argomento in più: " + Quoted(positional[1]));
    options.endDate = positional[0];
    options.mode = CalcOptions::Mode::Ledger;
}

} // namespace tarvel
