#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "print/ledger_report.h"
#include "print/rates_report.h"

namespace tarvel {
namespace {

// The title stays on its line: after a claim, the claim's day is in the regime line under it.
std::string Title(const Ledger& ledger)
{
    const std::string what = ledger.regime == Regime::LegalWithClaim
                                 ? InterestCaption(ledger.regime)
                                 : RegimeTitle(ledger.regime, ledger.claim, ledger.regimeText);
    return "Conto del debito: " + Uncapitalised(what);
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
    texts.lines = ledger.lines;
    // "Totale dovuto al 31/12/2025: 7.170,37": the caption, then the amount under the capital.
    for (const ShownTotal& total : ShownTotals(ledger))
        texts.totals.emplace_back(total.caption, AmountText(total.amount));
    texts.notes = NoteLines(ledger.roundingNote, ledger.notes);
    texts.tables = TableLines(ledger.tables);
    texts.madeOn = MadeOnLine(madeOn);
    return texts;
}

} // namespace tarvel
