#pragma once

#include "calc/calculate_interest.h"
#include "calc/charged_rates.h"
#include "calc/compounding.h"
#include "calc/currency.h"
#include "calc/failure_reason.h"
#include "calc/ledger.h"
#include "calc/price_index.h"
#include "calc/rate_table.h"
#include "calc/revaluation.h"
#include "calc/statement_line.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// A calculation with the rates in force as a window, a printed page and a
// copied text all show it, made in one place. Amounts are in the Italian form
// with a digit before the comma: "0,85", "3.319,93".

// A revaluation by the price index, as an option of a calculation at the
// legal rates: the sum revalued alone (or updated at a percentage of the
// variation), or with legal interest on it by one of the methods.
struct RevaluationRequest {
    std::optional<InterestOn> interestOn{}; // none: the revaluation alone
    std::string percentage{};               // the revaluation alone: "75"; empty for none
    const PriceIndex* index = nullptr;
    // How to add a newer index, as the note on the last index says it.
    std::string newerIndexHow{};
};

// What to calculate: the texts as typed and the rates to charge.
struct StatementRequest {
    // Every member has its default, so that a request names only what it sets.
    std::string capital{}; // "25000", "3500,50", "10.000,50"
    std::string start{};   // DAL, in the forms tarvel-calc takes: "15/06/2018", "15062018", "2018-06-15"
    std::string end{};     // AL
    Regime regime = Regime::Legal;
    std::string claimDate{};    // LegalWithClaim: the day the claim was filed in court
    std::string margin{};       // LatePayment: points over the reference rate, "8"
    std::string contractRate{}; // Contract: the rate agreed, "4,75"
    // The legal rates (the table in force or a table file's), for Legal and
    // LegalWithClaim; the reference rates, for LegalWithClaim and LatePayment.
    const RateTable* legalRates = nullptr;
    const RateTable* referenceRates = nullptr;
    // Any regime may be compounded.
    std::optional<CompoundingRequest> compounding{};
    // With the legal rates only. Its DAL and AL may be months ("03/2015")
    // when it asks for the revaluation alone.
    std::optional<RevaluationRequest> revaluation{};
};

// A year of interest on the sum revalued year by year: from an anniversary
// of DAL (DAL itself for the first) to the next, or to AL.
struct RevaluedYear {
    Date start; // its days are after it
    Date end;
    int coefficientThousandths = 1000; // from DAL's month to start's; 1000 for the first year
    Currency capital;                  // the capital revalued by it, to the cent
    Currency interest;                 // exact, to the ten-thousandth
};

// What a revaluation adds to a statement.
struct StatementRevaluation {
    std::optional<InterestOn> interestOn;
    Revaluation figures;             // the capital from DAL's month to AL's
    std::vector<RevaluedYear> years; // Yearly
    Currency interest;               // to the cent; 0 for the revaluation alone
    Currency due;                    // the capital revalued (or updated) and the interest
};

struct Statement {
    Regime regime = Regime::Legal;
    // What the regime charges, as the report's heading names it: empty for
    // legal interest, "dalla domanda giudiziale del 15/05/2024 al tasso di
    // mora, art. 1284, 4° comma c.c.", "interessi di mora, D.Lgs. 231/2002,
    // maggiorazione 8 punti".
    std::string regimeText;
    std::optional<Date> claim; // LegalWithClaim
    std::string capital;       // "25.000,00"
    std::string startDate;     // "15/06/2018"
    std::string endDate;       // "08/12/2026"
    // One span line per period the span touches, on the capital; a period
    // touched with no day charged shows no dates.
    std::vector<StatementLine> rows;
    // Why the rows, each shown to the cent, do not add up to the interest
    // shown, the exact sum rounded once: one sentence after the rows; empty
    // when they add up (or no interest is shown).
    std::string roundingNote;
    // As tarvel-calc's SeeInteressi and Label6: the interest empty and the
    // sum zero when the interest comes out negative.
    std::string interest; // "3.319,93"
    std::string sum;      // "28.319,93"
    int years = 0;
    int days = 0;
    // When the span reaches past what a table knows, in tarvel-calc's words.
    std::vector<LaterDaysNote> notes;
    // The tables used, legal first: "Tassi legali in vigore, ultimo atto: D.M.
    // 10/12/2025"; the index table last: "Indici ISTAT FOI senza tabacchi,
    // ultimo: agosto 2026".
    std::vector<std::string> tables;
    // With a revaluation: the rows are those of the interest on the sum
    // revalued (none for the revaluation alone), the notes include the
    // one on the last index, `interest` and `sum` are the interest and the
    // total due.
    std::optional<StatementRevaluation> revaluation;
    // When compounded: the rows are the stretches between capitalisations
    // and the capitalisations, `interest` all that was capitalised and the
    // last part, `sum` the capital and the interest.
    std::optional<StatementCompounding> compounding;
};

// The statement, or for each field at fault the field and why.
struct StatementOutcome {
    std::vector<FieldFault> faults;
    std::optional<Statement> statement;
};

StatementOutcome MakeStatement(const StatementRequest& request);

// The figures of a request with a revaluation and, into `rows` when given,
// its statement's rows: a batch asks for the figures alone.
struct RevaluationRun {
    std::vector<FieldFault> faults;
    std::optional<StatementRevaluation> revaluation;
    // On the days past the legal table, on the months past the last index.
    std::vector<LaterDaysNote> notes;
};
RevaluationRun RunRevaluation(const StatementRequest& request, std::vector<StatementLine>* rows);

// Why rows shown to the cent do not add up to `interest`, the exact sum
// rounded once: one sentence; empty when they do.
std::string RowsRoundingNote(const std::vector<StatementLine>& rows, Currency interest);

// The same calculation as tarvel-calc makes it, with what its lines show: the
// texts as the window's fields would hold them and the run over them (not run
// at all when the claim date, the margin or the reference rates refuse it).
struct ChargedCalculation {
    CalculationInput input;
    CalculationResult result;
    // The caption of every row charged, in order: "5% dal 01/01/2023", "mora 12,5% dal 01/01/2024".
    std::vector<std::string> captions;
    std::vector<FieldFault> faults;
    std::optional<Statement> statement;
};
ChargedCalculation CalculateCharged(const StatementRequest& request);

// The statement of a calculation that `rates`, cut at `claim`, charged
// successfully.
Statement StatementOf(const CalculationResult& result, const ChargedRates& rates, std::span<const RatePeriod> periods,
                      std::optional<Date> claim);

// What the regime of `rates` charges, as a heading names it: empty for legal
// interest (and for a claim not given), "dalla domanda giudiziale del
// 15/05/2024 al tasso di mora, art. 1284, 4° comma c.c.", "interessi di mora,
// D.Lgs. 231/2002, maggiorazione 8 punti".
std::string RegimeText(const ChargedRates& rates, std::optional<Date> claim);

// "Interessi legali", "Interessi legali e di mora", "Interessi di mora".
std::string InterestCaption(Regime regime);

// The title of a statement's page: "Interessi legali", "Rivalutazione ISTAT",
// "Aggiornamento ISTAT al 75%", "Rivalutazione ISTAT e interessi legali sulla
// somma via via rivalutata", ...
std::string StatementTitle(const Statement& statement);

// The lines a revaluation puts before the rows: each month with its index and
// base, the link of each base change used, the coefficient and the variation
// (and the update's): "Dal: marzo 2015, indice 107,0 (base 2010=100)",
// "Coefficiente: 1,015", "Variazione: 1,5%".
std::vector<std::string> RevaluationLines(const StatementRevaluation& revaluation);

// The totals of a revaluation: "Importo rivalutato" (or "Importo
// aggiornato") alone; with interest "Capitale rivalutato", "Interessi" and
// "Totale dovuto al 15/03/2025".
std::vector<ShownTotal> RevaluationTotals(const Statement& statement);

// The totals of a compounded statement: "Interessi" and "Totale dovuto al 15/03/2025".
std::vector<ShownTotal> CompoundedTotals(const Statement& statement);

// "8 anni e 178 giorni", "1 anno e 1 giorno".
std::string YearsAndDaysText(int years, int days);

// The statement as text to paste into an e-mail, what the window copies: the
// capital, the span with its years and days, the regime, one line per period
// with its days, rate and interest, the rounding note, the total, the sum,
// the notes and the tables used. One line each, ended by a newline. With a
// revaluation, as tarvel-calc writes it: the revaluation's lines, the rows,
// the rounding note, the notes, the tables and the totals last.
std::string StatementText(const Statement& statement);

} // namespace tarvel
