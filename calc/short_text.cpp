#include "calc/short_text.h"

#include <algorithm>

namespace tarvel {

std::optional<std::string> ShortText::toControlText() const
{
    if (!written())
        return std::nullopt;
    return std::string(view());
}

void ShortText::assign(std::string_view text)
{
    Check(text.size() <= kCapacity, "testo di un campo oltre la sua capacità");
    finish(std::copy_n(text.data(), text.size(), data_));
}

} // namespace tarvel
