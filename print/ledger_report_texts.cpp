#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "print/ledger_report.h"
#include "print/rates_report.h"

namespace tarvel {
namespace {

std::string Amount(Currency value) { return AmountText(value); }

// "Interessi legali" within a sentence.
std::string Lowered(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// The title stays on its line: after a claim, the claim's day is in the regime line under it.
std::string Title(const Ledger& ledger)
{
    const std::string what = ledger.regime == Regime::LegalWithClaim ? InterestCaption(ledger.regime)
                                                                     : RegimeTitle(ledger.regime, ledger.claim);
    return "Conto del debito: " + Lowered(what);
}

// What a movement is and what became of it, a line for each part; its day and
// the capital after it have columns of their own.
std::string MovementText(const StatementLine& line)
{
    const bool credit = line.kind == StatementLine::Kind::Credit;
    std::string text = (credit ? "credito " : "pagamento ") + Amount(line.amount);
    if (!line.description.empty())
        text += "\n" + line.description;
    if (credit)
        return line.surplus == Currency() ? text : text + "\nmeno l'eccedenza " + Amount(line.surplus);
    const std::string toInterest = "a interessi " + Amount(line.toInterest);
    const std::string toCapital = "a capitale " + Amount(line.toCapital);
    text += "\n" + (line.capitalFirst ? toCapital + "\n" + toInterest : toInterest + "\n" + toCapital);
    if (line.surplus != Currency())
        text += "\neccedenza " + Amount(line.surplus);
    if (line.interestDue != Currency())
        text += "\ninteressi da pagare " + Amount(line.interestDue);
    return text;
}

LedgerReportRow Row(const StatementLine& line)
{
    if (line.kind != StatementLine::Kind::Span)
        return {DateText(line.day), "", MovementText(line), "", "", "", Amount(line.capital)};
    const std::string rate = ChargedRateText(line.rate);
    return {DateText(line.day),    DateText(line.lastDay), "", WholeNumberText(line.days), rate,
            Amount(line.interest), Amount(line.capital)};
}

} // namespace

LedgerReportTexts MakeLedgerReportTexts(const Ledger& ledger, Date madeOn)
{
    LedgerReportTexts texts;
    texts.title = Title(ledger);
    texts.regime = Capitalised(ledger.regimeText);
    texts.end = DateText(ledger.end);
    texts.imputation = ledger.capitalFirst ? "prima al capitale, poi agli interessi"
                                           : "prima agli interessi, poi al capitale (art. 1194 c.c.)";
    texts.rows.reserve(ledger.lines.size());
    for (const StatementLine& line : ledger.lines)
        texts.rows.push_back(Row(line));
    // "Totale dovuto al 31/12/2025: 7.170,37": the caption, then the amount under the capital.
    for (const ShownTotal& total : ShownTotals(ledger))
        texts.totals.emplace_back(total.caption, Amount(total.amount));
    texts.notes = NoteLines(ledger.notes);
    texts.tables = TableLines(ledger.tables);
    texts.madeOn = MadeOnLine(madeOn);
    return texts;
}

} // namespace tarvel
