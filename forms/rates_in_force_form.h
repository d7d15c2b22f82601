#pragma once

#include "calc/failure_reason.h"
#include "calc/per_rate_kind.h"
#include "calc/rate_table.h"
#include "calc/statement.h"
#include "forms/ledger_form.h"
#include "forms/typed_calculation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tarvel {

inline constexpr std::size_t kInputFieldCount = static_cast<std::size_t>(InputField::Margin) + 1;

// Where a desktop user with a newer decree is pointed by a note.
inline constexpr char kNewerActHow[] =
    "se è uscito un atto più recente, caricare con «Carica tabella…» una tabella che lo contenga";

// The window of the rates in force without its widgets: the texts typed into
// its fields, the regime chosen and the tables in use go in; the statement,
// the reason beside each field, the texts of the results, what Copia copies
// and what Stampa prints come out. The statement is always the fields' own:
// each text typed, regime chosen or table changed calculates anew.
class RatesInForceForm {
public:
    // Both tables outlive the form, or are replaced (UseTables) before they go.
    RatesInForceForm(const RateTable& legalRates, const RateTable& referenceRates);

    // The text of a field as it stands in the window: a date field's with its
    // mask ("15 / 06 / 2018", "__ / __ / ____"); calculated at once.
    void Type(InputField field, std::string text);
    const std::string& Typed(InputField field) const { return typed_[Index(field)]; }
    void Choose(Regime regime);
    Regime Chosen() const { return regime_; }
    // Both at once: a table replaced may be gone already.
    void UseTables(const RateTable& legalRates, const RateTable& referenceRates);

    // Whether the field is shown: the claim date and the margin only with
    // the regime that reads them.
    bool Shows(InputField field) const;

    // What Calculate asks of the calculation: a date with no digit typed is
    // no date, the margin is read without the spaces round it.
    StatementRequest Request() const;
    // The statement, or the faults and no statement; "Calcola" asks it
    // again, to take the focus to the first field at fault.
    void Calculate();
    // A calculation typed into the main window, at the legal rates, calculated.
    void Fill(const TypedCalculation& typed);

    // The statement shown: none before anything is typed and while a field is at fault.
    const std::optional<Statement>& Shown() const { return statement_; }
    // The reasons beside `field`, joined by "; "; empty when none.
    const std::string& FaultOf(InputField field) const { return faults_[Index(field)]; }
    // The first field at fault, where "Calcola" takes the focus; none after a success.
    std::optional<InputField> FirstFault() const { return firstFault_; }

    // The caption of the interest: of the regime chosen.
    std::string InterestCaption() const;
    // The regime as a line of its own, capitalised; empty for legal interest.
    std::string RegimeLine() const;
    // "8 anni e 178 giorni"; empty with no statement.
    std::string Duration() const;
    // One line per note: "Nota: i giorni dopo ...; se è uscito ...".
    std::string Notes() const;
    // What Copia copies; empty with no statement.
    std::string Copied() const;

    // "Stampa": keeps the statement shown as the one to print, whatever is
    // calculated afterwards; false, with nothing kept, when none is shown.
    bool TakePage();
    const std::optional<Statement>& Page() const { return page_; }

    // The list of movements after the first credit, and its ledger.
    LedgerForm& Ledger() { return ledger_; }
    const LedgerForm& Ledger() const { return ledger_; }

private:
    static std::size_t Index(InputField field) { return static_cast<std::size_t>(field); }

    std::array<std::string, kInputFieldCount> typed_;
    std::array<std::string, kInputFieldCount> faults_;
    PerRateKind<const RateTable*> tables_;
    Regime regime_ = Regime::Legal;
    std::optional<InputField> firstFault_;
    std::optional<Statement> statement_;
    std::optional<Statement> page_;
    LedgerForm ledger_;
};

// The fault of a remembered table file that no longer reads, beside its table.
std::string TableFaultAtStart(const std::string& fault);
// The fault of a table file just chosen, refused.
std::string TableFaultRefused(const std::string& fault);

} // namespace tarvel
