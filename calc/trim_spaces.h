#pragma once

#include <string_view>

namespace tarvel {

// The text without the spaces around it (only ' ': the fields and the CSV
// rows pad with spaces, and a tab or a line break is content).
constexpr std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace tarvel
