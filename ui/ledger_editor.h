#pragma once

#include "calc/charged_rates.h"
#include "forms/ledger_form.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tarvel {

// The list of movements of the window of the rates in force, over its form:
// a row per movement after the first credit (date, type, amount,
// description), added with "Aggiungi" or Insert and removed with "Rimuovi" or
// Delete, each cell typed as the window's fields are (a date as the date
// fields take it, '.' in an amount as the decimal comma); why a row is no
// movement is said beside the list, with nothing typed cleared. Below, the
// choices: "imputazione al capitale", and for late payment the 40 euro per
// credit. "Apri…" and "Salva…" only ask: OpenAsked, SaveAsked.
class LedgerEditor : public QWidget {
    Q_OBJECT

public:
    // `form` outlives the editor: the window's form owns it.
    explicit LedgerEditor(LedgerForm& form, QWidget* parent = nullptr);

    LedgerForm& Form() { return form_; }
    const LedgerForm& Form() const { return form_; }
    // The rows of the form again, after it has read a file.
    void ShowRows();
    // The faults of the rows and of the last ledger, beside the list.
    void ShowFaults();
    // The compensation offered with the regime that has it.
    void ShowRegime(Regime regime);

signals:
    // A row or a choice changed.
    void Changed();
    void OpenAsked();
    void SaveAsked();

private:
    void Aggiungi_Click();
    void Rimuovi_Click();
    void CellChanged(QTableWidgetItem* item);
    void NumberRows();

    QTableWidget* movimenti_ = nullptr;
    QLabel* errori_ = nullptr;
    QCheckBox* imputazioneCapitale_ = nullptr;
    QCheckBox* indennizzo_ = nullptr;
    LedgerForm& form_;
    bool showing_ = false; // the rows are being written from the form, not typed
};

} // namespace tarvel
