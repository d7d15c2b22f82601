#pragma once

#include "calc/date.h"
#include "calc/rate_table.h"

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace tarvel {

// The rates a run of tarvel-calc charges: the program's own table, as the
// window has it, unless --tassi names the rates in force ("vigenti") or a
// table file.
class ChosenRates {
public:
    static constexpr const char* kInForce = "vigenti";

    // --tassi's value, if given. On a file that cannot be used, nothing, with
    // its message on `errors`.
    static std::optional<ChosenRates> Choose(const std::optional<std::string>& option, std::ostream& errors);

    std::span<const RatePeriod> periods() const;
    // The table --tassi chose; null for the program's own.
    const RateTable* table() const { return table_; }

    // The line that says, for a span that ends after the year of the table's
    // last change, that its later days are charged at the last rate known and
    // how to add a newer one; nothing otherwise, and nothing for the program's
    // own table, whose results stay as they always were.
    std::optional<std::string> LaterDaysNote(Date end) const;

private:
    std::unique_ptr<RateTable> owned_; // a table file's
    const RateTable* table_ = nullptr;
    std::string file_;
};

} // namespace tarvel
