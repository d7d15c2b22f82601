#pragma once

#include "calc/calculate_interest.h"
#include "calc/control_texts.h"

#include <ostream>
#include <span>

namespace tarvel {

// One line a control, "name: text", in the order the window-free calculator
// promises its callers.
void WriteControlLines(std::ostream& out, const ControlTexts& texts);

// The same lines for a calculation with another table than the window's: in
// place of the twelve period fields, one line per row of `table`,
// "caption: amount" ("5% dal 01/01/2023: 498,6301"), the amount empty where
// the span does not touch the row and after a failed run.
void WriteTableLines(std::ostream& out, const ControlTexts& window, const CalculationResult& result,
                     std::span<const RatePeriod> table);

} // namespace tarvel
