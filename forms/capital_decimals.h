#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The main window's refusal of a capital with more than two characters after
// its first comma ("10,000", "10,000,50"). Its key filter turns every full
// stop into a comma, so this is how ten thousand typed as "10.000" arrives,
// and the designed calculation would read it as ten euros. The warning, the
// calculation's own reason as a sentence ("Il capitale «10,000» ha più di due
// decimali: per diecimila euro scrivere 10000 o 10000,00", the forms the
// window takes); nothing when the capital goes to the calculation.
std::optional<std::string> CapitalDecimalsWarning(std::string_view capital);

} // namespace tarvel
