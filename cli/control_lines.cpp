#include "cli/control_lines.h"

#include "calc/number_texts.h"

namespace tarvel {
namespace {

void writeLine(std::ostream& out, std::string_view name, const std::optional<std::string>& text)
{
    out << name << ": " << text.value_or(std::string()) << '\n';
}

} // namespace

void WriteControlLines(std::ostream& out, const ControlTexts& texts)
{
    ForEachResultControl([&out](std::string_view name, const auto& text) { writeLine(out, name, text); }, texts);
}

void WriteTableLines(std::ostream& out, const ControlTexts& window, const CalculationResult& result,
                     std::span<const RatePeriod> table)
{
    writeLine(out, kCapitalControl, window.importo);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PeriodLine& line = result.lines[i];
        out << table[i].caption << ": " << (result.ok && line.applies ? CurrencyText(line.interest) : "") << '\n';
    }
    ForEachTotalControl([&out](std::string_view name, const auto& text) { writeLine(out, name, text); }, window);
}

} // namespace tarvel
