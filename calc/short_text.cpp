#include "calc/short_text.h"

#include <algorithm>
#include <cassert>

namespace tarvel {

std::optional<std::string> ShortText::toControlText() const
{
    if (!written())
        return std::nullopt;
    return std::string(view());
}

void ShortText::assign(std::string_view text)
{
    assert(text.size() <= kCapacity);
    finish(std::copy_n(text.data(), std::min(text.size(), kCapacity), data_));
}

} // namespace tarvel
