#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The text a masked date field ("## / ## / ####") holds for a date typed in
// one of the forms people use: day, month and four-digit year separated by
// '/' with spaces allowed around them ("1/2/2000", "01 / 02 / 2000"), the
// eight digits typed into the field ("01022000"), or ISO "2000-02-01". Nothing
// for any other text and for a day that does not exist: a mistyped date is
// never reread as another one.
std::optional<std::string> DateFieldText(std::string_view typed);

// The text of a date field whose mask the user never filled in: the window
// rejects it as it rejects any date it cannot read.
inline constexpr char kUnfilledDateField[] = "__ / __ / ____";

} // namespace tarvel
