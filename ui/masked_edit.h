#pragma once

#include <QLineEdit>

namespace tarvel {

// A line edit that behaves as the classic masked-edit box: Mask() in its own
// notation ("#" one digit, every other character fixed, "" a plain field) and
// Text() read back in the mask's layout with "_" in places not typed,
// "01 / 02 / 2000" or "__ / __ / ____". (QLineEdit::text() drops the blanks.)
class MaskedEdit : public QLineEdit {
public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);

    QString Text() const;
    void SetText(const QString& text);

private:
    QString mask_;
};

} // namespace tarvel
