#pragma once

namespace tarvel {

class ChosenRates;
class ReportPrinter;
struct CalcOptions;

// tarvel-calc --movimenti FILE AL: reads the ledger file, computes it under
// the regime of the options and writes its statement, the totals last, on
// standard output (unless a report takes it), then hands the statement to
// `printer` when there is one. Returns the exit code: 1 for bad data, naming
// the line and the field; 2 for a file that cannot be read or an output that
// cannot be written; 3 when the report did not print.
int RunLedger(const CalcOptions& options, const ChosenRates& rates, ReportPrinter* printer);

} // namespace tarvel
