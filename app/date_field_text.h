#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// The text a masked date field ("## / ## / ####", prompt '_') holds after the
// user has typed `typed` into it: a valid date in any accepted form reads as
// "dd / mm / yyyy"; otherwise each digit fills the next place, other keys are
// ignored and places left over show the prompt.
std::string DateFieldText(std::string_view typed);

} // namespace tarvel
