#include "calc/charged_rates.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/digits.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>
#include <cassert>

namespace tarvel {

std::optional<int> ReadMargin(std::string_view text)
{
    const auto margin = ReadRate(text);
    if (!margin || *margin > kMaxMarginHundredths)
        return std::nullopt;
    return margin;
}

std::optional<FieldFault> MarginFault(std::string_view text)
{
    if (ReadMargin(text))
        return std::nullopt;
    return FieldFault{InputField::Margin,
                      "maggiorazione non valida: " + Quoted(text)
                          + " (un numero di punti da 0 a 20, con la virgola e al più due decimali)"};
}

Date FirstClaimDay() { return *Date::fromCivil(2014, 12, 11); }

std::variant<Date, FieldFault> ReadClaimDate(std::string_view text)
{
    const auto field = DateFieldText(text);
    if (!field)
        return FieldFault{InputField::ClaimDate, "data non valida: " + Quoted(text)};
    const Date claim = *ParseDate(*field);
    if (claim < FirstClaimDay())
        return FieldFault{InputField::ClaimDate,
                          "la domanda del " + DateText(claim) + " viene prima dell'" + DateText(FirstClaimDay())
                              + ": il 4° comma dell'art. 1284 c.c. vale per le domande proposte da quel giorno"};
    return claim;
}

ChargedRates ChargedRates::Legal(const RateTable& legal) { return ChargedRates(Regime::Legal, &legal, nullptr, 0); }

ChargedRates ChargedRates::WithClaim(const RateTable& legal, const RateTable& reference)
{
    return ChargedRates(Regime::LegalWithClaim, &legal, &reference, kDefaultMarginHundredths);
}

ChargedRates ChargedRates::LatePayment(const RateTable& reference, int marginHundredths)
{
    return ChargedRates(Regime::LatePayment, nullptr, &reference, marginHundredths);
}

ChargedRates ChargedRates::Contract(int rateThousandths)
{
    assert(rateThousandths > 0 && rateThousandths <= kMaxContractThousandths);
    ChargedRates rates(Regime::Contract, nullptr, nullptr, 0);
    rates.captions_.push_back(RateThousandthsText(rateThousandths) + "% convenzionale");
    const bool whole = rateThousandths % 1000 == 0;
    // Every day a table may charge.
    rates.base_.push_back({.index = 0,
                           .fromDate = Date::fromCivil(Date::kMinYear, 1, 1)->plusDays(-1),
                           .toDate = LastChargedDay(),
                           .ratePercent = rateThousandths / 1000.0,
                           .wholeRatePercent = whole ? rateThousandths / 1000 : 0,
                           .wholeRate = whole,
                           .participation = Participation::Overlap,
                           .caption = rates.captions_.front(),
                           .act = "accordo delle parti"});
    rates.rows_.push_back({false, 0, rateThousandths});
    return rates;
}

std::optional<int> ReadContractRate(std::string_view text)
{
    const auto rate = ReadDecimal(TrimSpaces(text), 3, 3);
    return rate && *rate > 0 && *rate <= kMaxContractThousandths ? rate : std::nullopt;
}

std::optional<FieldFault> ContractRateFault(std::string_view text)
{
    if (ReadContractRate(text))
        return std::nullopt;
    return FieldFault{InputField::ContractRate, "tasso non valido: " + Quoted(text)
                                                    + " (si attende un numero da 0,001 a 100, al più tre decimali)"};
}

ChargedRates::ChargedRates(Regime regime, const RateTable* legal, const RateTable* reference, int marginHundredths)
    : regime_(regime), legal_(legal), reference_(reference), marginHundredths_(marginHundredths)
{
    assert(marginHundredths >= 0 && marginHundredths <= kMaxMarginHundredths);
    if (legal_) {
        for (const RatePeriod& period : legal_->periods()) {
            base_.push_back(period);
            rows_.push_back({false, 0, 10 * RateHundredths(period)});
        }
        legalCount_ = base_.size();
    }
    if (reference_)
        AddLateRows();
}

void ChargedRates::AddLateRows()
{
    const auto periods = reference_->periods();
    captions_.reserve(periods.size()); // the periods view these strings
    for (const RatePeriod& period : periods) {
        const int reference = RateHundredths(period);
        const int rate = reference + marginHundredths_;
        captions_.push_back("mora " + RateText(rate) + "% dal " + DateText(period.fromDate.plusDays(1)));
        RatePeriod row = period;
        row.index = static_cast<int>(base_.size());
        row.ratePercent = rate / 100.0;
        row.wholeRate = rate % 100 == 0;
        row.wholeRatePercent = row.wholeRate ? rate / 100 : 0;
        row.caption = captions_.back();
        // No late-payment day is charged before the table's first day
        // (LateDaysFault), so its first row has no rule of its own: a span
        // takes part in a row only with days inside it.
        if (row.participation == Participation::StartOnly)
            row.participation = Participation::Overlap;
        if (row.participation == Participation::Always)
            row.participation = Participation::EndOnly;
        base_.push_back(row);
        rows_.push_back({true, reference, 10 * rate});
    }
}

namespace {

// Charges only the days of `period` up to `lastDay`.
void EndAt(RatePeriod& period, Date lastDay)
{
    if (period.toDate <= lastDay)
        return;
    period.toDate = lastDay;
    using enum Participation;
    // A row cut away whole charges nothing, the first one too: when a legal
    // table starts after the claim, the days before its first row earn
    // nothing, as they do without a claim.
    if (period.fromDate >= period.toDate)
        period.participation = Never;
    else if (period.participation == Always)
        period.participation = StartOnly;
    else if (period.participation == EndOnly)
        period.participation = Overlap;
}

// Charges only the days of `period` after `dayBefore`.
void StartAfter(RatePeriod& period, Date dayBefore)
{
    if (period.fromDate >= dayBefore)
        return;
    period.fromDate = dayBefore;
    if (period.fromDate >= period.toDate)
        period.participation = Participation::Never;
}

} // namespace

std::span<const RatePeriod> ChargedRates::Periods(std::optional<Date> claim, std::vector<RatePeriod>& room) const
{
    if (regime_ != Regime::LegalWithClaim)
        return base_;
    room.assign(base_.begin(), base_.end());
    for (std::size_t i = legalCount_; i < room.size(); ++i) {
        if (claim)
            StartAfter(room[i], claim->plusDays(-1));
        else
            room[i].participation = Participation::Never;
    }
    if (claim)
        for (std::size_t i = 0; i < legalCount_; ++i)
            EndAt(room[i], claim->plusDays(-1));
    return room;
}

std::optional<FieldFault> ChargedRates::LateDaysFault(Date start, Date end, std::optional<Date> claim) const
{
    if (regime_ == Regime::Legal || regime_ == Regime::Contract
        || (regime_ == Regime::LegalWithClaim && (!claim || end < *claim)))
        return std::nullopt;
    const Date firstKnown = reference_->changes().front().firstDay;
    const bool fromClaim = regime_ == Regime::LegalWithClaim && *claim > start;
    const Date firstCharged = fromClaim ? *claim : start.plusDays(1);
    if (firstCharged >= firstKnown)
        return std::nullopt;
    return FieldFault{fromClaim ? InputField::ClaimDate : InputField::Start,
                      "il primo giorno al tasso di mora, il " + DateText(firstCharged) + ", viene prima del "
                          + DateText(firstKnown) + ", il primo giorno della tabella dei tassi di riferimento"};
}

std::vector<LaterDaysNote> ChargedRates::Notes(Date start, Date end, std::optional<Date> claim) const
{
    std::vector<LaterDaysNote> notes;
    const bool claimInSpan = regime_ == Regime::LegalWithClaim && claim;
    if (legal_) {
        const Date legalEnd = claimInSpan ? std::min(end, claim->plusDays(-1)) : end;
        if (!claimInSpan || legalEnd > start)
            if (auto note = LaterDaysNoteFor(*legal_, legalEnd))
                notes.push_back(std::move(*note));
    }
    if (reference_ && (regime_ == Regime::LatePayment || (claimInSpan && end >= *claim)))
        if (auto note = LaterDaysNoteFor(*reference_, end))
            notes.push_back(std::move(*note));
    return notes;
}

std::vector<std::string> ChargedRates::TableDescriptions() const
{
    std::vector<std::string> tables;
    for (const RateTable* table : {legal_, reference_})
        if (table)
            tables.push_back(table->description());
    return tables;
}

} // namespace tarvel
