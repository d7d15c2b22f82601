#pragma once

#include "calc/ledger.h"
#include "calc/statement.h"
#include "forms/calculation_fields.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarvel {

// The columns of a movement in the list, in the ledger file's order.
enum class LedgerColumn { Date, Kind, Amount, Description };
inline constexpr std::size_t kLedgerColumnCount = 4;

// A movement of the list as it is typed or read from a file.
struct LedgerRowTexts {
    std::string date;             // "01/07/2025"; as typed while it does not read ("31 / 02 / 2025")
    std::string kind = "credito"; // "credito", "pagamento"; a file's other word as it was
    std::string amount;           // "3.000,00"; as typed while it does not read ("10,000")
    std::string description;
    friend bool operator==(const LedgerRowTexts&, const LedgerRowTexts&) = default;
};

// A row of the list: its texts, and why the file's line it was read from is
// no movement ("la riga ha 5 campi invece di 3 o 4 (...)"), kept until the
// row is typed into; empty for a row typed.
struct LedgerRow {
    LedgerRowTexts texts;
    std::string fault;
    friend bool operator==(const LedgerRow&, const LedgerRow&) = default;
};

// The first credit of a ledger file: the window's Dal and capital, as the file has them.
struct FirstCredit {
    std::string date;   // "01/01/2025"
    std::string amount; // "10.000,00"
    friend bool operator==(const FirstCredit&, const FirstCredit&) = default;
};

// Why the ledger cannot be saved: the capital, Dal or a row at fault, and
// the reason, which names the row with its number.
struct SaveRefusal {
    enum class Where { Capital, Start, Row } where;
    std::size_t row = 0; // for Row: the row of the list
    std::string reason;
    friend bool operator==(const SaveRefusal&, const SaveRefusal&) = default;
};

// The list of movements of the window of the rates in force, without its
// widgets. The window's capital and "Dal" are the first credit, line 2 of the
// ledger file after its header; the rows here are the movements after it. A
// row with nothing typed is no movement, as a blank line of the file is none:
// it is not written and takes no number, so that each row with something
// typed is named by the line it takes in the file Salva writes ("riga 3: ...").
// With no movement, there is no ledger and the window calculates as it
// always has.
class LedgerForm {
public:
    std::size_t RowCount() const { return rows_.size(); }
    const LedgerRowTexts& Row(std::size_t row) const { return rows_[row].texts; }
    // The row whole, to put back as it was (Put, Insert).
    const LedgerRow& Whole(std::size_t row) const { return rows_[row]; }
    void Put(std::size_t row, LedgerRow whole);
    // The text of a cell as the list shows it.
    const std::string& Cell(std::size_t row, LedgerColumn column) const;
    // A row with nothing typed before `at` (at most RowCount()).
    void Insert(std::size_t at);
    // Puts back a row removed.
    void Insert(std::size_t at, LedgerRow whole);
    void Remove(std::size_t row);
    // The text of a cell; for Kind, "credito" or "pagamento". A date or an
    // amount that reads is kept in the file's form ("2600" as "2.600,00"),
    // any other text as typed.
    void Type(std::size_t row, LedgerColumn column, std::string text);

    // Whether some row holds a movement: the window then shows the ledger.
    bool HasLedger() const;
    // The line the row takes in the file Salva writes: the header is line 1,
    // the first credit line 2, the rows with something typed follow; none for
    // a row with nothing typed.
    std::optional<std::uint64_t> LineOf(std::size_t row) const;
    // Why the row is no movement, without its number ("importo «10,000»: ha
    // più di due decimali"); empty when it is one or has nothing typed.
    std::string ReasonOf(std::size_t row) const;
    // The same, named with the row's line ("riga 3: importo ...").
    std::string FaultOf(std::size_t row) const;
    // What is said beside the list: every row's fault and then the ledger's
    // own, one a line; empty when none.
    std::string Faults() const;

    // "Imputazione al capitale": payments go to capital first.
    void ChooseCapitalFirst(bool on);
    bool CapitalFirst() const { return capitalFirst_; }
    // The 40,00 per credit of late payment; asked only of that regime.
    void ChooseCompensation(bool on);
    bool Compensation() const { return compensation_; }
    static bool OffersCompensation(Regime regime) { return regime == Regime::LatePayment; }

    // The ledger of the window's fields (its capital, Dal, Al as the end day,
    // regime, claim date, margin and tables) and the rows; nothing when a
    // field or a row cannot be read, which the window and FaultOf say.
    std::optional<LedgerRequest> Request(const CalculationFields& fields) const;
    // "Calcola": the ledger, or its fault and none.
    void Calculate(const CalculationFields& fields);
    const std::optional<Ledger>& Shown() const { return ledger_; }
    // What Copia copies: the statement as tarvel-calc --movimenti prints it; empty with none.
    std::string Copied() const;
    // "Stampa": the ledger shown now is the one printed, whatever is computed
    // while the printer window is open; false with none shown.
    bool TakePage();
    const std::optional<Ledger>& Page() const { return page_; }

    // The ledger file: the header, the first credit of the window's capital
    // and Dal, then the rows with something typed, each as tarvel-calc reads
    // it back to the same movement; or, while the capital, Dal or a row
    // cannot be read, why nothing can be written.
    std::variant<std::string, SaveRefusal> FileText(const CalculationFields& fields) const;
    // The lines of a ledger file, in the file's order, as the list: the first
    // credit comes back for the window's fields (its texts, even when they do
    // not read: the window then says why), the other lines become the rows,
    // each with its fault. A file without a credit is refused with why, and
    // nothing changes. The window then fills its fields and calls Saved.
    std::variant<FirstCredit, std::string> Load(const std::vector<LedgerRow>& rows);

    // Whether anything differs from the file last opened or saved: the
    // capital, Dal, the regime with its claim date and margin, the choices,
    // the rows. With nothing opened or saved, whether there is a movement.
    bool Unsaved(const CalculationFields& fields) const;
    void Saved(const CalculationFields& fields);
    // No rows, no first description, the choices off, nothing unsaved: a
    // calculation filled in from the main window.
    void Clear();

private:
    // What Unsaved compares.
    struct Kept {
        std::string capital, start; // as the file writes them, or as typed while they do not read
        Regime regime = Regime::Legal;
        std::optional<Date> claim;
        std::optional<int> marginHundredths;
        bool capitalFirst = false, compensation = false;
        std::string firstDescription;
        std::vector<LedgerRowTexts> rows; // those with something typed
        friend bool operator==(const Kept&, const Kept&) = default;
    };
    Kept KeptOf(const CalculationFields& fields) const;
    bool NothingTyped(std::size_t row) const;

    std::vector<LedgerRow> rows_;
    std::string firstDescription_; // of the first credit, kept from the file it came from
    bool capitalFirst_ = false;
    bool compensation_ = false;
    std::optional<Kept> saved_;
    std::optional<Ledger> ledger_;
    std::optional<Ledger> page_;
    std::string ledgerFault_;
};
} // namespace tarvel
