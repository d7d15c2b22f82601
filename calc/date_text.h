#pragma once

#include "calc/date.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Day, month, four-digit year separated by '/', spaces allowed around the
// separators and the whole text: "01 / 02 / 2000", "1/2/2000".
std::optional<Date> ParseDate(std::string_view text);

// "dd/mm/yyyy", as captions and messages write a day: "01/01/2020".
std::string DateText(Date date);

} // namespace tarvel
