#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel {

// The length in bytes of the control character that starts at `at` (C0, tab
// included, DEL, or C1 written in UTF-8), 0 when none starts there.
// Inline: the batch asks it of every byte it reads.
inline std::size_t ControlCharacterAt(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F)
        return 1;
    // U+0080 to U+009F: C2 80 to C2 9F.
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

// The text with every control character written as "\x1b", one escape per
// byte: a message never hands a terminal a raw escape sequence.
std::string Printable(std::string_view text);

// A text the user gave, in double quotes, as the messages name it.
inline std::string Quoted(std::string_view text) { return "\"" + Printable(text) + "\""; }

} // namespace tarvel
