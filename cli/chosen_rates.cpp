#include "cli/chosen_rates.h"

#include "calc/date_text.h"
#include "calc/rates_in_force.h"
#include "runtime/rate_table_file.h"

namespace tarvel {

std::optional<ChosenRates> ChosenRates::Choose(const std::optional<std::string>& option, std::ostream& errors)
{
    ChosenRates rates;
    if (!option)
        return rates;
    if (*option == kInForce) {
        rates.table_ = &RatesInForce();
        return rates;
    }
    auto table = ReadRateTableFile(*option, errors);
    if (!table)
        return std::nullopt;
    rates.owned_ = std::make_unique<RateTable>(std::move(*table));
    rates.table_ = rates.owned_.get();
    rates.file_ = *option;
    return rates;
}

std::span<const RatePeriod> ChosenRates::periods() const
{
    return table_ ? table_->periods() : std::span<const RatePeriod>(LegalRateSchedule());
}

std::optional<std::string> ChosenRates::LaterDaysNote(Date end) const
{
    if (!table_ || end <= table_->knownUntil())
        return std::nullopt;
    const std::string how = owned_ ? "aggiungere una riga con il nuovo tasso al file " + file_
                                   : "salvare la tabella con \"tarvel-calc --tassi vigenti --elenco-tassi > "
                                     "tassi.csv\", aggiungervi una riga con il nuovo tasso e calcolare con "
                                     "--tassi tassi.csv";
    return "tarvel-calc: nota: i giorni dopo il " + DateText(table_->knownUntil())
           + " sono calcolati all'ultimo tasso noto (" + std::string(table_->periods().back().caption)
           + "); se è uscito un decreto più recente, " + how;
}

} // namespace tarvel
