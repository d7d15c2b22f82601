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
    for (const ResultControl control : kResultControls)
        writeLine(out, ControlName(control), texts[control]);
}

void WriteTableLines(std::ostream& out, const ControlTexts& window, const CalculationResult& result,
                     const std::vector<std::string>& captions)
{
    writeLine(out, ControlName(ResultControl::importo), window[ResultControl::importo]);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const PeriodLine& line = result.lines[i];
        out << captions[i] << ": " << (result.ok && line.applies ? CurrencyText(line.interest) : "") << '\n';
    }
    for (const ResultControl control : kTotalControls)
        writeLine(out, ControlName(control), window[control]);
}

} // namespace tarvel
