#include "calc/printable.h"

namespace tarvel {

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
