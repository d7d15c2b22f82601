#include "cli/chosen_rates.h"

#include "calc/printable.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "cli/options.h"
#include "runtime/price_index_file.h"
#include "runtime/rate_table_file.h"

namespace tarvel {

std::optional<ChosenRates> ChosenRates::Choose(const CalcOptions& options, std::ostream& errors)
{
    ChosenRates rates;
    if (options.rates && *options.rates == kInForce) {
        rates.table_ = &RatesInForce();
    } else if (options.rates) {
        auto table = ReadRateTableFile(*options.rates, errors);
        if (!table)
            return std::nullopt;
        rates.owned_ = std::make_unique<RateTable>(std::move(*table));
        rates.table_ = rates.owned_.get();
    }
    if (options.referenceRates) {
        auto table = ReadRateTableFile(*options.referenceRates, errors, RateKind::Reference);
        if (!table)
            return std::nullopt;
        rates.reference_ = std::make_unique<RateTable>(std::move(*table));
    }
    if (options.revaluation.indexFile) {
        auto index = ReadPriceIndexFile(*options.revaluation.indexFile, errors);
        if (!index)
            return std::nullopt;
        rates.index_ = std::make_unique<PriceIndex>(std::move(*index));
    }
    return rates;
}

std::span<const RatePeriod> ChosenRates::periods() const
{
    return table_ ? table_->periods() : std::span<const RatePeriod>(LegalRateSchedule());
}

const RateTable& ChosenRates::LegalForClaims() const { return table_ ? *table_ : RatesInForce(); }

const RateTable& ChosenRates::Reference() const { return reference_ ? *reference_ : ReferenceRates(); }

std::optional<std::string> ChosenRates::LaterDaysNote(Date end) const
{
    if (!table_)
        return std::nullopt;
    const auto note = LaterDaysNoteFor(*table_, end);
    return note ? std::optional(NoteLine(*note)) : std::nullopt;
}

std::string ChosenRates::NewerIndexHow() const
{
    if (index_)
        return "se è uscito un indice più recente, aggiungere a " + Quoted(index_->file()) + " una riga per ogni mese";
    return "se è uscito un indice più recente, salvare la tabella con \"tarvel-calc --elenco-indici > indici.csv\", "
           "aggiungervi una riga per ogni mese e usarla con --indici indici.csv";
}

std::string NoteLine(const LaterDaysNote& note) { return "tarvel-calc: nota: " + Printable(note.text()); }

} // namespace tarvel
