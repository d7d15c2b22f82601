#pragma once

#include "calc/compounding.h"
#include "calc/failure_reason.h"
#include "calc/per_rate_kind.h"
#include "calc/price_index.h"
#include "calc/rate_table.h"
#include "calc/revaluation.h"
#include "calc/statement.h"
#include "forms/calculation_fields.h"
#include "forms/ledger_form.h"
#include "forms/typed_calculation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvel {

inline constexpr std::size_t kInputFieldCount = static_cast<std::size_t>(InputField::CompoundingFrom) + 1;

// Where a desktop user with a newer decree is pointed by a note.
inline constexpr char kNewerActHow[] =
    "se è uscito un atto più recente, caricare con «Carica tabella…» una tabella che lo contenga";
// And one with a newer index.
inline constexpr char kNewerIndexHow[] =
    "se è uscito un indice più recente, caricare con «Carica indici…» una tabella che lo contenga";

// What the percentage of an update takes, as the window says it beside the field.
inline constexpr char kPercentageHint[] = "da 0,01 a 100, al più due decimali";
// The percentage the field proposes: a rent is updated at 75 % of the variation.
inline constexpr char kProposedPercentage[] = "75";
// What a contract's rate takes, as the window says it beside the field.
inline constexpr char kContractRateHint[] = "da 0,001 a 100, al più tre decimali";

// What a revaluation by the price index asks: the sum revalued alone, updated
// at a percentage of the variation, or with legal interest on the capital, on
// the capital revalued, or on the sum revalued year by year.
enum class RevaluationWay { Alone, Update, Initial, Revalued, Yearly };

// A total of the statement as the window shows it: "Somma" "28.319,93".
struct TotalText {
    std::string caption;
    std::string amount; // empty while there is no statement
    friend bool operator==(const TotalText&, const TotalText&) = default;
};

// The page Stampa took: the single calculation's or the ledger's.
using StatementPage = std::variant<Statement, Ledger>;

// The window of the rates in force without its widgets: the texts typed into
// its fields, the regime chosen, the revaluation asked, the tables in use and
// the list of movements go in; the statement, the reason beside each field,
// the texts of the results, what Copia copies and what Stampa prints come
// out. The statement is always the fields' own: each text typed, choice made
// or table changed calculates anew. While the list holds a movement the
// statement shown, copied and printed is the ledger's, else the single
// calculation's.
//
// A revaluation is an option of the single calculation, at the legal rates:
// while it is asked the regime chosen is set aside (kept for later, its claim
// date and margin not shown) and the list of movements is not offered; while
// the list holds a movement it is not offered, a ledger being charged as
// typed, without one.
//
// Capitalisation is an option of the single calculation too, under any
// regime: while it is asked the revaluation and the list of movements are not
// offered, and while either is (a revaluation asked, a movement listed) it is
// not. A contract's rate is a regime of the single calculation alone: while
// it is chosen the list is not offered, and while the list holds a movement
// it is not offered, the legal rates charging in its place (it is kept for
// later, as the capitalisation asked is).
class RatesInForceForm {
public:
    // The tables outlive the form, or are replaced (UseTables) before they go.
    RatesInForceForm(const RateTable& legalRates, const RateTable& referenceRates,
                     const PriceIndex& index = BuiltInPriceIndex());

    // The text of a field as it stands in the window: a date field's with its
    // mask ("15 / 06 / 2018", "__ / __ / ____"); calculated at once. A field
    // typed into says its faults from then on.
    void Type(InputField field, std::string text);
    // The focus left the field: it says its faults from then on, typed or not.
    void Leave(InputField field);
    const std::string& Typed(InputField field) const { return typed_[Index(field)]; }
    void Choose(Regime regime);
    Regime Chosen() const { return regime_; }
    // The regime charged: the one chosen, the legal one with a revaluation,
    // and in place of a contract's rate while the list holds a movement.
    Regime Charged() const;
    // Whether a regime may be chosen: not while a revaluation is asked; and
    // whether this one may: a contract's rate not while the list holds a movement.
    bool OffersRegimes() const { return !Revalues(); }
    bool Offers(Regime regime) const { return OffersRegimes() && (regime != Regime::Contract || !ledger_.HasLedger()); }
    // All at once: a table replaced may be gone already.
    void UseTables(const RateTable& legalRates, const RateTable& referenceRates,
                   const PriceIndex& index = BuiltInPriceIndex());

    // The revaluation by the price index, asked or not, and how; the way is
    // kept while it is not asked.
    void ChooseRevaluation(bool on);
    void ChooseRevaluationWay(RevaluationWay way);
    RevaluationWay RevaluationChosen() const { return way_; }
    // Whether the single calculation is revalued: asked, and no movement listed.
    bool Revalues() const { return revalues_ && !ledger_.HasLedger(); }
    // Whether a revaluation may be asked: not while the list holds a movement
    // nor while the interest is capitalised.
    bool OffersRevaluation() const { return !ledger_.HasLedger() && !Compounds(); }

    // The capitalisation of the interest, asked or not, and its period; the
    // period and its day ("dal") are kept while it is not asked.
    void ChooseCompounding(bool on);
    void ChooseCompoundingPeriod(CompoundingPeriod period);
    CompoundingPeriod CompoundingChosen() const { return period_; }
    // Whether the single calculation is compounded: asked, and no movement listed.
    bool Compounds() const { return compounds_ && !ledger_.HasLedger(); }
    // Whether capitalisation may be asked: not while the list holds a
    // movement nor while a revaluation is asked.
    bool OffersCompounding() const { return !ledger_.HasLedger() && !Revalues(); }

    // Whether the list is offered: not while a revaluation or capitalisation
    // is asked, nor while a contract's rate is charged.
    bool OffersMovements() const { return !Revalues() && !Compounds() && Charged() != Regime::Contract; }
    // Whether the list is in view: asked for ("Movimenti…", a file opened)
    // while it is offered, and always while it holds a movement; asked away
    // then, it stays, so that removing its last movement leaves it in view.
    bool ListShown() const { return ShowsLedger() || (listAsked_ && OffersMovements()); }
    void AskForList(bool on) { listAsked_ = on || ShowsLedger(); }

    // Whether the field is shown: the claim date, the margin and the
    // contract's rate only with the regime charged that reads them, the
    // percentage with an update, the day of the capitalisation with it.
    bool Shows(InputField field) const;

    // What Calculate asks of the calculation: a date with no digit typed is
    // no date (the capitalisation's: from the start), the margin, the
    // contract's rate and the percentage are read without the spaces round
    // them; for a revaluation without interest, a date with no day typed
    // ("__ / 03 / 2015") is its month.
    StatementRequest Request() const;
    // The fields read once each, for the ledger and its file: a capital the
    // single calculation refuses has no value.
    const CalculationFields& Fields() const { return fields_; }
    // "Calcola": the statement, or the faults and no statement; every field
    // shown says its faults from then on, and the focus goes to the first.
    void Calculate();
    // A row or a choice of the list of movements changed: the ledger anew.
    void MovementsChanged() { Recalculate(); }
    // A calculation typed into the main window, at the legal rates,
    // calculated alone: the list of movements is emptied.
    void Fill(const TypedCalculation& typed);

    // The single calculation's statement: none before anything is typed and
    // while a field is at fault.
    const std::optional<Statement>& Shown() const { return statement_; }
    // Whether the statement shown, copied and printed is the ledger's.
    bool ShowsLedger() const { return ledger_.HasLedger(); }
    // Whether there is a statement to show, copy and print.
    bool HasStatement() const;
    // Whether the table of the rows is shown: not for a revaluation without
    // interest, which has none.
    bool ShowsTable() const;
    // The rows of the statement shown and the columns they fill; none without one.
    std::span<const StatementLine> Rows() const;
    std::vector<StatementColumn> Columns() const { return StatementColumns(Rows()); }
    // The totals under the table: "Interessi legali" and "Somma", the
    // revaluation's ("Importo rivalutato"; "Capitale rivalutato", "Interessi",
    // "Totale dovuto al 15/03/2025"; none while there is no statement), the
    // capitalisation's ("Interessi", "Totale dovuto al 15/03/2025"; none while
    // there is no statement), or the ledger's own ("Capitale residuo", ...,
    // "Totale dovuto al 31/12/2025").
    std::vector<TotalText> Totals() const;
    // The lines a revaluation shows before the table, one a line: the months
    // with their indices, the links, the coefficient, the variation; empty
    // without a revaluation shown.
    std::vector<std::string> RevaluationLines() const;
    // Why the rows shown to the cent do not add up to the interest; empty when they do.
    std::string RoundingNote() const;
    // The reasons beside `field`, joined by "; "; empty when none, or while
    // the field was neither typed into nor left, nor "Calcola" pressed.
    const std::string& FaultOf(InputField field) const;
    // The first field at fault, where "Calcola" takes the focus; none after a success.
    std::optional<InputField> FirstFault() const { return firstFault_; }

    // The caption of the interest: of the regime chosen.
    std::string InterestCaption() const;
    // The regime of the statement shown as a line of its own, capitalised;
    // empty for legal interest.
    std::string RegimeLine() const;
    // "8 anni e 178 giorni", of the ledger from its first credit's day to Al;
    // empty with no statement and for a revaluation without interest.
    std::string Duration() const;
    // One line per note: "Nota: i giorni dopo ...; se è uscito ...", "Nota:
    // indice di agosto 2026, l'ultimo noto, ...; se è uscito un indice ...";
    // a compounded statement's first says how, "Capitalizzazione annuale dal
    // 15/03/2022.", and its last what the law allows (kCompoundingLawNote).
    std::string Notes() const;
    // What Copia copies, the statement shown; empty with none.
    std::string Copied() const;

    // "Stampa": keeps the statement shown as the one to print, whatever is
    // calculated afterwards; false, with nothing kept, when none is shown.
    bool TakePage();
    const std::optional<StatementPage>& Page() const { return page_; }

    // The list of movements after the first credit, and its ledger.
    LedgerForm& Ledger() { return ledger_; }
    const LedgerForm& Ledger() const { return ledger_; }

private:
    static std::size_t Index(InputField field) { return static_cast<std::size_t>(field); }
    // The statement of the fields and, with movements, the ledger.
    void Recalculate();

    std::array<std::string, kInputFieldCount> typed_;
    std::array<std::string, kInputFieldCount> faults_;
    std::array<bool, kInputFieldCount> touched_{};
    PerRateKind<const RateTable*> tables_;
    const PriceIndex* index_;
    Regime regime_ = Regime::Legal;
    bool revalues_ = false;
    RevaluationWay way_ = RevaluationWay::Alone;
    bool compounds_ = false;
    CompoundingPeriod period_ = CompoundingPeriod::Year;
    bool listAsked_ = false;
    std::optional<InputField> firstFault_;
    std::optional<Statement> statement_;
    CalculationFields fields_;
    std::optional<StatementPage> page_;
    LedgerForm ledger_;
};

// The fault of a remembered table file that no longer reads, beside its table.
std::string TableFaultAtStart(const std::string& fault);
// The fault of a table file just chosen, refused.
std::string TableFaultRefused(const std::string& fault);

// Whether the percentage field takes `text`: a percentage as the update
// reads it ("75", "75,5", "100"), or the start of one ("", "7", "75,"): digits
// and at most one comma with at most two digits after it, never above 100.
bool PercentageTakes(std::string_view text);
// The same for the field of a contract's rate, with at most three decimals.
bool ContractRateTakes(std::string_view text);

} // namespace tarvel
