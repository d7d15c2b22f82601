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
#include <QGridLayout>
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
    group->setObjectName(QStringLiteral("gruppoMovimenti"));
    movimenti_ = new LedgerEditor(form_.Ledger());
    (new QVBoxLayout(group))->addWidget(movimenti_);
    column.insertWidget(column.indexOf(regime_), group);
    group->hide();
    gruppoMovimenti_ = group;

    // Beside "Calcola", the choice to list movements.
    auto* calcola = findChild<QPushButton*>(QStringLiteral("calcola"));
    auto* mostra = new QPushButton(QStringLiteral("Movimenti…"));
    mostra->setObjectName(QStringLiteral("mostraMovimenti"));
    mostra->setCheckable(true);
    mostra->setAutoDefault(true);
    mostra->setToolTip(QStringLiteral("Acconti e altri crediti: il conto del debito"));
    static_cast<QGridLayout*>(calcola->parentWidget()->layout())->addWidget(mostra, 1, 0, Qt::AlignLeft);
    connect(mostra, &QPushButton::toggled, this, [this](bool on) {
        gruppoMovimenti_->setVisible(on);
        MakeRoom();
    });

    estratto_ = new QPlainTextEdit;
    estratto_->setObjectName(QStringLiteral("estratto"));
    estratto_->setAccessibleName(QStringLiteral("Estratto dei movimenti"));
    estratto_->setReadOnly(true);
    estratto_->setLineWrapMode(QPlainTextEdit::NoWrap);
    estratto_->setMinimumHeight(PeriodRowsHeight(4));
    estratto_->hide();
    column.insertWidget(column.indexOf(periodi_) + 1, estratto_, 1);

    // "Movimenti…" comes before "Calcola", the list's controls after it,
    // before the statement.
    QWidget* before = findChild<QWidget*>(QStringLiteral("maggiorazione"));
    for (const char* name : {"mostraMovimenti", "calcola", "movimenti", "aggiungi", "rimuovi", "apri", "salva",
                             "imputazioneCapitale", "indennizzo", "estratto"}) {
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
    const auto fields = [this] { return FieldsOfRequest(form_.Request()); };
    new LedgerFiles(*this, *movimenti_, runtime_, tables_.Settings(), {fields, fill});
}

void RatesInForceWindow::LedgerChanged()
{
    // A ledger opened shows its list.
    if (movimenti_->Form().HasLedger() && gruppoMovimenti_->isHidden())
        findChild<QPushButton*>(QStringLiteral("mostraMovimenti"))->setChecked(true);
    // With no movement listed now or before, the window stays as it is.
    if (!movimenti_->Form().HasLedger() && estratto_->isHidden())
        return;
    ShowCalculation();
}

void RatesInForceWindow::ShowLedger()
{
    if (!movimenti_) // while the window is being built
        return;
    LedgerForm& ledger = movimenti_->Form();
    const bool on = ledger.HasLedger();
    if (on)
        ledger.Calculate(FieldsOfRequest(form_.Request()));
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
    stampa_->setEnabled(shown.has_value());
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
