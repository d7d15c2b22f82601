#pragma once

#include "calc/check.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvel {

// A control text held in place. Every text the calculation makes from a
// number fits, so a result carries all its texts without a string of its own:
// building those strings used to be most of the calculation's time.
class ShortText {
public:
    // "-922.337.203.685.477,58", the longest amount, and room to spare.
    static constexpr std::size_t kCapacity = 31;

    // Unwritten, its characters left as they are: a result holds twenty of
    // these, and clearing them all for every row of a batch costs more than
    // the row's arithmetic. Nothing reads a character before it is written.
    ShortText() {}

    bool written() const { return size_ != kUnwritten; }
    std::string_view view() const { return {data_, written() ? size_ : std::size_t{0}}; }
    std::optional<std::string> toControlText() const;

    // Writing in place: a writer is handed room(), checks that what it will
    // write fits before writing a byte, and says how much it wrote with
    // finish(size). Every write that would not fit stops the program.
    std::span<char, kCapacity> room() { return std::span<char, kCapacity>(data_); }
    void finish(std::size_t size)
    {
        fits(size);
        size_ = static_cast<std::uint8_t>(size);
    }
    void assign(std::string_view text);
    // Written, and empty.
    void clear() { size_ = 0; }
    // A fixed text and a 16-bit count after it: "anni  15".
    void assignCount(std::string_view label, std::int16_t count);

    friend bool operator==(const ShortText& text, std::string_view other)
    {
        return text.written() && text.view() == other;
    }

private:
    static void fits(std::size_t size) { Check(size <= kCapacity, "testo di un campo oltre la sua capacità"); }

    static constexpr std::uint8_t kUnwritten = 0xFF;
    char data_[kCapacity];
    std::uint8_t size_ = kUnwritten;
};

} // namespace tarvel
