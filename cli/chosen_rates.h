#pragma once

#include "calc/date.h"
#include "calc/price_index.h"
#include "calc/rate_table.h"

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace tarvel {

struct CalcOptions;

// The rates a run of tarvel-calc charges: the program's own table, as the
// window has it, unless --tassi names the rates in force ("vigenti") or a
// table file; the reference rates of late payment, built in unless
// --tassi-mora names a table file; and the price index of a revaluation,
// built in unless --indici names an index file.
class ChosenRates {
public:
    static constexpr const char* kInForce = "vigenti";

    // The tables the options name. On a file that cannot be used, nothing,
    // with its message on `errors`.
    static std::optional<ChosenRates> Choose(const CalcOptions& options, std::ostream& errors);

    std::span<const RatePeriod> periods() const;
    // The table --tassi chose; null for the program's own.
    const RateTable* table() const { return table_; }
    // The legal rates of a calculation with a claim: never the program's own
    // table, whose last period charges 1 % on every day from 2014 on.
    const RateTable& LegalForClaims() const;
    const RateTable& Reference() const;
    const PriceIndex& Index() const { return index_ ? *index_ : BuiltInPriceIndex(); }
    // How the note on the last index tells to add a newer one: to the table
    // of --elenco-indici, or to the file of --indici.
    std::string NewerIndexHow() const;

    // The line that says, for a span that ends after the year of the table's
    // last change, that its later days are charged at the last rate known and
    // how to add a newer one; nothing otherwise, and nothing for the program's
    // own table, whose results stay as they always were.
    std::optional<std::string> LaterDaysNote(Date end) const;

private:
    std::unique_ptr<RateTable> owned_; // a table file's
    const RateTable* table_ = nullptr;
    std::unique_ptr<RateTable> reference_; // a file of reference rates
    std::unique_ptr<PriceIndex> index_;    // an index file's
};

// "tarvel-calc: nota: " and the note, shown as the messages show a text (a
// table file's name may hold any character).
std::string NoteLine(const LaterDaysNote& note);

} // namespace tarvel
