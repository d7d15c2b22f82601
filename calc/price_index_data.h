#pragma once

#include <string_view>

namespace tarvel {

// The index table built into the program, as its data file holds it.
std::string_view BuiltInPriceIndexText();

} // namespace tarvel
