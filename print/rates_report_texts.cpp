#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "print/rates_report.h"

#include <ctime>

namespace tarvel {
namespace {

// The statement's words for a claim, "dalla domanda giudiziale del 15/05/2024
// al tasso di mora, ...", up to the rate they charge: the title names the day.
constexpr char kClaimRateWords[] = " al tasso di mora";

} // namespace

std::string RegimeTitle(Regime regime, const std::string& regimeText)
{
    switch (regime) {
    case Regime::LegalWithClaim: {
        const std::string claim = regimeText.substr(0, regimeText.find(kClaimRateWords));
        return InterestCaption(regime) + (claim.empty() ? "" : " " + claim);
    }
    case Regime::LatePayment: return "Interessi di mora, D.Lgs. 231/2002";
    case Regime::Legal: break;
    }
    return InterestCaption(regime);
}

std::string RegimeLine(const std::string& regimeText)
{
    std::string line = regimeText;
    if (!line.empty() && line[0] >= 'a' && line[0] <= 'z')
        line[0] = static_cast<char>(line[0] - 'a' + 'A');
    return line;
}

RatesReportTexts MakeRatesReportTexts(const Statement& statement, Date madeOn)
{
    RatesReportTexts texts;
    texts.title = RegimeTitle(statement.regime, statement.regimeText);
    texts.regime = RegimeLine(statement.regimeText);
    texts.capital = statement.capital;
    texts.span = "dal " + statement.startDate + " al " + statement.endDate;
    texts.duration = YearsAndDaysText(statement.years, statement.days);
    for (const StatementRow& row : statement.rows)
        texts.rows.push_back(
            {row.firstDay, row.lastDay, WholeNumberText(row.days), row.rate, row.interestText, row.act});
    texts.interestCaption = InterestCaption(statement.regime);
    texts.interest = statement.interest;
    texts.sum = statement.sum;
    // What the later days are charged, as the copied statement says it; how to
    // add a newer act is for the one who calculates, not for the claim.
    for (const LaterDaysNote& note : statement.notes)
        texts.notes.push_back("Nota: " + note.what);
    for (const std::string& table : statement.tables)
        texts.tables.push_back("Tabella: " + table);
    texts.madeOn = "Calcolo del " + DateText(madeOn);
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
