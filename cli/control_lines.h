#pragma once

#include "calc/control_texts.h"

#include <ostream>

namespace tarvel {

// One line a control, "name: text", in the order the window-free calculator
// promises its callers.
void WriteControlLines(std::ostream& out, const ControlTexts& texts);

} // namespace tarvel
