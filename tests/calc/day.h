#pragma once

#include "calc/date.h"
#include "calc/date_text.h"

namespace tarvel {

// The day a table of cases writes as "dd/mm/yyyy"; the text must be a date.
inline Date Day(const char* text) { return ParseDate(text).value(); }

} // namespace tarvel
