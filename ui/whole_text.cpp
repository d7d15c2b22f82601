#include "ui/whole_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tarvel {
namespace {

constexpr char kDesignFont[] = "tarvel_design_font";
// Below this a text is no longer read: a longer one scrolls in its field.
constexpr int kSmallestPixels = 4;
// A line edit keeps two pixels each side of its text and one for the caret.
constexpr int kLineEditTextMargins = 5;

void Fit(QWidget* control, const QString& text, int width)
{
    QVariant stored = control->property(kDesignFont);
    if (!stored.isValid()) {
        stored = control->font();
        control->setProperty(kDesignFont, stored);
    }
    QFont font = stored.value<QFont>();
    for (int pixels = font.pixelSize(); pixels > kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    if (font != control->font())
        control->setFont(font);
}

} // namespace

void FitFontToText(QLineEdit* field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    Fit(field, field->displayText(), contents.width() - margins.left() - margins.right() - kLineEditTextMargins);
}

void FitFontToText(QLabel* label) { Fit(label, label->text(), label->contentsRect().width() - 2 * label->margin()); }

} // namespace tarvel
