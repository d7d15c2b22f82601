#include "ui/rates_in_force_window.h"

#include "print/ledger_report.h"
#include "print/rates_report.h"
#include "ui/controls.h"
#include "ui/desktop_window.h"
#include "ui/ledger_editor.h"
#include "ui/masked_edit.h"
#include "ui/modulo1.h"
#include "ui/pictures.h"
#include "ui/rate_tables_in_use.h"
#include "ui/twips.h"
#include "ui/window_copy.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {
namespace {

// The title of the open dialog of "Carica tabella…".
constexpr char kLoadTableTitle[] = "Carica una tabella dei tassi";

QString Q(const std::string& text) { return QString::fromStdString(text); }

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(Q(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

RatesInForceWindow::RatesInForceWindow(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(runtime), tables_(tables),
      form_(tables.Table(RateKind::Legal), tables.Table(RateKind::Reference)),
      printing_(
          *this, runtime, printers, [this](EasyPrint& engine) { PrintPage(engine); }, [this] { activateWindow(); })
{
    setObjectName(QStringLiteral("RatesInForceWindow"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());

    auto* column = new QVBoxLayout(this);
    BuildInputs(*column);
    BuildResults(*column);
    BuildTables(*column);
    BuildCommands(*column);
    SetTabOrder();
    BuildLedger(*column);

    // Nothing is said of the fields before anything is typed.
    ShowChoice();
    ShowTables();
    ShowStatement();
    connect(&tables_, &RateTablesInUse::Changed, this, &RatesInForceWindow::TablesChanged);
    new WindowCopy(*this, [this] { Copia_Click(); });
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
    // Ten rows of periods in view where the screen has room; on a small
    // screen CentraForm shrinks the window, down to four rows that scroll.
    resize(sizeHint().expandedTo({720, 0}));
    periodi_->setMinimumHeight(PeriodRowsHeight(4));
    Modulo1::CentraForm(*this, runtime_);
    dal_->setFocus();
}

RatesInForceWindow::~RatesInForceWindow() = default;

void RatesInForceWindow::ChooseRegime(int id)
{
    form_.Choose(Regime(id));
    ShowChoice();
    ShowCalculation();
}

void RatesInForceWindow::ShowChoice()
{
    rigaDomanda_->setVisible(form_.Shows(InputField::ClaimDate));
    rigaMaggiorazione_->setVisible(form_.Shows(InputField::Margin));
    if (movimenti_)
        movimenti_->ShowRegime(form_.Chosen());
    MakeRoom();
}

void RatesInForceWindow::TablesChanged()
{
    form_.UseTables(tables_.Table(RateKind::Legal), tables_.Table(RateKind::Reference));
    ShowTables();
    ShowCalculation();
}

void RatesInForceWindow::OpenForTyping()
{
    BringForward(*this);
    dal_->FocusForTyping();
    dal_->selectAll();
}

void RatesInForceWindow::Edited(InputField which)
{
    const QLineEdit* field = inputs_[std::size_t(which)].field;
    const auto* date = qobject_cast<const MaskedEdit*>(field);
    form_.Type(which, (date ? date->Text() : field->text()).toStdString());
    ShowCalculation();
}

void RatesInForceWindow::Fill(const TypedCalculation& typed)
{
    dal_->SetText(Q(typed.start));
    al_->SetText(Q(typed.end));
    capitale_->setText(Q(typed.capital));
    regimes_->button(int(Regime::Legal))->setChecked(true);
    Calcola_Click();
}

void RatesInForceWindow::Calcola_Click()
{
    form_.Calculate();
    ShowCalculation();
    // Typing never moves the focus; "Calcola" and Enter take it to the fault.
    if (const auto first = form_.FirstFault())
        inputs_[std::size_t(*first)].field->setFocus();
}

void RatesInForceWindow::ShowCalculation()
{
    ShowFaults();
    ShowStatement();
    ShowLedger();
    MakeRoom();
}

void RatesInForceWindow::MakeRoom()
{
    if (!isVisible())
        return;
    // The layout's minimum knows nothing of wrapped lines: a reason of
    // several lines would be cut, or drawn over the table, at the window's
    // height. The window grows for it; the screen may shrink it back, the
    // table of periods giving up its rows.
    QLayout* column = layout();
    column->activate();
    const int needed = column->totalHeightForWidth(width());
    if (needed > height()) {
        resize(width(), needed);
        Modulo1::KeepInside(*this, runtime_);
    }
}

void RatesInForceWindow::ShowFaults()
{
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const Input& input = inputs_[i];
        const std::string& fault = form_.FaultOf(InputField(i));
        input.fault->setText(Q(fault));
        input.fault->setVisible(!fault.empty());
        // Read out with the field, for whoever does not see the red text.
        input.field->setAccessibleDescription(input.fault->text());
    }
}

void RatesInForceWindow::ShowStatement()
{
    const auto& statement = form_.Shown();
    copia_->setEnabled(statement.has_value());
    stampa_->setEnabled(statement.has_value());
    didascaliaInteressi_->setText(Q(form_.InterestCaption()));
    interessi_->setAccessibleName(didascaliaInteressi_->text());
    regime_->setText(Q(form_.RegimeLine()));
    regime_->setVisible(!regime_->text().isEmpty());
    interessi_->setText(statement ? Q(statement->interest) : QString());
    somma_->setText(statement ? Q(statement->sum) : QString());
    durata_->setText(Q(form_.Duration()));
    note_->setText(Q(form_.Notes()));
    note_->setVisible(!note_->text().isEmpty());
    periodi_->setRowCount(0);
    if (statement)
        ShowRows(*statement);
}

void RatesInForceWindow::ShowRows(const Statement& statement)
{
    periodi_->setRowCount(int(statement.rows.size()));
    for (int i = 0; i < int(statement.rows.size()); ++i) {
        const StatementLine& row = statement.rows[std::size_t(i)];
        using enum StatementColumn;
        periodi_->setItem(i, kFirstDay, Cell(StatementCell(row, Day), Qt::AlignLeft));
        periodi_->setItem(i, kLastDay, Cell(StatementCell(row, LastDay), Qt::AlignLeft));
        periodi_->setItem(i, kDays, Cell(StatementCell(row, Days), Qt::AlignRight));
        periodi_->setItem(i, kRate, Cell(StatementCell(row, Rate), Qt::AlignRight));
        periodi_->setItem(i, kInterest, Cell(StatementCell(row, Interest), Qt::AlignRight));
        periodi_->setItem(i, kAct, Cell(StatementCell(row, Act), Qt::AlignLeft));
    }
    for (int column = 0; column < kAct; ++column)
        periodi_->resizeColumnToContents(column);
}

void RatesInForceWindow::ShowTables()
{
    for (RateKind kind : kRateKinds) {
        TableLine& line = tableLines_[kind];
        line.name->setText(Q(tables_.Table(kind).description()));
        const auto fault = tables_.Fault(kind);
        line.builtIn->setEnabled(!tables_.BuiltIn(kind) || fault);
        line.fault->setText(fault ? Q(TableFaultAtStart(*fault)) : QString());
        line.fault->setVisible(bool(fault));
    }
    MakeRoom();
}

void RatesInForceWindow::Copia_Click()
{
    if (CopyLedger())
        return;
    if (form_.Shown())
        QGuiApplication::clipboard()->setText(Q(form_.Copied()));
}

void RatesInForceWindow::CaricaTabella_Click(RateKind kind)
{
    const RateTable& inUse = tables_.Table(kind);
    const QString folder = inUse.file().empty() ? QDir::homePath() : QFileInfo(Q(inUse.file())).absolutePath();
    const auto file = runtime_.AskOpenFileName(kLoadTableTitle, folder.toStdString());
    activateWindow();
    if (!file)
        return;
    if (const auto fault = tables_.LoadFile(kind, *file)) {
        tableLines_[kind].fault->setText(Q(TableFaultRefused(*fault)));
        tableLines_[kind].fault->show();
        MakeRoom();
    }
}

void RatesInForceWindow::TabellaIncorporata_Click(RateKind kind) { tables_.UseBuiltIn(kind); }

void RatesInForceWindow::Stampa_Click()
{
    // The page of the statement shown now: a calculation made while the
    // printer window is open (from the main window) does not change it.
    ledgerPrinted_ = !estratto_->isHidden();
    if (ledgerPrinted_ ? movimenti_->Form().TakePage() : form_.TakePage())
        printing_.Open();
}

void RatesInForceWindow::PrintPage(EasyPrint& engine)
{
    if (ledgerPrinted_)
        PrintLedgerReport(engine, MakeLedgerReportTexts(*movimenti_->Form().Page(), LocalToday()));
    else
        PrintRatesReport(engine, MakeRatesReportTexts(*form_.Page(), LocalToday()));
}

} // namespace tarvel
