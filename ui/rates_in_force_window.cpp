#include "ui/rates_in_force_window.h"

#include "print/ledger_report.h"
#include "print/rates_report.h"
#include "ui/controls.h"
#include "ui/desktop_window.h"
#include "ui/ledger_editor.h"
#include "ui/ledger_files.h"
#include "ui/masked_edit.h"
#include "ui/modulo1.h"
#include "ui/pictures.h"
#include "ui/rate_tables_in_use.h"
#include "ui/statement_model.h"
#include "ui/twips.h"
#include "ui/window_copy.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace tarvel {
namespace {

// The title of the open dialog of "Carica tabella…".
constexpr char kLoadTableTitle[] = "Carica una tabella dei tassi";

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The totals in pairs of a caption and a value, this many pairs a line.
constexpr int kTotalsPerLine = 3;

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
    // Ten rows of the statement in view where the screen has room; on a
    // small screen CentraForm shrinks the window, down to three rows that scroll.
    // As wide as a ledger's columns where the screen has room.
    resize(sizeHint().expandedTo({1000, 0}));
    prospetto_->setMinimumHeight(StatementRowsHeight(3));
    Modulo1::CentraForm(*this, runtime_);
    dal_->setFocus();
}

RatesInForceWindow::~RatesInForceWindow()
{
    // The focus leaving a field as the window goes says nothing any more.
    for (const Input& input : inputs_)
        disconnect(input.field, nullptr, this, nullptr);
    // The list of movements reads the form, a member: it goes while the form
    // is there, not when the widgets are hidden after the members are gone.
    delete gruppoMovimenti_;
}

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

bool RatesInForceWindow::Fill(const TypedCalculation& typed)
{
    if (!files_->MayLeave())
        return false;
    form_.Fill(typed);
    // The fields say what the form holds; their echo into it changes nothing.
    dal_->SetText(Q(form_.Typed(InputField::Start)));
    al_->SetText(Q(form_.Typed(InputField::End)));
    capitale_->setText(Q(form_.Typed(InputField::Capital)));
    regimes_->button(int(Regime::Legal))->setChecked(true);
    movimenti_->ShowRows();
    Calcola_Click();
    return true;
}

void RatesInForceWindow::closeEvent(QCloseEvent* event)
{
    if (!files_->MayLeave())
        return event->ignore();
    QWidget::closeEvent(event);
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
    if (movimenti_) // once the window is built
        movimenti_->ShowFaults();
    ShowStatement();
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
    const bool shown = form_.HasStatement();
    copia_->setEnabled(shown);
    stampa_->setEnabled(shown);
    regime_->setText(Q(form_.RegimeLine()));
    regime_->setVisible(!regime_->text().isEmpty());
    model_->Show(form_.Rows());
    arrotondamento_->setText(Q(form_.RoundingNote()));
    arrotondamento_->setVisible(!arrotondamento_->text().isEmpty());
    ShowTotals();
    durata_->setText(Q(form_.Duration()));
    note_->setText(Q(form_.Notes()));
    note_->setVisible(!note_->text().isEmpty());
}

void RatesInForceWindow::ShowTotals()
{
    const std::vector<TotalText> totals = form_.Totals();
    std::vector<std::string> captions;
    for (const TotalText& total : totals)
        captions.push_back(total.caption);
    if (captions != totalCaptions_) {
        // Other totals: the grid anew, each value read out by its caption.
        while (QLayoutItem* item = totali_->takeAt(0)) {
            if (item->widget() != durata_)
                delete item->widget();
            delete item;
        }
        totalValues_.clear();
        QFont bold = font();
        bold.setBold(true);
        const auto place = [this](int at, QLabel* caption, QLabel* value) {
            caption->setBuddy(value);
            totali_->addWidget(caption, at / kTotalsPerLine, 2 * (at % kTotalsPerLine));
            totali_->addWidget(value, at / kTotalsPerLine, 2 * (at % kTotalsPerLine) + 1);
        };
        for (std::size_t i = 0; i < totals.size(); ++i) {
            auto* value = new QLabel;
            value->setObjectName(QStringLiteral("totale%1").arg(i + 1));
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setAccessibleName(Q(totals[i].caption));
            value->setFont(bold);
            place(int(i), new QLabel(Q(totals[i].caption)), value);
            totalValues_.push_back(value);
        }
        place(int(totals.size()), new QLabel(QStringLiteral("Durata")), durata_);
        totali_->setColumnStretch(2 * kTotalsPerLine - 1, 1);
        totalCaptions_ = std::move(captions);
    }
    for (std::size_t i = 0; i < totals.size(); ++i)
        totalValues_[i]->setText(Q(totals[i].amount));
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
    if (form_.HasStatement())
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
    if (form_.TakePage())
        printing_.Open();
}

void RatesInForceWindow::PrintPage(EasyPrint& engine)
{
    const StatementPage& page = *form_.Page();
    if (const auto* ledger = std::get_if<Ledger>(&page))
        PrintLedgerReport(engine, MakeLedgerReportTexts(*ledger, LocalToday()));
    else
        PrintRatesReport(engine, MakeRatesReportTexts(std::get<Statement>(page), LocalToday()));
}

} // namespace tarvel
