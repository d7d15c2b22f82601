#include "calc/revalued_statement.h"

#include "calc/calculate_interest.h"
#include "calc/charged_span.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"

#include <array>
#include <cassert>
#include <tuple>

namespace tarvel {
namespace {

std::optional<Date> dateOf(std::string_view text)
{
    const auto field = DateFieldText(text);
    return field ? ParseDate(*field) : std::nullopt;
}

// A DAL or AL of the revaluation alone: a day, or a month ("03/2015").
struct MonthOrDay {
    Month month;
    std::optional<Date> day;
};

std::optional<MonthOrDay> monthOrDayOf(std::string_view text)
{
    if (const auto day = dateOf(text))
        return MonthOrDay{Month::of(*day), day};
    if (const auto month = ReadMonth(text))
        return MonthOrDay{*month, std::nullopt};
    return std::nullopt;
}

std::string dayOrMonthText(const MonthOrDay& given)
{
    return given.day ? DateText(*given.day) : MonthDigitsText(given.month);
}

// The legal interest of `capital` over the days after `start` up to `end`,
// with its rows; its exact interest, or nothing past the limits.
std::optional<Currency> charge(const RateTable& table, Currency capital, Date start, Date end,
                               std::vector<StatementLine>* rows)
{
    const auto periods = table.periods();
    return ChargeSpan(
        periods, true, capital, start, end,
        [periods](std::size_t i) { return ChargedRate{.thousandths = 10 * RateHundredths(periods[i])}; }, rows);
}

// The legal interest of a revaluation's method, into `revaluation`.
std::optional<FieldFault> chargeInterest(const StatementRequest& request, Currency capital, Date start, Date end,
                                         StatementRevaluation& revaluation, std::vector<StatementLine>* rows)
{
    const RateTable& table = *request.legalRates;
    const Revaluation& figures = revaluation.figures;
    std::optional<Currency> interest;
    switch (*revaluation.interestOn) {
    case InterestOn::Initial: interest = charge(table, capital, start, end, rows); break;
    case InterestOn::Revalued: interest = charge(table, figures.revalued, start, end, rows); break;
    case InterestOn::Yearly: {
        const std::vector<Date> anniversaries = Anniversaries(start, end);
        const Month first = Month::of(start);
        revaluation.years.reserve(anniversaries.size() + 1);
        interest = Currency();
        for (std::size_t k = 0; k <= anniversaries.size() && interest; ++k) {
            RevaluedYear& year = revaluation.years.emplace_back();
            year.start = k == 0 ? start : anniversaries[k - 1];
            year.end = k < anniversaries.size() ? anniversaries[k] : end;
            // An anniversary is in DAL's month, k years on.
            year.coefficientThousandths = k == 0 ? 1000
                                                 : CoefficientThousandths(*request.revaluation->index, first,
                                                                          first.plus(12 * static_cast<int>(k)));
            const auto yearCapital = k == 0 ? capital : TimesCoefficient(capital, year.coefficientThousandths);
            const auto yearInterest =
                yearCapital ? charge(table, *yearCapital, year.start, year.end, rows) : std::nullopt;
            if (!yearInterest)
                interest = std::nullopt;
            else {
                year.capital = *yearCapital;
                year.interest = *yearInterest;
                interest = interest->plus(*yearInterest);
            }
        }
        break;
    }
    }
    const auto due = interest ? figures.revalued.plus(interest->toCents()) : std::nullopt;
    if (!due)
        return FieldFault{InputField::Capital, kAmountBeyondLimits};
    revaluation.interest = interest->toCents();
    revaluation.due = *due;
    return std::nullopt;
}

// What the request's texts say, read once.
struct ReadRequest {
    std::vector<FieldFault> faults;
    Currency capital;
    std::optional<MonthOrDay> start;
    std::optional<MonthOrDay> end;
    std::optional<int> percentage;
};

ReadRequest readRequest(const StatementRequest& request)
{
    const RevaluationRequest& asked = *request.revaluation;
    ReadRequest read;
    if (asked.interestOn) {
        // Each text read once; only one that may be at fault is read again for its reasons.
        const auto capital = ParseCurrency(FormatAmount(request.capital));
        const auto start = dateOf(request.start);
        const auto end = dateOf(request.end);
        const bool charged = capital && !HasMoreThanTwoDecimals(request.capital) && start && end && *end >= *start
                             && *end <= LastChargedDay() && *end - *start <= 32767;
        if (!charged) {
            read.faults = TextFaults(request.capital, request.start, request.end);
            // A month where the interest needs a day.
            for (FieldFault& fault : read.faults) {
                const std::string& text = fault.field == InputField::Start ? request.start : request.end;
                if ((fault.field == InputField::Start || fault.field == InputField::End) && !dateOf(text)
                    && ReadMonth(text))
                    fault.reason = "con gli interessi serve un giorno, non un mese: " + Quoted(text);
            }
        } else {
            read.start = MonthOrDay{Month::of(*start), start};
            read.end = MonthOrDay{Month::of(*end), end};
        }
    } else {
        if (auto fault = CapitalFault(request.capital))
            read.faults.push_back(std::move(*fault));
        read.start = monthOrDayOf(request.start);
        read.end = monthOrDayOf(request.end);
        for (const auto& [given, text, field] : {std::tuple(&read.start, &request.start, InputField::Start),
                                                 std::tuple(&read.end, &request.end, InputField::End)})
            if (!*given)
                read.faults.push_back({field, "data o mese non valido: " + Quoted(*text)});
        // Two days in one month: the month's order alone does not tell.
        if (read.start && read.end && read.start->day && read.end->day && *read.end->day < *read.start->day)
            read.faults.push_back(EndBeforeStart(request.start, request.end));
        if (!asked.percentage.empty()) {
            if (auto fault = PercentageFault(asked.percentage))
                read.faults.push_back(std::move(*fault));
            else
                read.percentage = ReadPercentage(asked.percentage);
        }
    }
    if (read.faults.empty()) {
        read.capital = *ParseCurrency(FormatAmount(request.capital));
        if (read.capital.isNegative())
            read.faults.push_back({InputField::Capital, "importo negativo: " + Quoted(request.capital)});
    }
    return read;
}

std::string readingText(const IndexReading& reading)
{
    std::string text = MonthText(reading.month) + ", indice ";
    if (reading.used != reading.month)
        text += "di " + MonthText(reading.used) + ' ';
    return text + IndexText(reading.tenths) + " (base " + BaseText(reading.baseYear) + ')';
}

} // namespace

RevaluationRun RunRevaluation(const StatementRequest& request, std::vector<StatementLine>* rows)
{
    assert(request.revaluation && request.revaluation->index && request.regime == Regime::Legal);
    assert(!request.revaluation->interestOn || request.legalRates);
    ReadRequest read = readRequest(request);
    RevaluationRun run;
    if (!read.faults.empty()) {
        run.faults = std::move(read.faults);
        return run;
    }
    auto revalued =
        Revalue(*request.revaluation->index, read.capital, read.start->month, read.end->month, read.percentage);
    if (auto* fault = std::get_if<FieldFault>(&revalued)) {
        run.faults.push_back(std::move(*fault));
        return run;
    }
    StatementRevaluation revaluation;
    revaluation.interestOn = request.revaluation->interestOn;
    revaluation.figures = std::move(std::get<Revaluation>(revalued));
    if (!revaluation.interestOn) {
        revaluation.due =
            revaluation.figures.percentageHundredths ? revaluation.figures.updated : revaluation.figures.revalued;
    } else if (auto fault =
                   chargeInterest(request, read.capital, *read.start->day, *read.end->day, revaluation, rows)) {
        run.faults.push_back(std::move(*fault));
        return run;
    }
    if (revaluation.interestOn)
        if (auto note = LaterDaysNoteFor(*request.legalRates, *read.end->day))
            run.notes.push_back(std::move(*note));
    if (revaluation.figures.pastLastIndex)
        run.notes.push_back(LastIndexNote(*request.revaluation->index, request.revaluation->newerIndexHow));
    run.revaluation = std::move(revaluation);
    return run;
}

StatementOutcome MakeRevaluedStatement(const StatementRequest& request)
{
    Statement statement;
    RevaluationRun run = RunRevaluation(request, &statement.rows);
    if (!run.revaluation)
        return {std::move(run.faults), std::nullopt};
    const StatementRevaluation& revaluation = *run.revaluation;
    const Revaluation& figures = revaluation.figures;
    const auto start = monthOrDayOf(request.start);
    const auto end = monthOrDayOf(request.end);
    statement.capital = AmountText(figures.amount);
    statement.startDate = dayOrMonthText(*start);
    statement.endDate = dayOrMonthText(*end);
    if (start->day && end->day) {
        const int days = *end->day - *start->day;
        statement.years = days / 365;
        statement.days = days % 365;
    }
    statement.sum = AmountText(revaluation.due);
    if (revaluation.interestOn) {
        statement.interest = AmountText(revaluation.interest);
        statement.roundingNote = RowsRoundingNote(statement.rows, revaluation.interest);
        statement.tables.push_back(request.legalRates->description());
    }
    statement.notes = std::move(run.notes);
    statement.tables.push_back(request.revaluation->index->description());
    statement.revaluation = std::move(run.revaluation);
    return {{}, std::move(statement)};
}

std::string StatementTitle(const Statement& statement)
{
    if (!statement.revaluation)
        return InterestCaption(statement.regime);
    const StatementRevaluation& revaluation = *statement.revaluation;
    if (!revaluation.interestOn)
        return revaluation.figures.percentageHundredths
                   ? "Aggiornamento ISTAT al " + RateText(*revaluation.figures.percentageHundredths) + '%'
                   : "Rivalutazione ISTAT";
    switch (*revaluation.interestOn) {
    case InterestOn::Revalued: return "Rivalutazione ISTAT e interessi legali sul capitale rivalutato";
    case InterestOn::Yearly: return "Rivalutazione ISTAT e interessi legali sulla somma via via rivalutata";
    case InterestOn::Initial: break;
    }
    return "Rivalutazione ISTAT e interessi legali sul capitale iniziale";
}

std::vector<std::string> RevaluationLines(const StatementRevaluation& revaluation)
{
    const Revaluation& figures = revaluation.figures;
    std::vector<std::string> lines = {"Dal: " + readingText(figures.from), "Al: " + readingText(figures.to)};
    for (const IndexBase& link : figures.links)
        lines.push_back("Raccordo alla base " + BaseText(link.year) + ": " + CoefficientText(link.linkThousandths));
    if (figures.earlyFactor)
        lines.push_back("Raccordo all'indice senza tabacchi (mesi prima di febbraio 1992): 1,0009");
    lines.push_back("Coefficiente: " + CoefficientText(figures.coefficientThousandths));
    lines.push_back("Variazione: " + VariationText(figures.variationTenths));
    if (figures.percentageHundredths) {
        lines.push_back("Percentuale della variazione: " + RateText(*figures.percentageHundredths) + '%');
        lines.push_back("Variazione applicata: " + AppliedVariationText(figures.appliedHundredThousandths)
                        + (figures.variationTenths < 0 ? " (variazione negativa: importo invariato)" : ""));
    }
    for (std::size_t k = 0; k < revaluation.years.size(); ++k) {
        const RevaluedYear& year = revaluation.years[k];
        lines.push_back(std::to_string(k + 1) + "° anno, dal " + DateText(year.start.plusDays(1)) + " al "
                        + DateText(year.end) + ": coefficiente " + CoefficientText(year.coefficientThousandths)
                        + ", capitale " + AmountText(year.capital) + ", interessi " + AmountText(year.interest));
    }
    return lines;
}

std::vector<ShownTotal> RevaluationTotals(const Statement& statement)
{
    assert(statement.revaluation);
    const StatementRevaluation& revaluation = *statement.revaluation;
    const Revaluation& figures = revaluation.figures;
    if (!revaluation.interestOn)
        return {figures.percentageHundredths ? ShownTotal{"Importo aggiornato", figures.updated}
                                             : ShownTotal{"Importo rivalutato", figures.revalued}};
    return {{"Capitale rivalutato", figures.revalued},
            {"Interessi", revaluation.interest},
            DueTotal(statement.endDate, revaluation.due)};
}

} // namespace tarvel
