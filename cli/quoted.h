#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// A text the user gave, in double quotes, as the messages name it.
inline std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

} // namespace tarvel
