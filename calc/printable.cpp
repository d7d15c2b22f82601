#include "calc/printable.h"

namespace tarvel {

std::size_t ControlCharacterAt(std::string_view text, std::size_t at)
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

std::string Printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t control = ControlCharacterAt(text, at);
        if (control == 0) {
            printable += text[at++];
            continue;
        }
        for (std::size_t end = at + control; at < end; ++at) {
            const auto byte = static_cast<unsigned char>(text[at]);
            printable += "\\x";
            printable += kHex[byte >> 4];
            printable += kHex[byte & 0xF];
        }
    }
    return printable;
}

} // namespace tarvel
