#include "calc/control_texts.h"

#include <string>

namespace tarvel {

std::string_view ControlName(ResultControl control)
{
    static const auto names = [] {
        PerControl<std::string> made;
        made[ResultControl::importo] = "importo";
        for (std::size_t i = 0; i < kPeriodCount; ++i)
            made[PeriodControl(i)] = "txtAnno(" + std::to_string(i) + ")";
        made[ResultControl::importobis] = "importobis";
        made[ResultControl::Text1] = "Text1";
        made[ResultControl::SeeInteressi] = "SeeInteressi";
        made[ResultControl::Label6] = "Label6";
        made[ResultControl::Label8] = "Label8";
        made[ResultControl::Label23] = "Label23";
        return made;
    }();
    return names[control];
}

ControlTexts WrittenTexts::ToControlTexts() const
{
    ControlTexts texts;
    texts[ResultControl::importo] = capital;
    for (const ResultControl control : kResultControls)
        if (control != ResultControl::importo)
            texts[control] = others_[control].toControlText();
    return texts;
}

ControlTexts ClearedTexts()
{
    ControlTexts texts;
    for (const ResultControl control : kResultControls)
        texts[control] = std::string();
    texts[ResultControl::Label8] = kYearsUnknown;
    texts[ResultControl::Label23] = kDaysUnknown;
    return texts;
}

ControlTexts FreshWindowTexts(std::string capital)
{
    ControlTexts texts = ClearedTexts();
    texts[ResultControl::importo] = std::move(capital);
    texts[ResultControl::importobis] = "importobis";
    texts[ResultControl::Text1] = "Text1";
    return texts;
}

void ApplyErrorPath(ControlTexts& texts)
{
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        texts[PeriodControl(i)] = std::string();
    texts[ResultControl::Label8] = kYearsUnknown;
    texts[ResultControl::Label23] = kDaysUnknown;
    texts[ResultControl::importo] = " ";
    texts[ResultControl::SeeInteressi] = " ";
    texts[ResultControl::Label6] = " ";
}

void Overlay(ControlTexts& base, const ControlTexts& update)
{
    for (const ResultControl control : kResultControls)
        if (update[control])
            base[control] = update[control];
}

} // namespace tarvel
