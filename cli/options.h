#pragma once

#include "calc/compounding.h"
#include "calc/revaluation.h"
#include "cli/ledger_options.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// --rivalutazione and the options that go with it.
struct RevaluationOptions {
    bool wanted = false;                   // --rivalutazione
    std::optional<std::string> percentage; // --percentuale: the update's, as given
    std::optional<InterestOn> interestOn;  // --interessi-su; none for the revaluation alone
    std::optional<std::string> indexFile;  // --indici: an index file in place of the one built in
};

struct CalcOptions {
    enum class Mode { Calculate, Help, Version, Batch, ListRates, ListReferenceRates, Ledger, Revaluation, ListIndex };
    Mode mode = Mode::Calculate;
    // What was wrong with the arguments, said above the usage; empty when the
    // arguments make a valid call.
    std::string usageError;

    std::string capital;
    std::string startDate;
    std::string endDate;
    // Where the report goes, if anywhere: a PDF file or an installed printer.
    std::optional<std::string> pdfFile;
    std::optional<std::string> printerName;
    // The batch's input; empty or "-" for standard input.
    std::string csvFile;
    // --tassi: "vigenti" or a table file; absent for the program's own table.
    std::optional<std::string> rates;
    // --tassi-mora: a table file of reference rates; absent for the built-in ones.
    std::optional<std::string> referenceRates;
    // --domanda: the day a claim was filed in court, as given.
    std::optional<std::string> claimDate;
    // --mora, and its --maggiorazione in hundredths of a point.
    bool latePayment = false;
    int marginHundredths = 0;
    // --tasso: the rate the parties agreed, as given, charged on every day.
    std::optional<std::string> contractRate;
    // --capitalizzazione, with the day of --capitalizzazione-dal as given.
    std::optional<CompoundingRequest> compounding;
    // --movimenti and the options that go with it; endDate is its AL.
    LedgerOptions ledger;
    // --rivalutazione, a batch's too; --indici also for --elenco-indici.
    RevaluationOptions revaluation;

    bool wantsReport() const { return pdfFile || printerName; }
    // Whether a calculation charges late-payment interest on some days.
    bool chargesLatePayment() const { return latePayment || claimDate; }
};

extern const char* const kCalcUsage;
extern const char* const kCalcVersion; // "tarvel-calc" and the version

// Arguments that begin with "--" are options, so a negative capital such as
// -1000 stays a capital; "--" ends the options.
CalcOptions ParseCalcOptions(const std::vector<std::string>& arguments);

} // namespace tarvel
