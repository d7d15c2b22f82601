#include "calc/short_text.h"

#include <algorithm>
#include <charconv>

namespace tarvel {

std::optional<std::string> ShortText::toControlText() const
{
    if (!written())
        return std::nullopt;
    return std::string(view());
}

void ShortText::assign(std::string_view text)
{
    fits(text.size());
    std::copy_n(text.data(), text.size(), data_);
    size_ = static_cast<std::uint8_t>(text.size());
}

void ShortText::assignCount(std::string_view label, std::int16_t count)
{
    constexpr std::size_t kCountRoom = 6; // "-32768"
    fits(label.size() + kCountRoom);
    char* const digits = std::copy_n(label.data(), label.size(), data_);
    finish(static_cast<std::size_t>(std::to_chars(digits, digits + kCountRoom, count).ptr - data_));
}

} // namespace tarvel
