// The list of movements of the window of the rates in force, with its files:
// while it holds a movement the statement shown is the ledger's.
#include "ui/rates_in_force_window.h"

#include "ui/controls.h"
#include "ui/ledger_editor.h"
#include "ui/ledger_files.h"
#include "ui/masked_edit.h"
#include "ui/rate_tables_in_use.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

namespace tarvel {

void RatesInForceWindow::BuildLedger(QVBoxLayout& column)
{
    // The list says what it holds in its own caption.
    auto* group = new QWidget;
    group->setObjectName(QStringLiteral("gruppoMovimenti"));
    movimenti_ = new LedgerEditor(form_.Ledger());
    auto* box = new QVBoxLayout(group);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(movimenti_);
    // The list and the statement share the window's height, the statement
    // taking the larger part.
    column.insertWidget(column.indexOf(regime_), group, 1);
    group->hide();
    gruppoMovimenti_ = group;
    connect(mostraMovimenti_, &QPushButton::toggled, this, [this](bool on) {
        form_.AskForList(on);
        ShowChoices();
        MakeRoom();
    });

    // The list's controls, in their own order, after "Calcola" and before the
    // statement: a revaluation's lines, then the table.
    std::vector<QWidget*> inside;
    for (QWidget* next = movimenti_->nextInFocusChain(); movimenti_->isAncestorOf(next);
         next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            inside.push_back(next);
    QWidget* before = calcola_;
    for (QWidget* next : inside) {
        setTabOrder(before, next);
        before = next;
    }
    setTabOrder(before, righeRivalutazione_);
    setTabOrder(righeRivalutazione_, prospetto_);

    connect(movimenti_, &LedgerEditor::Changed, this, &RatesInForceWindow::LedgerChanged);
    const auto fill = [this](const FirstCredit& first) {
        dal_->SetText(QString::fromStdString(first.date));
        capitale_->setText(QString::fromStdString(first.amount));
        // Calculated as typed: a field nobody has touched yet, "Al", says no fault.
        ShowCalculation();
    };
    const auto fields = [this] { return form_.Fields(); };
    const auto focus = [this](SaveRefusal::Where where) { FocusRefused(where); };
    const auto offered = [this] { return form_.OffersMovements(); };
    files_ = new LedgerFiles(*this, *movimenti_, runtime_, tables_.Settings(), {fields, fill, focus, offered});
    connect(files_, &LedgerFiles::Opened, this, &RatesInForceWindow::LedgerOpened);
}

void RatesInForceWindow::LedgerChanged()
{
    form_.MovementsChanged();
    // The list stays in view once it has held a movement.
    if (form_.ShowsLedger())
        form_.AskForList(true);
    ShowCalculation();
}

void RatesInForceWindow::LedgerOpened()
{
    // A ledger opened shows its list.
    form_.AskForList(true);
    ShowCalculation();
}

void RatesInForceWindow::FocusRefused(SaveRefusal::Where where)
{
    if (where == SaveRefusal::Where::Capital)
        capitale_->setFocus();
    else if (where == SaveRefusal::Where::Start)
        dal_->setFocus();
}

} // namespace tarvel
