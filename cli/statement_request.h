#pragma once

#include "calc/statement.h"

namespace tarvel {

class ChosenRates;
struct CalcOptions;

// What a run of tarvel-calc asks of a statement: the texts of the options,
// the regime and the tables chosen. A revaluation and a compounded
// calculation charge the legal rates in force unless --tassi names a file,
// never the program's own table; a batch puts each row's texts in its place.
StatementRequest StatementRequestOf(const CalcOptions& options, const ChosenRates& rates);

} // namespace tarvel
