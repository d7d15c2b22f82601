#include "ui/masked_edit.h"

namespace tarvel {
namespace {

constexpr QChar kPrompt = u'_';

// Qt's mask language: '0' an optional digit; the literal characters we use
// (blanks, slashes) need no escape. Anything else is escaped to stay fixed.
QString QtInputMask(const QString& mask)
{
    if (mask.isEmpty())
        return {};
    QString qt;
    for (QChar c : mask) {
        if (c == u'#')
            qt += u'0';
        else if (c == u' ' || c == u'/' || c == u'-' || c == u'.' || c == u':')
            qt += c;
        else
            qt += u'\\', qt += c;
    }
    return qt + u';' + kPrompt;
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {}

void MaskedEdit::SetMask(const QString& mask)
{
    mask_ = mask;
    setInputMask(QtInputMask(mask));
}

QString MaskedEdit::Text() const { return mask_.isEmpty() ? text() : displayText(); }

void MaskedEdit::SetText(const QString& text) { setText(text); }

} // namespace tarvel
