#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel {

// The length in bytes of the control character that starts at `at` (C0, tab
// included, DEL, or C1 written in UTF-8), 0 when none starts there.
std::size_t ControlCharacterAt(std::string_view text, std::size_t at);

// The text with every control character written as "\x1b", one escape per
// byte: a message never hands a terminal a raw escape sequence.
std::string Printable(std::string_view text);

// A text the user gave, in double quotes, as the messages name it.
inline std::string Quoted(std::string_view text) { return "\"" + Printable(text) + "\""; }

} // namespace tarvel
