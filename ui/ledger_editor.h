#pragma once

#include "calc/charged_rates.h"
#include "forms/ledger_form.h"

#include <QWidget>

#include <cstddef>

class QCheckBox;
class QGridLayout;
class QLabel;
class QTableView;

namespace tarvel {

class LedgerModel;

// The list of movements of the window of the rates in force, over its form:
// a row per movement after the first credit (date, type, amount,
// description), added with "Aggiungi" or Insert and removed with "Rimuovi" or
// Delete, each cell typed as the window's fields are (a date as the date
// fields take it, an amount as the hint writes it: "1.000,50"), every change
// undone with Ctrl+Z and done again with Ctrl+Shift+Z or Ctrl+Y; why a row is
// no movement is said in its cells and beside the list. Below, the choices:
// "imputazione al capitale", and for late payment the 40 euro per credit.
// "Apri…" and "Salva…" only ask: OpenAsked, SaveAsked.
class LedgerEditor : public QWidget {
    Q_OBJECT

public:
    // `form` outlives the editor: the window's form owns it.
    explicit LedgerEditor(LedgerForm& form, QWidget* parent = nullptr);

    LedgerForm& Form() { return form_; }
    const LedgerForm& Form() const { return form_; }
    // The rows and choices of the form again, after it has read a file or
    // was cleared: nothing left to undo.
    void ShowRows();
    // The faults of the rows and of the last ledger, beside the list.
    void ShowFaults();
    // The compensation offered with the regime that has it.
    void ShowRegime(Regime regime);
    // The row's first cell selected, with the focus: where a fault is mended.
    void SelectRow(std::size_t row);

signals:
    // A row or a choice changed.
    void Changed();
    void OpenAsked();
    void SaveAsked();

private:
    void BuildList();
    void BuildChoices();
    void Lay();
    void Aggiungi_Click();
    void Rimuovi_Click();

    LedgerForm& form_;
    LedgerModel* model_ = nullptr;
    QTableView* movimenti_ = nullptr;
    QLabel* errori_ = nullptr;
    QCheckBox* imputazioneCapitale_ = nullptr;
    QCheckBox* indennizzo_ = nullptr;
};

} // namespace tarvel
