#include "calc/ledger.h"

#include "calc/calculate_interest.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/statement.h"

#include <algorithm>
#include <cassert>

namespace tarvel {
namespace {

// Art. 6 D.Lgs. 231/2002: 40 euro for each sum paid late.
constexpr Currency kCompensation = Currency::fromTicks(40 * Currency::kScale);

Currency smaller(Currency a, Currency b) { return a.ticks() < b.ticks() ? a : b; }

ChargedRates ratesOf(const LedgerRequest& request)
{
    switch (request.regime) {
    case Regime::LegalWithClaim: return ChargedRates::WithClaim(*request.legalRates, *request.referenceRates);
    case Regime::LatePayment: return ChargedRates::LatePayment(*request.referenceRates, request.marginHundredths);
    case Regime::Contract: assert(!"a ledger charges no contract's rate"); break;
    case Regime::Legal: break;
    }
    return ChargedRates::Legal(*request.legalRates);
}

// Takes the movements in order, one span between each two days and the last
// to the end day; a fault stops it.
class LedgerRun {
public:
    explicit LedgerRun(const LedgerRequest& request)
        : request_(request), rates_(ratesOf(request)), periods_(rates_.Periods(request.claim, room_))
    {
    }

    Ledger run(const std::vector<const Movement*>& taken)
    {
        ledger_.regime = request_.regime;
        ledger_.regimeText = RegimeText(rates_, request_.claim);
        ledger_.claim = request_.claim;
        ledger_.capitalFirst = request_.capitalFirst;
        ledger_.compensation = request_.compensation && request_.regime == Regime::LatePayment;
        ledger_.end = request_.end;
        ledger_.lines.reserve(2 * taken.size() + 1);
        for (std::size_t i = 0; i < taken.size(); ++i) {
            const Movement& movement = *taken[i];
            if (movement.kind == Movement::Kind::Credit)
                credit(movement);
            else
                payment(movement);
            const Date next = i + 1 < taken.size() ? taken[i + 1]->day : request_.end;
            if (next > movement.day)
                span(movement, next);
        }
        const Movement& last = *taken.back();
        settle(last);
        LedgerTotals& totals = ledger_.totals;
        totals.capital = capital_;
        totals.interest = interestDue_;
        totals.compensation = compensationDue_;
        totals.surplus = surplus_;
        totals.due = need(need(capital_.plus(interestDue_), last).plus(compensationDue_), last);
        ledger_.roundingNote = roundingNote(last);
        ledger_.notes = rates_.Notes(taken.front()->day, request_.end, request_.claim);
        ledger_.tables = rates_.TableDescriptions();
        return std::move(ledger_);
    }

private:
    static Currency need(std::optional<Currency> value, const Movement& movement)
    {
        if (!value)
            throw LedgerFault{movement.line, kBeyondLimits};
        return *value;
    }

    StatementLine& movementLine(const Movement& movement, StatementLine::Kind kind)
    {
        StatementLine& line = ledger_.lines.emplace_back();
        line.kind = kind;
        line.day = movement.day;
        line.amount = movement.amount;
        line.description = movement.description;
        return line;
    }

    // Takes what it can of `owed` out of `from` into `paid`.
    static void take(Currency& from, Currency& owed, Currency& paid, const Movement& movement)
    {
        paid = smaller(from, owed);
        from = need(from.minus(paid), movement);
        owed = need(owed.minus(paid), movement);
    }

    // A credit is first set against what the debtor has paid over: its
    // capital, then its compensation.
    void credit(const Movement& movement)
    {
        StatementLine& line = movementLine(movement, StatementLine::Kind::Credit);
        Currency amount = movement.amount;
        take(surplus_, amount, line.surplus, movement);
        capital_ = need(capital_.plus(amount), movement);
        if (ledger_.compensation) {
            compensationDue_ = need(compensationDue_.plus(kCompensation), movement);
            take(surplus_, compensationDue_, line.toCompensation, movement);
        }
        line.capital = capital_;
    }

    void payment(const Movement& movement)
    {
        settle(movement);
        StatementLine& line = movementLine(movement, StatementLine::Kind::Payment);
        Currency rest = movement.amount;
        line.capitalFirst = request_.capitalFirst;
        if (request_.capitalFirst) {
            take(rest, capital_, line.toCapital, movement);
            take(rest, interestDue_, line.toInterest, movement);
        } else {
            take(rest, interestDue_, line.toInterest, movement);
            take(rest, capital_, line.toCapital, movement);
        }
        take(rest, compensationDue_, line.toCompensation, movement);
        line.surplus = rest;
        surplus_ = need(surplus_.plus(rest), movement);
        paidInterest_ = need(paidInterest_.plus(line.toInterest), movement);
        line.interestDue = interestDue_;
        line.capital = capital_;
    }

    // The interest accrued since the last payment becomes due, to the cent.
    void settle(const Movement& movement)
    {
        interestDue_ = need(interestDue_.plus(accrued_.toCents()), movement);
        accrued_ = Currency();
    }

    // The capital outstanding from the day after `from`'s to `to`, one line
    // per rate period it runs through. Only the days inside a period are
    // charged: a span that ends before a table's first day takes a negative
    // count there in the single calculation, which charges nothing here.
    void span(const Movement& from, Date to)
    {
        if (capital_ == Currency())
            return;
        input_.capitalText = CurrencyText(capital_);
        input_.startText = DateText(from.day);
        input_.endText = DateText(to);
        const CalculationResult result = CalculateInterest(input_, periods_);
        if (!result.ok)
            throw LedgerFault{from.line, kBeyondLimits};
        for (std::size_t i = 0; i < result.lineCount; ++i) {
            const PeriodLine& part = result.lines[i];
            if (!part.applies || part.days <= 0 || part.interest.isNegative())
                continue;
            const ClippedSpan clipped = clipToPeriod(periods_[i], from.day, to);
            StatementLine& line = ledger_.lines.emplace_back();
            line.day = clipped.start.plusDays(1);
            line.lastDay = clipped.end;
            line.capital = capital_;
            line.days = part.days;
            line.rate = rates_.Charged(i);
            line.interest = part.interest;
            line.act = std::string(periods_[i].act);
            accrued_ = need(accrued_.plus(part.interest), from);
            roundedRows_ = need(roundedRows_.plus(part.interest.toCents()), from);
        }
    }

    // The interest the ledger charged is what the payments took of it and
    // what is still due; each payment's share was summed exact from the rows
    // since the one before and rounded once (settle). The rows show each
    // interest to the cent, so their sum may miss that by a cent or so: then
    // the note says why. Capital first or not, interest only ever leaves
    // through a payment's "a interessi", so the comparison holds either way.
    std::string roundingNote(const Movement& last) const
    {
        if (roundedRows_ == need(paidInterest_.plus(interestDue_), last))
            return {};
        return "Gli interessi delle righe sono arrotondati al centesimo; quelli maturati tra un pagamento e il "
               "successivo, o fino ad AL, sono sommati esatti e arrotondati una volta.";
    }

    const LedgerRequest& request_;
    ChargedRates rates_;
    std::vector<RatePeriod> room_;
    std::span<const RatePeriod> periods_;
    CalculationInput input_;
    Ledger ledger_;
    Currency capital_;
    Currency accrued_; // since the last payment, to the ten-thousandth
    Currency interestDue_;
    Currency compensationDue_; // the 40,00 of the credits so far, not yet paid
    Currency surplus_;
    Currency paidInterest_; // what the payments took to interest
    Currency roundedRows_;  // the span rows' interest, each to the cent
};

std::optional<LedgerFault> requestFault(const LedgerRequest& request, const std::vector<const Movement*>& taken)
{
    if (request.end > LastChargedDay())
        return LedgerFault{0, "AL " + DateText(request.end) + " viene dopo il " + DateText(LastChargedDay())
                                  + ", l'ultimo giorno che si calcola"};
    for (const Movement& movement : request.movements)
        if (movement.day > request.end)
            return LedgerFault{movement.line,
                               "data " + DateText(movement.day) + ": viene dopo AL " + DateText(request.end)};
    // Capital is outstanding from the first credit on: advances paid before it
    // charge nothing, however early.
    const auto first = std::find_if(taken.begin(), taken.end(),
                                    [](const Movement* movement) { return movement->kind == Movement::Kind::Credit; });
    if (first == taken.end())
        return std::nullopt;
    const ChargedRates rates = ratesOf(request);
    // Before the reference rates: the claim's day ("DOMANDA: ..."), or the first credit's.
    if (auto fault = rates.LateDaysFault((*first)->day, request.end, request.claim))
        return fault->field == InputField::ClaimDate ? LedgerFault{0, fault->line()}
                                                     : LedgerFault{(*first)->line, fault->reason};
    return std::nullopt;
}

std::string amount(Currency value) { return AmountText(value); }

} // namespace

std::string TooManyMovementsReason()
{
    // The limit with its thousands grouped, as every count is shown: "100.000".
    std::string count = std::to_string(kMaxLedgerMovements);
    for (std::size_t at = count.size(); at > 3; at -= 3)
        count.insert(at - 3, ".");
    return "un conto prende al più " + count + " movimenti";
}

LedgerOutcome ComputeLedger(const LedgerRequest& request)
{
    assert(request.regime == Regime::LatePayment || request.legalRates);
    assert(request.regime == Regime::Legal || request.referenceRates);
    if (request.movements.empty())
        return {LedgerFault{0, "nessun movimento"}, std::nullopt};
    if (request.movements.size() > kMaxLedgerMovements)
        return {LedgerFault{request.movements[kMaxLedgerMovements].line, TooManyMovementsReason()}, std::nullopt};
    // By day; on one day the credits before the payments; else as given.
    std::vector<const Movement*> taken;
    taken.reserve(request.movements.size());
    for (const Movement& movement : request.movements)
        taken.push_back(&movement);
    std::stable_sort(taken.begin(), taken.end(), [](const Movement* a, const Movement* b) {
        return std::pair(a->day, a->kind) < std::pair(b->day, b->kind);
    });
    if (auto fault = requestFault(request, taken))
        return {std::move(fault), std::nullopt};
    try {
        return {std::nullopt, LedgerRun(request).run(taken)};
    } catch (const LedgerFault& fault) {
        return {fault, std::nullopt};
    }
}

std::vector<ShownTotal> ShownTotals(const Ledger& ledger)
{
    const LedgerTotals& totals = ledger.totals;
    std::vector<ShownTotal> shown = {{"Capitale residuo", totals.capital}, {"Interessi", totals.interest}};
    if (ledger.compensation)
        shown.push_back({"Indennizzo (art. 6 D.Lgs. 231/2002)", totals.compensation});
    if (totals.surplus != Currency())
        shown.push_back({"Eccedenza a favore del debitore", totals.surplus});
    shown.push_back(DueTotal(DateText(ledger.end), totals.due));
    return shown;
}

std::vector<std::string> LedgerTotalLines(const Ledger& ledger)
{
    std::vector<std::string> lines;
    for (const ShownTotal& total : ShownTotals(ledger))
        lines.push_back(total.caption + ": " + amount(total.amount));
    return lines;
}

void ForEachLedgerTextLine(const Ledger& ledger, const std::function<void(const std::string&)>& line)
{
    if (ledger.regimeText.empty()) {
        line(InterestCaption(ledger.regime));
    } else {
        line(Capitalised(ledger.regimeText));
    }
    if (ledger.capitalFirst)
        line("Pagamenti imputati prima al capitale, poi agli interessi");
    for (const StatementLine& movement : ledger.lines)
        line(StatementLineText(movement));
    if (!ledger.roundingNote.empty())
        line(ledger.roundingNote);
    for (const LaterDaysNote& note : ledger.notes)
        line("Nota: " + Printable(note.what));
    for (const std::string& table : ledger.tables)
        line("Tabella: " + Printable(table));
    for (const std::string& total : LedgerTotalLines(ledger))
        line(total);
}

std::string LedgerText(const Ledger& ledger)
{
    std::string text;
    ForEachLedgerTextLine(ledger, [&text](const std::string& line) { text.append(line) += '\n'; });
    return text;
}

} // namespace tarvel
