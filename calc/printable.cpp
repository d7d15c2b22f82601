#include "calc/printable.h"

namespace tarvel {

std::optional<InvisibleCharacter> InvisibleCharacterAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t k) -> char32_t {
        return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0;
    };
    // Only the shortest UTF-8 forms of the characters named: two bytes up to
    // U+07FF, three up to U+FFFF.
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (byte(0) >= 0xC2 && byte(0) <= 0xDF && (byte(1) & 0xC0) == 0x80) {
        codePoint = (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
        length = 2;
    } else if (byte(0) >= 0xE1 && byte(0) <= 0xEF && (byte(1) & 0xC0) == 0x80 && (byte(2) & 0xC0) == 0x80) {
        codePoint = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        length = 3;
    }
    const auto in = [codePoint](char32_t first, char32_t last) { return codePoint >= first && codePoint <= last; };
    if (length == 0
        || !(codePoint == 0x00AD || codePoint == 0x061C || codePoint == 0x180E || in(0x200B, 0x200F)
             || in(0x2028, 0x202E) || in(0x2060, 0x2064) || in(0x2066, 0x2069) || codePoint == 0xFEFF))
        return std::nullopt;
    return InvisibleCharacter{codePoint, length};
}

std::string Printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";      // U+FEFF, as Unicode writes code points
    static constexpr char kLowerHex[] = "0123456789abcdef"; // \x1b, as C writes bytes
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const auto invisible = InvisibleCharacterAt(text, at)) {
            printable += "<U+";
            for (int shift = 12; shift >= 0; shift -= 4)
                printable += kHex[(invisible->codePoint >> shift) & 0xF];
            printable += '>';
            at += invisible->length;
            continue;
        }
        const std::size_t control = ControlCharacterAt(text, at);
        if (control == 0) {
            printable += text[at++];
            continue;
        }
        for (std::size_t end = at + control; at < end; ++at) {
            const auto byte = static_cast<unsigned char>(text[at]);
            printable += "\\x";
            printable += kLowerHex[byte >> 4];
            printable += kLowerHex[byte & 0xF];
        }
    }
    return printable;
}

} // namespace tarvel
