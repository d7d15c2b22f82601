// The list of movements of the window of the rates in force and the ledger's
// statement, shown in place of the single calculation's while the list holds
// a movement.
#include "ui/rates_in_force_window.h"

#include "calc/number_texts.h"
#include "ui/controls.h"
#include "ui/ledger_editor.h"
#include "ui/ledger_files.h"
#include "ui/masked_edit.h"
#include "ui/rate_tables_in_use.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {

void RatesInForceWindow::BuildLedger(QVBoxLayout& column)
{
    auto* group = new QGroupBox(QStringLiteral("Movimenti (acconti e altri crediti)"));
    movimenti_ = new LedgerEditor;
    (new QVBoxLayout(group))->addWidget(movimenti_);
    column.insertWidget(column.indexOf(regime_), group);

    estratto_ = new QPlainTextEdit;
    estratto_->setObjectName(QStringLiteral("estratto"));
    estratto_->setAccessibleName(QStringLiteral("Estratto dei movimenti"));
    estratto_->setReadOnly(true);
    estratto_->setLineWrapMode(QPlainTextEdit::NoWrap);
    estratto_->setMinimumHeight(periodi_->minimumHeight());
    estratto_->hide();
    column.insertWidget(column.indexOf(periodi_) + 1, estratto_, 1);

    // The list's controls come after "Calcola", before the statement.
    QWidget* before = findChild<QWidget*>(QStringLiteral("calcola"));
    for (const char* name :
         {"movimenti", "aggiungi", "rimuovi", "apri", "salva", "imputazioneCapitale", "indennizzo", "estratto"}) {
        QWidget* next = findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(before, next);
        before = next;
    }

    connect(movimenti_, &LedgerEditor::Changed, this, &RatesInForceWindow::LedgerChanged);
    const auto fill = [this](const FirstCredit& first) {
        dal_->SetText(QString::fromStdString(first.date));
        capitale_->setText(QString::fromStdString(first.amount));
        Calcola_Click();
    };
    const auto fields = [this] {
        ReadFields();
        return form_.Request();
    };
    new LedgerFiles(*this, *movimenti_, runtime_, tables_.Settings(), {fields, fill});
}

void RatesInForceWindow::LedgerChanged()
{
    movimenti_->ShowRegime(form_.Chosen());
    // With no movement listed now or before, the window stays as it is.
    if (!movimenti_->Form().HasLedger() && estratto_->isHidden())
        return;
    ReadFields();
    ShowStatement();
    ShowLedger();
}

void RatesInForceWindow::ShowLedger()
{
    LedgerForm& ledger = movimenti_->Form();
    const bool on = ledger.HasLedger();
    if (on)
        ledger.Calculate(form_.Request());
    movimenti_->ShowFaults();
    periodi_->setVisible(!on);
    estratto_->setVisible(on);
    if (!on)
        return;
    const auto& shown = ledger.Shown();
    estratto_->setPlainText(QString::fromStdString(ledger.Copied()));
    interessi_->setText(shown ? QString::fromStdString(AmountText(shown->totals.interest)) : QString());
    somma_->setText(shown ? QString::fromStdString(AmountText(shown->totals.due)) : QString());
    durata_->clear();
    copia_->setEnabled(shown.has_value());
    // The page is the single calculation's: it is not offered for a ledger.
    stampa_->setEnabled(false);
}

bool RatesInForceWindow::CopyLedger() const
{
    if (estratto_->isHidden())
        return false;
    if (const auto& shown = movimenti_->Form().Shown())
        QGuiApplication::clipboard()->setText(QString::fromStdString(LedgerText(*shown)));
    return true;
}

} // namespace tarvel
