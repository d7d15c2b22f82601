#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct CalcOptions;

// What tarvel-calc --movimenti FILE AL adds to the options of a calculation.
struct LedgerOptions {
    std::optional<std::string> file;       // --movimenti: the ledger file, "-" for standard input
    std::optional<std::string> imputation; // --imputazione: "capitale", or "interessi" as by default
    bool compensation = false;             // --indennizzo
    // Whether a payment goes to capital first.
    bool capitalFirst() const { return imputation && *imputation == "capitale"; }
};

// Completes `options` for a run with a ledger option, once the options shared
// with a calculation have been checked: `positional` must be AL alone, and
// `otherMode` (--csv, --elenco-tassi) refuses it. Sets the mode, or the usage error.
void FinishLedgerOptions(CalcOptions& options, const std::vector<std::string>& positional, bool otherMode);

} // namespace tarvel
