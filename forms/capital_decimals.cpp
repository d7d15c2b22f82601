#include "forms/capital_decimals.h"

#include "calc/failure_reason.h"
#include "calc/printable.h"
#include "calc/statement_line.h"

namespace tarvel {

std::optional<std::string> CapitalDecimalsWarning(std::string_view capital)
{
    const std::size_t comma = capital.find(',');
    if (comma == std::string_view::npos || capital.size() - comma - 1 <= 2)
        return std::nullopt;
    // The window's key filter turns a full stop into a comma: only the forms it takes are named.
    return Capitalised(TooManyDecimalsReason("«" + Printable(capital) + "»", true)) + '.';
}

} // namespace tarvel
