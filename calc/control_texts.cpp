#include "control_texts.h"

namespace tarvel {

WrittenTexts::operator ControlTexts() const
{
    ControlTexts texts;
    texts.importo = importo;
    for (std::size_t i = 0; i < txtAnno.size(); ++i)
        texts.txtAnno[i] = txtAnno[i].toControlText();
    texts.importobis = importobis.toControlText();
    texts.Text1 = Text1.toControlText();
    texts.SeeInteressi = SeeInteressi.toControlText();
    texts.Label6 = Label6.toControlText();
    texts.Label8 = Label8.toControlText();
    texts.Label23 = Label23.toControlText();
    return texts;
}

void ApplyErrorPath(ControlTexts& texts)
{
    for (auto& period : texts.txtAnno)
        period = std::string();
    texts.Label8 = "Anni ?";
    texts.Label23 = "Giorni ?";
    texts.importo = " ";
    texts.SeeInteressi = " ";
    texts.Label6 = " ";
}

ControlTexts FreshWindowTexts(std::string capital)
{
    ControlTexts texts;
    texts.importo = std::move(capital);
    for (auto& period : texts.txtAnno)
        period = std::string();
    texts.importobis = "importobis";
    texts.Text1 = "Text1";
    texts.SeeInteressi = std::string();
    texts.Label6 = std::string();
    texts.Label8 = "Anni ?";
    texts.Label23 = "Giorni ?";
    return texts;
}

void Overlay(ControlTexts& base, const ControlTexts& update)
{
    const auto lay = [](std::optional<std::string>& to, const std::optional<std::string>& from) {
        if (from)
            to = *from;
    };
    lay(base.importo, update.importo);
    for (std::size_t i = 0; i < base.txtAnno.size(); ++i)
        lay(base.txtAnno[i], update.txtAnno[i]);
    lay(base.importobis, update.importobis);
    lay(base.Text1, update.Text1);
    lay(base.SeeInteressi, update.SeeInteressi);
    lay(base.Label6, update.Label6);
    lay(base.Label8, update.Label8);
    lay(base.Label23, update.Label23);
}

} // namespace tarvel
