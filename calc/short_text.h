#pragma once

#include "calc/check.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

    bool written() const { return size_ != kUnwritten; }
    std::string_view view() const { return {data_, written() ? size_ : std::size_t{0}}; }
    std::optional<std::string> toControlText() const;

    // Writing: at most kCapacity characters from begin(), then finish(end);
    // an end past the capacity stops the program.
    char* begin() { return data_; }
    void finish(const char* end)
    {
        Check(end >= data_ && end <= data_ + kCapacity, "testo di un campo oltre la sua capacità");
        size_ = static_cast<std::uint8_t>(end - data_);
    }
    void assign(std::string_view text);

    friend bool operator==(const ShortText& text, std::string_view other)
    {
        return text.written() && text.view() == other;
    }

private:
    static constexpr std::uint8_t kUnwritten = 0xFF;
    char data_[kCapacity];
    std::uint8_t size_ = kUnwritten;
};

} // namespace tarvel
