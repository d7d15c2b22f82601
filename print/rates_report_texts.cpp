#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "print/rates_report.h"

#include <ctime>

namespace tarvel {

std::string RegimeTitle(Regime regime, std::optional<Date> claim, const std::string& regimeText)
{
    switch (regime) {
    case Regime::LegalWithClaim:
        return InterestCaption(regime) + (claim ? " dalla domanda giudiziale del " + DateText(*claim) : "");
    case Regime::LatePayment: return "Interessi di mora, D.Lgs. 231/2002";
    case Regime::Contract: return Capitalised(regimeText);
    case Regime::Legal: break;
    }
    return InterestCaption(regime);
}

std::vector<std::string> NoteLines(const std::string& roundingNote, const std::vector<LaterDaysNote>& notes)
{
    std::vector<std::string> lines;
    if (!roundingNote.empty())
        lines.push_back(roundingNote);
    for (const LaterDaysNote& note : notes)
        lines.push_back("Nota: " + note.what);
    return lines;
}

std::vector<std::string> TableLines(const std::vector<std::string>& tables)
{
    std::vector<std::string> lines;
    for (const std::string& table : tables)
        lines.push_back("Tabella: " + Printable(table));
    return lines;
}

std::string MadeOnLine(Date madeOn) { return "Calcolo del " + DateText(madeOn); }

RatesReportTexts MakeRatesReportTexts(const Statement& statement, Date madeOn)
{
    RatesReportTexts texts;
    texts.title = RegimeTitle(statement.regime, statement.claim, statement.regimeText);
    if (statement.regime != Regime::Contract)
        texts.regime = Capitalised(statement.regimeText);
    texts.capital = statement.capital;
    texts.span = "dal " + statement.startDate + " al " + statement.endDate;
    texts.duration = YearsAndDaysText(statement.years, statement.days);
    texts.lines = statement.rows;
    if (const auto& revaluation = statement.revaluation) {
        // The title names the method; a revaluation alone charges no days.
        texts.title = StatementTitle(statement);
        if (!revaluation->interestOn) {
            texts.capitalCaption = "Importo";
            texts.duration.clear();
        }
        texts.optionLines = RevaluationLines(*revaluation);
        for (const ShownTotal& total : RevaluationTotals(statement))
            texts.totals.emplace_back(total.caption, AmountText(total.amount));
    } else if (const auto& compounding = statement.compounding) {
        texts.optionLines = {Capitalised(CompoundingText(compounding->period, compounding->from))};
        for (const ShownTotal& total : CompoundedTotals(statement))
            texts.totals.emplace_back(total.caption, AmountText(total.amount));
    } else {
        texts.totals = {{InterestCaption(statement.regime), statement.interest}, {"Somma", statement.sum}};
    }
    // What the later days are charged, as the copied statement says it; how to
    // add a newer act is for the one who calculates, not for the claim.
    texts.notes = NoteLines(statement.roundingNote, statement.notes);
    if (statement.compounding)
        texts.notes.emplace_back(kCompoundingLawNote);
    texts.tables = TableLines(statement.tables);
    texts.madeOn = MadeOnLine(madeOn);
    return texts;
}

Date LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(Date{});
}

} // namespace tarvel
