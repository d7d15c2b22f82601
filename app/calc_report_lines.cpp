#include "calc_report_lines.h"

#include <string>

namespace tarvel {
namespace {

void line(std::ostream& out, const std::string& name, const std::optional<std::string>& text)
{
    out << name << ": " << text.value_or(std::string()) << '\n';
}

} // namespace

void WriteControlLines(std::ostream& out, const ControlTexts& texts)
{
    line(out, "importo", texts.importo);
    for (std::size_t i = 0; i < texts.txtAnno.size(); ++i)
        line(out, "txtAnno(" + std::to_string(i) + ")", texts.txtAnno[i]);
    line(out, "importobis", texts.importobis);
    line(out, "Text1", texts.Text1);
    line(out, "SeeInteressi", texts.SeeInteressi);
    line(out, "Label6", texts.Label6);
    line(out, "Label8", texts.Label8);
    line(out, "Label23", texts.Label23);
}

} // namespace tarvel
