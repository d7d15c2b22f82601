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

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvel {
namespace {

// The titles of the open dialogs of "Carica tabella…" and "Carica indici…".
constexpr char kLoadTableTitle[] = "Carica una tabella dei tassi";
constexpr char kLoadIndexTitle[] = "Carica una tabella degli indici";

// Where the open dialog starts: the folder of the file in use, else the home folder.
std::string FolderOf(const std::string& file)
{
    return (file.empty() ? QDir::homePath() : QFileInfo(QString::fromStdString(file)).absolutePath()).toStdString();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The totals in pairs of a caption and a value, this many pairs a line.
constexpr int kTotalsPerLine = 3;

// The lines of a revaluation in view at once; more scroll.
constexpr int kRevaluationLinesInView = 5;

} // namespace

RatesInForceWindow::RatesInForceWindow(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(runtime), tables_(tables),
      form_(tables.Table(RateKind::Legal), tables.Table(RateKind::Reference), tables.Index()),
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
    ShowChoices();
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
    ShowCalculation();
}

void RatesInForceWindow::ShowChoices()
{
    // The regime charged stands chosen: the legal one while a revaluation is
    // asked, the one chosen again after it.
    {
        const QSignalBlocker quiet(regimes_);
        regimes_->button(int(form_.Charged()))->setChecked(true);
    }
    for (QAbstractButton* regime : regimes_->buttons())
        regime->setEnabled(form_.Offers(Regime(regimes_->id(regime))));
    {
        const QSignalBlocker quiet(rivalutazione_);
        rivalutazione_->setChecked(form_.Revalues());
    }
    rivalutazione_->setEnabled(form_.OffersRevaluation());
    rigaModi_->setVisible(form_.Revalues());
    percentuale_->setEnabled(form_.Shows(InputField::Percentage));
    {
        const QSignalBlocker quiet(capitalizzazione_);
        capitalizzazione_->setChecked(form_.Compounds());
    }
    capitalizzazione_->setEnabled(form_.OffersCompounding());
    rigaCapitalizzazione_->setVisible(form_.Compounds());
    rigaDomanda_->setVisible(form_.Shows(InputField::ClaimDate));
    rigaMaggiorazione_->setVisible(form_.Shows(InputField::Margin));
    rigaTasso_->setVisible(form_.Shows(InputField::ContractRate));
    // The list of movements, or the options and the contract's rate that exclude it.
    mostraMovimenti_->setEnabled(form_.OffersMovements());
    const bool list = form_.ListShown();
    {
        const QSignalBlocker quiet(mostraMovimenti_);
        mostraMovimenti_->setChecked(list);
    }
    if (gruppoMovimenti_)
        gruppoMovimenti_->setVisible(list);
    // While the list is shown, its room: the window stays inside a small screen.
    rigaOpzioni_->setVisible(!list);
    if (movimenti_)
        movimenti_->ShowRegime(form_.Charged());
}

void RatesInForceWindow::TablesChanged()
{
    form_.UseTables(tables_.Table(RateKind::Legal), tables_.Table(RateKind::Reference), tables_.Index());
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
    ShowChoices();
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
    // The group's own grid first: a line of it shown or hidden changes its height.
    calcolo_->activate();
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
    ShowRevaluationLines();
    model_->Show(form_.Rows());
    arrotondamento_->setText(Q(form_.RoundingNote()));
    arrotondamento_->setVisible(!arrotondamento_->text().isEmpty());
    ShowTotals();
    durata_->setText(Q(form_.Duration()));
    if (durataCaption_)
        durataCaption_->setVisible(!durata_->text().isEmpty());
    note_->setText(Q(form_.Notes()));
    note_->setVisible(!note_->text().isEmpty());
}

void RatesInForceWindow::ShowRevaluationLines()
{
    QStringList lines;
    for (const std::string& line : form_.RevaluationLines())
        lines << Q(line);
    const QString text = lines.join(QLatin1Char('\n'));
    if (righeRivalutazione_->toPlainText() != text)
        righeRivalutazione_->setPlainText(text);
    // Over the table, at most a few lines in view, so that the table keeps
    // its rows on a small screen; without one, every line and the table's room.
    const bool table = form_.ShowsTable();
    prospetto_->setVisible(table);
    const int inView = table ? std::min<int>(int(lines.size()), kRevaluationLinesInView) : int(lines.size());
    const QMargins margins = righeRivalutazione_->contentsMargins();
    const int height = righeRivalutazione_->fontMetrics().lineSpacing() * inView
                       + int(2 * righeRivalutazione_->document()->documentMargin()) + margins.top() + margins.bottom();
    righeRivalutazione_->setMinimumHeight(height);
    righeRivalutazione_->setMaximumHeight(table ? height : QWIDGETSIZE_MAX);
    righeRivalutazione_->setSizePolicy(QSizePolicy::Expanding, table ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    righeRivalutazione_->setVerticalScrollBarPolicy(int(lines.size()) > inView ? Qt::ScrollBarAlwaysOn
                                                                               : Qt::ScrollBarAlwaysOff);
    righeRivalutazione_->setVisible(!lines.isEmpty() || !table);
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
        durataCaption_ = new QLabel(QStringLiteral("Durata"));
        place(int(totals.size()), durataCaption_, durata_);
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
    indici_.name->setText(Q(tables_.Index().description()));
    const auto fault = tables_.IndexFault();
    indici_.builtIn->setEnabled(!tables_.IndexBuiltIn() || fault);
    indici_.fault->setText(fault ? Q(TableFaultAtStart(*fault)) : QString());
    indici_.fault->setVisible(bool(fault));
    MakeRoom();
}

void RatesInForceWindow::Copia_Click()
{
    if (form_.HasStatement())
        QGuiApplication::clipboard()->setText(Q(form_.Copied()));
}

void RatesInForceWindow::CaricaTabella_Click(RateKind kind)
{
    const auto file = runtime_.AskOpenFileName(kLoadTableTitle, FolderOf(tables_.Table(kind).file()));
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

void RatesInForceWindow::CaricaIndici_Click()
{
    const auto file = runtime_.AskOpenFileName(kLoadIndexTitle, FolderOf(tables_.Index().file()));
    activateWindow();
    if (!file)
        return;
    if (const auto fault = tables_.LoadIndexFile(*file)) {
        indici_.fault->setText(Q(TableFaultRefused(*fault)));
        indici_.fault->show();
        MakeRoom();
    }
}

void RatesInForceWindow::IndiciIncorporati_Click() { tables_.UseBuiltInIndex(); }

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
