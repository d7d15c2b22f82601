#pragma once

#include "calc/charged_rates.h"
#include "calc/currency.h"
#include "calc/date.h"
#include "calc/rate_table.h"
#include "calc/statement_line.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// A debt's ledger: sums that fall due on their days and payments on account,
// each payment going to the interest due and then to capital (art. 1194 c.c.),
// unpaid interest earning nothing (art. 1283 c.c.). With late payment's
// compensation, what a payment leaves after interest and capital goes to the
// 40,00 of each credit so far, and only then over to the debtor; what the
// debtor has paid over goes to the next credit's capital, then to its 40,00.
// So a ledger never ends with something due and a surplus at once.
//
// Days before the first day of a table charge nothing: a span that ends
// before it has no interest, one that starts before it is charged from it.

// The most movements a ledger takes; more are refused.
inline constexpr std::size_t kMaxLedgerMovements = 100000;

struct Movement {
    enum class Kind { Credit, Payment };
    Kind kind = Kind::Credit;
    Date day;
    Currency amount; // more than zero, in whole cents
    std::string description;
    std::uint64_t line = 0; // where the movement was read, for the messages; 0 when it was not read from a file
};

struct LedgerRequest {
    std::vector<Movement> movements; // in the order given
    Date end;                        // AL: the last day charged
    Regime regime = Regime::Legal;   // any but Contract
    std::optional<Date> claim;       // LegalWithClaim
    int marginHundredths = kDefaultMarginHundredths;
    // Legal and LegalWithClaim: the legal rates; LegalWithClaim and LatePayment: the reference rates.
    const RateTable* legalRates = nullptr;
    const RateTable* referenceRates = nullptr;
    bool capitalFirst = false; // "imputazione al capitale": payments go to capital, then to interest
    bool compensation = false; // LatePayment: 40,00 for each credit (art. 6 D.Lgs. 231/2002)
};

struct LedgerTotals {
    Currency capital;      // capitale residuo
    Currency interest;     // interest due at the end, in cents
    Currency compensation; // indennizzo: the 40,00 of each credit not yet paid
    Currency surplus;      // eccedenza a favore del debitore
    Currency due;          // capital, interest and compensation
};

struct Ledger {
    Regime regime = Regime::Legal;
    std::string regimeText; // as Statement::regimeText
    std::optional<Date> claim;
    bool capitalFirst = false;
    bool compensation = false; // asked for
    Date end;
    std::vector<StatementLine> lines; // in the order the movements are taken
    // Why the span rows, each shown to the cent, do not add up to the
    // interest the ledger charged; empty when they do (see LedgerRun::roundingNote).
    std::string roundingNote;
    LedgerTotals totals;
    std::vector<LaterDaysNote> notes;
    std::vector<std::string> tables; // as Statement::tables
};

// Why a ledger cannot be computed; `line` is the movement's, 0 for the ledger as a whole.
struct LedgerFault {
    std::uint64_t line = 0;
    std::string reason;
    friend bool operator==(const LedgerFault&, const LedgerFault&) = default;
};

struct LedgerOutcome {
    std::optional<LedgerFault> fault;
    std::optional<Ledger> ledger;
};

// The ledger of `request`, or why there is none: no movement, more than
// kMaxLedgerMovements, a movement after the end day, late-payment days (from
// the first credit on) before the reference rates' first day, an end day past
// the last day any table charges, amounts past the calculation's limits.
LedgerOutcome ComputeLedger(const LedgerRequest& request);

// Why a ledger of more than kMaxLedgerMovements is refused: "un conto prende
// al più 100.000 movimenti"; a reader may refuse it as soon as it reads one more.
std::string TooManyMovementsReason();

// A total of a statement, named for what it is.
struct ShownTotal {
    std::string caption; // "Capitale residuo", "Totale dovuto al 31/12/2025"
    Currency amount;
    friend bool operator==(const ShownTotal&, const ShownTotal&) = default;
};

// "Totale dovuto al 31/12/2025": what is due on the last day, `end` as written.
inline ShownTotal DueTotal(const std::string& end, Currency due) { return {"Totale dovuto al " + end, due}; }

// "Capitale residuo" 7.099,18, "Interessi" 71,19, the compensation when
// asked, the surplus when one is left, "Totale dovuto al 31/12/2025" 7.170,37:
// what the window, the copy and the page show, in that order.
std::vector<ShownTotal> ShownTotals(const Ledger& ledger);

// The same as lines: "Capitale residuo: 7.099,18".
std::vector<std::string> LedgerTotalLines(const Ledger& ledger);

// The whole statement, one line each ended by a newline: the regime, the
// movements and spans, the rounding note, the notes, the tables used, and the
// totals last, for scripts to read.
std::string LedgerText(const Ledger& ledger);
// The same lines, each handed to `line` without its newline as soon as it is
// made, for a caller that writes a long statement out as it goes.
void ForEachLedgerTextLine(const Ledger& ledger, const std::function<void(const std::string&)>& line);

} // namespace tarvel
