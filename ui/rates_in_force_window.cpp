#include "ui/rates_in_force_window.h"

#include "print/rates_report.h"
#include "ui/controls.h"
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
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {
namespace {

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
          *this, runtime, printers,
          [this](EasyPrint& engine) { PrintRatesReport(engine, MakeRatesReportTexts(*form_.Page(), LocalToday())); },
          [this] { activateWindow(); })
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

    ChooseRegime(int(Regime::Legal));
    ShowTables();
    ShowStatement();
    connect(&tables_, &RateTablesInUse::Changed, this, &RatesInForceWindow::TablesChanged);
    new WindowCopy(*this, [this] { Copia_Click(); });
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
    resize(sizeHint().expandedTo({720, 0}));
    Modulo1::CentraForm(*this, runtime_);
    dal_->setFocus();
}

RatesInForceWindow::~RatesInForceWindow() = default;

void RatesInForceWindow::ChooseRegime(int id)
{
    form_.Choose(Regime(id));
    rigaDomanda_->setVisible(form_.Shows(InputField::ClaimDate));
    rigaMaggiorazione_->setVisible(form_.Shows(InputField::Margin));
    if (movimenti_)
        LedgerChanged();
    // Without a statement, the caption of the interest names the choice.
    if (!form_.Shown())
        ShowStatement();
}

void RatesInForceWindow::TablesChanged()
{
    for (RateKind kind : kRateKinds)
        form_.UseTable(kind, tables_.Table(kind));
    ShowTables();
    // A statement shown follows the table now in use.
    if (form_.Shown())
        Calcola_Click();
}

void RatesInForceWindow::Fill(const TypedCalculation& typed)
{
    dal_->SetText(Q(typed.start));
    al_->SetText(Q(typed.end));
    capitale_->setText(Q(typed.capital));
    regimes_->button(int(Regime::Legal))->setChecked(true);
    Calcola_Click();
}

void RatesInForceWindow::ReadFields()
{
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const QLineEdit* field = inputs_[i].field;
        const auto* date = qobject_cast<const MaskedEdit*>(field);
        form_.Type(InputField(i), (date ? date->Text() : field->text()).toStdString());
    }
}

void RatesInForceWindow::Calcola_Click()
{
    ReadFields();
    form_.Calculate();
    ShowFaults();
    ShowStatement();
    ShowLedger();
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
    if (const auto first = form_.FirstFault())
        inputs_[std::size_t(*first)].field->setFocus();
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
        const StatementRow& row = statement.rows[std::size_t(i)];
        periodi_->setItem(i, kFirstDay, Cell(row.firstDay, Qt::AlignLeft));
        periodi_->setItem(i, kLastDay, Cell(row.lastDay, Qt::AlignLeft));
        periodi_->setItem(i, kDays, Cell(std::to_string(row.days), Qt::AlignRight));
        periodi_->setItem(i, kRate, Cell(row.rate, Qt::AlignRight));
        periodi_->setItem(i, kInterest, Cell(row.interestText, Qt::AlignRight));
        periodi_->setItem(i, kAct, Cell(row.act, Qt::AlignLeft));
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
    }
}

void RatesInForceWindow::TabellaIncorporata_Click(RateKind kind) { tables_.UseBuiltIn(kind); }

void RatesInForceWindow::Stampa_Click()
{
    // The page of the statement shown now: a calculation made while the
    // printer window is open (from the main window) does not change it.
    if (form_.TakePage())
        printing_.Open();
}

} // namespace tarvel
