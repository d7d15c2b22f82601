#pragma once

#include "calc/calculate_interest.h"
#include "calc/control_texts.h"

#include <ostream>
#include <string>
#include <vector>

namespace tarvel {

// One line a control, "name: text", in the order the window-free calculator
// promises its callers.
void WriteControlLines(std::ostream& out, const ControlTexts& texts);

// The same lines for a calculation with another table than the window's: in
// place of the twelve period fields, one line per row charged, with its
// caption, "caption: amount" ("5% dal 01/01/2023: 498,6301"), the amount
// empty where the span does not touch the row and after a failed run.
void WriteTableLines(std::ostream& out, const ControlTexts& window, const CalculationResult& result,
                     const std::vector<std::string>& captions);

} // namespace tarvel
