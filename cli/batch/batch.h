#pragma once

#include <string>

namespace tarvel {

class ChosenRates;
struct CalcOptions;

// tarvel-calc --csv: one calculation for each row capitale;dal;al of the CSV
// file of the options (empty or "-": standard input), each answered on
// standard output as soon as it is read. Returns the exit code: 0 when every
// row was calculated, 1 when some row was not, 2 when the input cannot be read
// or the output cannot be written. Each row is charged the rates of `rates`,
// whose periods are the columns after giorni; with --mora or --domanda, or
// with a header capitale;dal;al;domanda that gives each row its own claim, the
// legal rows and the late-payment rows.
int RunBatch(const CalcOptions& options, const ChosenRates& rates);

} // namespace tarvel
