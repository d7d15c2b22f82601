#pragma once

#include "calc/ledger.h"
#include "calc/statement.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarvel {

// The columns of a movement in the list, in the ledger file's order.
enum class LedgerColumn { Date, Kind, Amount, Description };

// A movement of the list as it is typed.
struct LedgerRowTexts {
    std::string date; // as the date field holds it: "01 / 07 / 2025", "01/07/2025", "2025-07-01"
    Movement::Kind kind = Movement::Kind::Credit;
    std::string amount; // "3000", "3.000,00"
    std::string description;
    friend bool operator==(const LedgerRowTexts&, const LedgerRowTexts&) = default;
};

// The first credit of a ledger file: the window's Dal and capital.
struct FirstCredit {
    std::string date;   // "01/01/2025"
    std::string amount; // "10.000,00"
    friend bool operator==(const FirstCredit&, const FirstCredit&) = default;
};

// "credito", "pagamento": the type as the ledger file and the list name it.
const char* KindText(Movement::Kind kind);

// The list of movements of the window of the rates in force, without its
// widgets. The window's capital and "Dal" are the first credit; the rows here
// are the movements after it, numbered from 2 as they would stand in the
// ledger after that credit ("riga 2: ..."). A row with nothing typed is no
// movement, as a blank line of the file is none. With no movement, there is
// no ledger and the window calculates as it always has.
class LedgerForm {
public:
    std::size_t RowCount() const { return rows_.size(); }
    const LedgerRowTexts& Row(std::size_t row) const { return rows_[row]; }
    // A row with nothing typed before `at` (at most RowCount()).
    void Insert(std::size_t at);
    void Remove(std::size_t row);
    // The text of a cell; for Kind, "credito" or "pagamento".
    void Type(std::size_t row, LedgerColumn column, std::string text);

    // Whether some row holds a movement: the window then shows the ledger.
    bool HasLedger() const;
    // Why the row is no movement, with its number ("riga 2: importo «10,000»:
    // ha più di due decimali"); empty when it is one or has nothing typed.
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

    // The ledger of the window's fields (`window`: its capital, Dal, Al as the
    // end day, regime, claim date, margin and tables) and the rows; nothing
    // when a field or a row cannot be read, which the window and FaultOf say.
    std::optional<LedgerRequest> Request(const StatementRequest& window) const;
    // "Calcola": the ledger, or its fault and none.
    void Calculate(const StatementRequest& window);
    const std::optional<Ledger>& Shown() const { return ledger_; }
    // What Copia copies: the statement as tarvel-calc --movimenti prints it; empty with none.
    std::string Copied() const;
    // "Stampa": the ledger shown now is the one printed, whatever is computed
    // while the printer window is open; false with none shown.
    bool TakePage();
    const std::optional<Ledger>& Page() const { return page_; }

    // The ledger file: the header, the first credit of the window's fields,
    // then the rows with something typed; a row that reads is written in the
    // file's own forms, one that does not as typed.
    std::string FileText(const StatementRequest& window) const;
    // The movements read from a ledger file, in the file's order, as the list:
    // the first credit comes back for the window's fields, the other movements
    // become the rows, nothing unsaved. A file without a credit is refused
    // with why, and nothing changes.
    std::variant<FirstCredit, std::string> Load(const std::vector<Movement>& movements);

    // Whether a row changed since the last Load or Saved (the choices are not
    // in the file).
    bool Unsaved() const { return unsaved_; }
    void Saved() { unsaved_ = false; }

private:
    std::vector<LedgerRowTexts> rows_;
    std::string firstDescription_; // of the first credit, kept from the file it came from
    bool capitalFirst_ = false;
    bool compensation_ = false;
    bool unsaved_ = false;
    std::optional<Ledger> ledger_;
    std::optional<Ledger> page_;
    std::string ledgerFault_;
};

} // namespace tarvel
