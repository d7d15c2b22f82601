#include "calc/control_texts.h"

#include <string>

namespace tarvel {
namespace {

std::optional<std::string> ToControlText(const ShortText& text) { return text.toControlText(); }
std::optional<std::string> ToControlText(const std::optional<std::string>& text) { return text; }

} // namespace

std::string_view PeriodControlName(std::size_t index)
{
    static const auto names = [] {
        std::array<std::string, kPeriodCount> made;
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = "txtAnno(" + std::to_string(i) + ")";
        return made;
    }();
    return names.at(index);
}

WrittenTexts::operator ControlTexts() const
{
    ControlTexts texts;
    ForEachResultControl(
        [](std::string_view, std::optional<std::string>& text, const auto& written) { text = ToControlText(written); },
        texts, *this);
    return texts;
}

ControlTexts ClearedTexts()
{
    ControlTexts texts;
    ForEachResultControl([](std::string_view, std::optional<std::string>& text) { text = std::string(); }, texts);
    texts.Label8 = kYearsUnknown;
    texts.Label23 = kDaysUnknown;
    return texts;
}

ControlTexts FreshWindowTexts(std::string capital)
{
    ControlTexts texts = ClearedTexts();
    texts.importo = std::move(capital);
    texts.importobis = "importobis";
    texts.Text1 = "Text1";
    return texts;
}

void ApplyErrorPath(ControlTexts& texts)
{
    for (auto& period : texts.txtAnno)
        period = std::string();
    texts.Label8 = kYearsUnknown;
    texts.Label23 = kDaysUnknown;
    texts.importo = " ";
    texts.SeeInteressi = " ";
    texts.Label6 = " ";
}

void Overlay(ControlTexts& base, const ControlTexts& update)
{
    ForEachResultControl(
        [](std::string_view, std::optional<std::string>& to, const std::optional<std::string>& from) {
            if (from)
                to = *from;
        },
        base, update);
}

} // namespace tarvel
