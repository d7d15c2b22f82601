#include "calc/rate_table.h"

#include "calc/currency.h"
#include "calc/date_text.h"
#include "calc/digits.h"
#include "calc/number_texts.h"
#include "calc/trim_spaces.h"

#include <cassert>
#include <cmath>

namespace tarvel {

Date LastChargedDay() { return *Date::fromCivil(2199, 12, 31); }

RateChange BuiltInChange(int year, int month, int day, int rateHundredths, std::string act)
{
    return {Date::fromCivil(year, month, day).value(), rateHundredths, std::move(act)};
}

std::optional<std::string> RateChangeProblem(const RateChange* previous, const RateChange& change)
{
    if (previous && change.firstDay <= previous->firstDay)
        return "la data " + DateText(change.firstDay) + " non viene dopo " + DateText(previous->firstDay);
    if (change.firstDay > LastChargedDay())
        return "la data " + DateText(change.firstDay) + " viene dopo il " + DateText(LastChargedDay())
               + ", l'ultimo giorno che si calcola";
    if (change.rateHundredths < 0 || change.rateHundredths > kMaxRateHundredths)
        return "il tasso " + RateText(change.rateHundredths) + " non è tra 0 e 100";
    return std::nullopt;
}

// Hundredths of a percent are written as a currency text of hundredths of a
// ten-thousandth would be: no grouping, no trailing zeros.
std::string RateText(int rateHundredths) { return CurrencyText(Currency::fromTicks(rateHundredths * 100LL)); }

std::string RateThousandthsText(int rateThousandths)
{
    return CurrencyText(Currency::fromTicks(rateThousandths * 10LL));
}

std::optional<int> ReadRate(std::string_view text) { return ReadDecimal(TrimSpaces(text), 3, 2); }

int RateHundredths(const RatePeriod& period) { return static_cast<int>(std::lround(period.ratePercent * 100)); }

RateTable::RateTable(std::string name, std::vector<RateChange> changes, RateKind kind, std::string file)
    : name_(std::move(name)), kind_(kind), file_(std::move(file)), changes_(std::move(changes))
{
    assert(!changes_.empty() && changes_.size() <= kMaxRatePeriods);
    const std::size_t count = changes_.size();
    captions_.reserve(count); // the periods view these strings
    periods_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const RateChange& change = changes_[i];
        assert(!RateChangeProblem(i > 0 ? &changes_[i - 1] : nullptr, change));
        captions_.push_back(RateText(change.rateHundredths) + "% dal " + DateText(change.firstDay));
        const bool first = i == 0;
        const bool last = i + 1 == count;
        const Participation participation = first && last ? Participation::Always
                                            : first       ? Participation::StartOnly
                                            : last        ? Participation::EndOnly
                                                          : Participation::Overlap;
        const bool whole = change.rateHundredths % 100 == 0;
        periods_.push_back({
            .index = static_cast<int>(i),
            .fromDate = change.firstDay.plusDays(-1),
            .toDate = last ? LastChargedDay() : changes_[i + 1].firstDay.plusDays(-1),
            .ratePercent = change.rateHundredths / 100.0,
            .wholeRatePercent = whole ? change.rateHundredths / 100 : 0,
            .wholeRate = whole,
            .participation = participation,
            .caption = captions_.back(),
            .act = change.act,
        });
    }
    // A decree sets the legal rate of a year; a reference rate holds for its half-year.
    const Date::Civil lastChange = changes_.back().firstDay.civil();
    knownUntil_ = kind_ == RateKind::Reference && lastChange.month <= 6 ? *Date::fromCivil(lastChange.year, 6, 30)
                                                                        : *Date::fromCivil(lastChange.year, 12, 31);
}

std::string RateTable::description() const
{
    const std::string& lastAct = changes_.back().act;
    return name_ + (lastAct.empty() ? "" : ", ultimo atto: " + lastAct);
}

std::optional<LaterDaysNote> LaterDaysNoteFor(const RateTable& table, Date lastDay)
{
    if (lastDay <= table.knownUntil())
        return std::nullopt;
    const bool legal = table.kind() == RateKind::Legal;
    LaterDaysNote note;
    note.what = "i giorni dopo il " + DateText(table.knownUntil()) + " sono calcolati all'ultimo tasso "
                + (legal ? "" : "di riferimento ") + "noto (" + std::string(table.periods().back().caption) + ")";
    note.how = legal ? "se è uscito un decreto più recente, " : "se è uscito un comunicato più recente, ";
    const std::string newRate = legal ? "il nuovo tasso" : "il nuovo tasso di riferimento";
    if (!table.file().empty())
        note.how += "aggiungere una riga con " + newRate + " al file " + table.file();
    else if (legal)
        note.how += "salvare la tabella con \"tarvel-calc --tassi vigenti --elenco-tassi > tassi.csv\", aggiungervi "
                    "una riga con il nuovo tasso e calcolare con --tassi tassi.csv";
    else
        note.how += "salvare la tabella con \"tarvel-calc --elenco-tassi-mora > tassi-mora.csv\", aggiungervi una "
                    "riga con il nuovo tasso di riferimento e calcolare con --tassi-mora tassi-mora.csv";
    return note;
}

} // namespace tarvel
