#include "cli/control_lines.h"

namespace tarvel {

void WriteControlLines(std::ostream& out, const ControlTexts& texts)
{
    ForEachResultControl(
        [&out](std::string_view name, const std::optional<std::string>& text) {
            out << name << ": " << text.value_or(std::string()) << '\n';
        },
        texts);
}

} // namespace tarvel
