#pragma once

class QLabel;
class QLineEdit;

namespace tarvel {

// Shows the whole text of a field or label: a text wider than the control in
// the control's design font is drawn in a smaller size of that font, the
// largest that fits; the control keeps its size. The design font is the one
// the control has when it is first fitted. Call after every change of text.
void FitFontToText(QLineEdit* field);
void FitFontToText(QLabel* label);

} // namespace tarvel
