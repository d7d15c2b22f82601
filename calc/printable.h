#pragma once

#include <cstddef>
#include <optional>
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

// The code point of the invisible character that starts at `at` and its
// length in bytes: a format character that shows nothing on a terminal or in
// a window (U+FEFF, the byte-order mark; the zero-width spaces and joiners
// U+200B to U+200F; the direction marks and embeddings U+202A to U+202E and
// U+2066 to U+2069; U+2028, U+2029, U+2060 to U+2064, U+00AD, U+061C,
// U+180E). Nothing when none starts there.
struct InvisibleCharacter {
    char32_t codePoint;
    std::size_t length;
};
std::optional<InvisibleCharacter> InvisibleCharacterAt(std::string_view text, std::size_t at);

// The text with every control character written as "\x1b", one escape per
// byte, and every invisible character as "<U+FEFF>": a message never hands a
// terminal a raw escape sequence, nor quotes a text that looks like another.
std::string Printable(std::string_view text);

// A text the user gave, in double quotes, as the messages name it.
inline std::string Quoted(std::string_view text) { return "\"" + Printable(text) + "\""; }

} // namespace tarvel
