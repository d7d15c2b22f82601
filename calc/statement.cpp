#include "calc/statement.h"

#include "calc/compounding.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/revalued_statement.h"

#include <algorithm>
#include <cassert>

namespace tarvel {
namespace {

ChargedRates ratesOf(const StatementRequest& request, int margin, int contract)
{
    switch (request.regime) {
    case Regime::Contract: return ChargedRates::Contract(contract);
    case Regime::LegalWithClaim: return ChargedRates::WithClaim(*request.legalRates, *request.referenceRates);
    case Regime::LatePayment: return ChargedRates::LatePayment(*request.referenceRates, margin);
    case Regime::Legal: break;
    }
    return ChargedRates::Legal(*request.legalRates);
}

std::string counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string line(std::string_view caption, std::string_view value)
{
    return std::string(caption) + ':' + (value.empty() ? "" : " " + std::string(value)) + '\n';
}

// No total is shown when the interest comes out negative.
std::string roundingNote(const CalculationResult& result, const std::vector<StatementLine>& rows)
{
    const std::optional<Currency> total = result.runningTotal.minus(result.capital);
    if (!total || total->isNegative())
        return {};
    return RowsRoundingNote(rows, total->toCents());
}

// The statement of a simple calculation made compounded: its rows the
// stretches between capitalisations and the capitalisations, its interest
// and sum theirs. Why not past the limits, or for a negative capital.
std::optional<FieldFault> compound(Statement& statement, const ChargedRates& rates, std::span<const RatePeriod> periods,
                                   const CalculationResult& result, CompoundingPeriod period, std::optional<Date> from,
                                   std::string_view capitalText)
{
    if (result.capital.isNegative())
        return FieldFault{InputField::Capital, "importo negativo: " + Quoted(capitalText)};
    statement.rows.clear();
    const std::vector<Date> days = CapitalisationDays(period, result.start, result.end, from);
    const auto compounded = Compound(rates, periods, {result.capital, result.start, result.end, days}, &statement.rows);
    const auto due = compounded ? result.capital.plus(compounded->interest) : std::nullopt;
    if (!due)
        return FieldFault{InputField::Capital, kAmountBeyondLimits};
    statement.compounding = StatementCompounding{period, from, compounded->interest, *due};
    statement.interest = AmountText(compounded->interest);
    statement.sum = AmountText(*due);
    statement.roundingNote.clear();
    return std::nullopt;
}

// A statement with an option, a revaluation or a compounding, as tarvel-calc
// writes it: its title, the capital (the amount of a revaluation alone) and
// the span, the option's lines, the rows with their acts, the rounding note,
// the notes, the tables, the option's last word, and the totals last.
std::string optionText(const Statement& statement, const std::string& title, const std::vector<std::string>& lines,
                       bool charged, const std::vector<ShownTotal>& totals, std::string_view lastWord)
{
    std::string text = title + '\n';
    text += line(charged ? "Capitale" : "Importo", statement.capital);
    if (charged)
        text += line("dal " + statement.startDate + " al " + statement.endDate,
                     YearsAndDaysText(statement.years, statement.days));
    for (const std::string& each : lines)
        text += each + '\n';
    for (const StatementLine& row : statement.rows)
        text += StatementLineText(row) + (row.act.empty() ? "" : " (" + Printable(row.act) + ')') + '\n';
    if (!statement.roundingNote.empty())
        text += statement.roundingNote + '\n';
    for (const LaterDaysNote& note : statement.notes)
        text += "Nota: " + Printable(note.what) + '\n';
    for (const std::string& table : statement.tables)
        text += line("Tabella", Printable(table));
    if (!lastWord.empty())
        text += std::string(lastWord) + '\n';
    for (const ShownTotal& total : totals)
        text += line(total.caption, AmountText(total.amount));
    return text;
}

} // namespace

// The rows show each interest to the cent and the total is the exact sum
// rounded once, so the rows may miss the total by a cent or so: then a
// sentence says why.
std::string RowsRoundingNote(const std::vector<StatementLine>& rows, Currency interest)
{
    std::optional<Currency> shown = Currency();
    for (const StatementLine& row : rows)
        if (shown)
            shown = shown->plus(row.interest.toCents());
    if (shown == interest)
        return {};
    return "Gli interessi delle righe sono arrotondati al centesimo; il totale è la somma degli interessi esatti, "
           "arrotondata una volta.";
}

std::string RegimeText(const ChargedRates& rates, std::optional<Date> claim)
{
    switch (rates.ChargedRegime()) {
    case Regime::LegalWithClaim:
        return claim
                   ? "dalla domanda giudiziale del " + DateText(*claim) + " al tasso di mora, art. 1284, 4° comma c.c."
                   : "";
    case Regime::Contract:
        return "interessi convenzionali al " + RateThousandthsText(rates.ContractThousandths()) + '%';
    case Regime::LatePayment:
        return "interessi di mora, D.Lgs. 231/2002, maggiorazione " + RateText(rates.MarginHundredths())
               + (rates.MarginHundredths() == 100 ? " punto" : " punti");
    case Regime::Legal: break;
    }
    return "";
}

ChargedCalculation CalculateCharged(const StatementRequest& request)
{
    assert(request.regime == Regime::LatePayment || request.regime == Regime::Contract || request.legalRates);
    assert(request.regime == Regime::Legal || request.regime == Regime::Contract || request.referenceRates);
    ChargedCalculation calculation;
    std::vector<FieldFault>& faults = calculation.faults;

    std::optional<Date> claim;
    int margin = kDefaultMarginHundredths;
    if (request.regime == Regime::LegalWithClaim) {
        auto read = ReadClaimDate(request.claimDate);
        if (auto* fault = std::get_if<FieldFault>(&read))
            faults.push_back(std::move(*fault));
        else
            claim = std::get<Date>(read);
    }
    if (request.regime == Regime::LatePayment) {
        if (auto fault = MarginFault(request.margin))
            faults.push_back(std::move(*fault));
        else
            margin = *ReadMargin(request.margin);
    }
    int contract = 0;
    if (request.regime == Regime::Contract) {
        if (auto fault = ContractRateFault(request.contractRate))
            faults.push_back(std::move(*fault));
        else
            contract = *ReadContractRate(request.contractRate);
    }
    const ChargedRates rates = ratesOf(request, margin, contract);
    std::vector<RatePeriod> room;
    const auto periods = rates.Periods(claim, room);
    for (const RatePeriod& period : periods)
        calculation.captions.emplace_back(period.caption);
    if (!faults.empty()) {
        std::vector<FieldFault> all = TextFaults(request.capital, request.start, request.end);
        all.insert(all.end(), faults.begin(), faults.end());
        faults = std::move(all);
        return calculation;
    }
    const auto startField = DateFieldText(request.start);
    const auto endField = DateFieldText(request.end);
    std::optional<Date> compoundingFrom;
    if (startField && endField && TextFaults(request.capital, request.start, request.end).empty()) {
        const Date start = *ParseDate(*startField);
        const Date end = *ParseDate(*endField);
        if (auto fault = rates.LateDaysFault(start, end, claim)) {
            faults.push_back(std::move(*fault));
            return calculation;
        }
        if (request.compounding && !request.compounding->from.empty()) {
            auto read = ReadCompoundingFrom(request.compounding->from, start, end);
            if (auto* fault = std::get_if<FieldFault>(&read)) {
                faults.push_back(std::move(*fault));
                return calculation;
            }
            compoundingFrom = std::get<Date>(read);
        }
    }
    calculation.input = {request.capital, startField.value_or(kUnfilledDateField),
                         endField.value_or(kUnfilledDateField)};
    calculation.result = CalculateInterest(calculation.input, periods);
    if (calculation.result.ok && RunRefused(request.capital, calculation.result))
        calculation.result = CalculationResult{}; // nothing of it is shown
    if (!calculation.result.ok) {
        faults = CalculationFaults(request.capital, request.start, request.end);
        return calculation;
    }
    calculation.statement = StatementOf(calculation.result, rates, periods, claim);
    if (request.compounding) {
        if (auto fault = compound(*calculation.statement, rates, periods, calculation.result,
                                  request.compounding->period, compoundingFrom, request.capital)) {
            calculation.statement.reset();
            faults = {std::move(*fault)};
        }
    }
    return calculation;
}

StatementOutcome MakeStatement(const StatementRequest& request)
{
    if (request.revaluation)
        return MakeRevaluedStatement(request);
    ChargedCalculation calculation = CalculateCharged(request);
    return {std::move(calculation.faults), std::move(calculation.statement)};
}

Statement StatementOf(const CalculationResult& result, const ChargedRates& rates, std::span<const RatePeriod> periods,
                      std::optional<Date> claim)
{
    assert(result.ok && periods.size() == result.lineCount);
    using enum ResultControl;
    Statement statement;
    statement.regime = rates.ChargedRegime();
    statement.regimeText = RegimeText(rates, claim);
    statement.claim = claim;
    statement.capital = WithLeadingZero(result.written.capital.value_or(""));
    statement.startDate = DateText(result.start);
    statement.endDate = DateText(result.end);
    for (std::size_t i = 0; i < result.lineCount; ++i) {
        const PeriodLine& line = result.lines[i];
        if (!line.applies)
            continue;
        StatementLine row;
        if (line.days > 0) {
            const ClippedSpan span = clipToPeriod(periods[i], result.start, result.end);
            row.day = span.start.plusDays(1);
            row.lastDay = span.end;
        }
        row.capital = result.capital;
        row.days = line.days;
        row.rate = rates.Charged(i);
        row.interest = line.interest;
        row.act = std::string(periods[i].act);
        statement.rows.push_back(std::move(row));
    }
    statement.roundingNote = roundingNote(result, statement.rows);
    statement.interest = WithLeadingZero(result.written[SeeInteressi].view());
    statement.sum = WithLeadingZero(result.written[Label6].view());
    statement.years = result.years;
    statement.days = result.remainingDays;
    statement.notes = rates.Notes(result.start, result.end, claim);
    statement.tables = rates.TableDescriptions();
    return statement;
}

std::string InterestCaption(Regime regime)
{
    switch (regime) {
    case Regime::LegalWithClaim: return "Interessi legali e di mora";
    case Regime::LatePayment: return "Interessi di mora";
    case Regime::Contract: return "Interessi convenzionali";
    case Regime::Legal: break;
    }
    return "Interessi legali";
}

std::string YearsAndDaysText(int years, int days)
{
    return counted(years, "anno", "anni") + " e " + counted(days, "giorno", "giorni");
}

std::vector<ShownTotal> CompoundedTotals(const Statement& statement)
{
    return {{"Interessi", statement.compounding->interest}, DueTotal(statement.endDate, statement.compounding->due)};
}

std::string StatementText(const Statement& statement)
{
    if (statement.revaluation) {
        const StatementRevaluation& revaluation = *statement.revaluation;
        return optionText(statement, StatementTitle(statement), RevaluationLines(revaluation),
                          revaluation.interestOn.has_value(), RevaluationTotals(statement), "");
    }
    if (statement.compounding)
        return optionText(statement,
                          statement.regimeText.empty() ? InterestCaption(statement.regime)
                                                       : Capitalised(statement.regimeText),
                          {Capitalised(CompoundingText(statement.compounding->period, statement.compounding->from))},
                          true, CompoundedTotals(statement), kCompoundingLawNote);
    std::string text = line("Capitale", statement.capital);
    text += line("dal " + statement.startDate + " al " + statement.endDate,
                 YearsAndDaysText(statement.years, statement.days));
    if (!statement.regimeText.empty())
        text += Capitalised(statement.regimeText) + '\n';
    for (const StatementLine& row : statement.rows) {
        if (row.days > 0)
            text += "dal " + DateText(row.day) + " al " + DateText(row.lastDay) + ": ";
        text += counted(row.days, "giorno", "giorni") + ", ";
        text += (row.rate.latePayment ? "tasso di mora " : "tasso ") + ChargedRateText(row.rate);
        text += ", interessi " + AmountText(row.interest) + '\n';
    }
    if (!statement.roundingNote.empty())
        text += statement.roundingNote + '\n';
    text += line(InterestCaption(statement.regime), statement.interest);
    text += line("Somma", statement.sum);
    for (const LaterDaysNote& note : statement.notes)
        text += "Nota: " + Printable(note.what) + '\n';
    for (const std::string& table : statement.tables)
        text += line("Tabella", Printable(table));
    return text;
}

} // namespace tarvel
