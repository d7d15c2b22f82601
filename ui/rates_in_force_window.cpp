#include "ui/rates_in_force_window.h"

#include "print/rates_report.h"
#include "print/report.h"
#include "ui/colours.h"
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
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {
namespace {

// Where the note points a desktop user who has a newer decree.
constexpr char kNewerActHow[] =
    "se è uscito un atto più recente, caricare con «Carica tabella…» una tabella che lo contenga";

// The columns of the period rows.
enum Column { kFirstDay, kLastDay, kDays, kRate, kInterest, kAct, kColumns };
constexpr const char* kColumnHeads[kColumns] = {"dal", "al", "giorni", "tasso", "interessi", "atto"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* caption = new QLabel(text);
    caption->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return caption;
}

// A text that says what went wrong: red, readable on the window's background.
QLabel* FaultLabel(const char* name)
{
    auto* label = Named(new QLabel, name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetForeColor(label, ReadableOn(QColor(0xc0, 0, 0), SystemColour(QPalette::Window)));
    label->hide();
    return label;
}

QPushButton* Button(const char* name, const QString& caption, const char* picture = nullptr)
{
    auto* button = Named(new QPushButton(caption), name);
    if (picture)
        button->setIcon(PictureIcon(QString::fromLatin1(picture), {16, 16}));
    // Enter presses the button with the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

MaskedEdit* DateField(const char* name)
{
    auto* field = Named(new MaskedEdit, name);
    field->SetMask(QString::fromLatin1(kDateMask));
    return field;
}

// A date field's text for the calculation: as it stands, or nothing when
// nothing is typed in it.
std::string DateTyped(const MaskedEdit* field)
{
    const QString text = field->Text();
    for (const QChar c : text)
        if (c.isDigit())
            return text.toStdString();
    return {};
}

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(Q(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

RatesInForceWindow::RatesInForceWindow(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(runtime), printers_(printers), tables_(tables)
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

    ChooseRegime();
    ShowTables();
    ShowStatement();
    connect(&tables_, &RateTablesInUse::Changed, this, [this] {
        ShowTables();
        // A statement shown follows the table now in use.
        if (statement_)
            Calcola_Click();
    });
    new WindowCopy(*this, [this] { Copia_Click(); });
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
    resize(sizeHint().expandedTo({720, 0}));
    Modulo1::CentraForm(*this, runtime_);
    dal->setFocus();
}

RatesInForceWindow::~RatesInForceWindow() { delete printer_.data(); }

RatesInForceWindow::Input& RatesInForceWindow::InputOf(InputField field) { return inputs_[int(field)]; }

void RatesInForceWindow::BuildInputs(QVBoxLayout& column)
{
    // The capital and the span on the left, what to charge on the right.
    auto* group = new QGroupBox(QStringLiteral("Calcolo"));
    auto* fields = new QGridLayout;
    fields->setColumnStretch(2, 1);
    const auto addField = [&](InputField which, const QString& caption, QLineEdit* field, const char* faultName,
                              QGridLayout* into, int at) {
        InputOf(which) = {field, FaultLabel(faultName)};
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00 / 00000")) + 16);
        into->addWidget(Caption(caption, field), at, 0);
        into->addWidget(field, at, 1);
        into->addWidget(InputOf(which).fault, at, 2);
        connect(field, &QLineEdit::returnPressed, this, &RatesInForceWindow::Calcola_Click);
    };

    dal = DateField("dal");
    al = DateField("al");
    capitale = Named(new TextBox(group), "capitale");
    capitale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As in the main window, a full stop typed is the decimal comma.
    const auto decimalComma = [](int& keyAscii) {
        if (keyAscii == '.')
            keyAscii = ',';
    };
    connect(capitale, &TextBox::KeyPress, this, decimalComma);
    addField(InputField::Start, QStringLiteral("Dal"), dal, "erroreDal", fields, 0);
    addField(InputField::End, QStringLiteral("Al"), al, "erroreAl", fields, 1);
    addField(InputField::Capital, QStringLiteral("Capitale"), capitale, "erroreCapitale", fields, 2);
    fields->setRowStretch(3, 1);

    // The claim date and the margin, each on a line of its own under its
    // choice, shown with it.
    const auto subLine = [&](const char* name, InputField which, const QString& caption, QLineEdit* field,
                             const char* faultName) {
        auto* line = Named(new QWidget, name);
        auto* lineGrid = new QGridLayout(line);
        lineGrid->setContentsMargins(24, 0, 0, 0);
        lineGrid->setColumnStretch(2, 1);
        addField(which, caption, field, faultName, lineGrid, 0);
        return line;
    };
    domanda = DateField("domanda");
    maggiorazione = Named(new TextBox(group), "maggiorazione");
    maggiorazione->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    maggiorazione->setText(Q(RateText(kDefaultMarginHundredths)));
    connect(maggiorazione, &TextBox::KeyPress, this, decimalComma);
    rigaDomanda =
        subLine("rigaDomanda", InputField::ClaimDate, QStringLiteral("Domanda del"), domanda, "erroreDomanda");
    rigaMaggiorazione = subLine("rigaMaggiorazione", InputField::Margin, QStringLiteral("Maggiorazione, punti"),
                                maggiorazione, "erroreMaggiorazione");

    // Each choice, with the line of its own field under it.
    const struct {
        Regime regime;
        const char* name;
        const char* caption;
        const char* tip;
        QWidget* line;
    } choices[] = {
        {Regime::Legal, "regimeLegale", "Interessi legali", nullptr, nullptr},
        {Regime::LegalWithClaim, "regimeDomanda", "Interessi legali, di mora dalla domanda giudiziale",
         "Art. 1284, 4° comma c.c.: dal giorno della domanda giudiziale, il tasso di riferimento del semestre più 8 "
         "punti",
         rigaDomanda},
        {Regime::LatePayment, "regimeMora", "Interessi di mora (D.Lgs. 231/2002)",
         "Transazioni commerciali: il tasso di riferimento del semestre più la maggiorazione", rigaMaggiorazione},
    };
    regimes_ = new QButtonGroup(this);
    auto* choicesColumn = new QVBoxLayout;
    for (const auto& choice : choices) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(choice.caption)), choice.name);
        if (choice.tip)
            button->setToolTip(QString::fromUtf8(choice.tip));
        regimes_->addButton(button, int(choice.regime));
        choicesColumn->addWidget(button);
        if (choice.line)
            choicesColumn->addWidget(choice.line);
    }
    choicesColumn->addStretch(1);
    regimes_->button(int(Regime::Legal))->setChecked(true);
    connect(regimes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ChooseRegime();
    });

    auto* calcola = Button("calcola", QStringLiteral("Calcola"), "calcola");
    connect(calcola, &QPushButton::clicked, this, &RatesInForceWindow::Calcola_Click);
    auto* grid = new QGridLayout(group);
    grid->addLayout(fields, 0, 0);
    grid->addLayout(choicesColumn, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(calcola, 1, 1, Qt::AlignRight);
    column.addWidget(group);
}

void RatesInForceWindow::BuildResults(QVBoxLayout& column)
{
    regime = Named(new QLabel, "regime");
    regime->setWordWrap(true);
    column.addWidget(regime);

    periodi = Named(new QTableWidget(0, kColumns), "periodi");
    periodi->setAccessibleName(QStringLiteral("Periodi"));
    QStringList heads;
    for (const char* head : kColumnHeads)
        heads << QString::fromLatin1(head);
    periodi->setHorizontalHeaderLabels(heads);
    periodi->verticalHeader()->hide();
    periodi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodi->setSelectionBehavior(QAbstractItemView::SelectRows);
    periodi->setTabKeyNavigation(false);
    periodi->horizontalHeader()->setStretchLastSection(true);
    periodi->verticalHeader()->setDefaultSectionSize(periodi->fontMetrics().height() + 6);
    // Ten rows in view; a longer span scrolls.
    periodi->setMinimumHeight(periodi->verticalHeader()->defaultSectionSize() * 10
                              + periodi->horizontalHeader()->sizeHint().height() + 4);
    // A taller window shows more rows.
    column.addWidget(periodi, 1);

    auto* totals = new QGridLayout;
    const auto total = [&](int row, const char* name, QLabel* caption) {
        auto* value = Named(new QLabel, name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);
        totals->addWidget(caption, row, 0);
        totals->addWidget(value, row, 1);
        return value;
    };
    didascaliaInteressi = Named(new QLabel, "didascaliaInteressi");
    interessi = total(0, "interessi", didascaliaInteressi);
    somma = total(1, "somma", new QLabel(QStringLiteral("Somma")));
    durata = total(2, "durata", new QLabel(QStringLiteral("Durata")));
    QFont bold = interessi->font();
    bold.setBold(true);
    for (QLabel* value : {interessi, somma})
        value->setFont(bold);
    totals->setColumnStretch(1, 1);
    column.addLayout(totals);

    note = Named(new QLabel, "note");
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column.addWidget(note);
}

void RatesInForceWindow::BuildTables(QVBoxLayout& column)
{
    auto* group = new QGroupBox(QStringLiteral("Tabelle dei tassi"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    const auto line = [&](int row, RateKind kind, const QString& caption, const char* nameName, const char* loadName,
                          const char* builtInName, const char* faultName) {
        TableLine& table = kind == RateKind::Legal ? tassiLegali_ : tassiRiferimento_;
        table.name = Named(new QLabel, nameName);
        table.name->setWordWrap(true);
        table.name->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* load = Button(loadName, QStringLiteral("Carica tabella…"));
        table.builtIn = Button(builtInName, QStringLiteral("Tabella incorporata"));
        table.fault = FaultLabel(faultName);
        load->setAccessibleName(QStringLiteral("Carica tabella: ") + caption);
        table.builtIn->setAccessibleName(QStringLiteral("Tabella incorporata: ") + caption);
        auto* label = new QLabel(caption);
        label->setBuddy(load);
        grid->addWidget(label, row, 0);
        grid->addWidget(table.name, row, 1);
        grid->addWidget(load, row, 2);
        grid->addWidget(table.builtIn, row, 3);
        grid->addWidget(table.fault, row + 1, 0, 1, 4);
        connect(load, &QPushButton::clicked, this, [this, kind] { CaricaTabella_Click(kind); });
        connect(table.builtIn, &QPushButton::clicked, this, [this, kind] { TabellaIncorporata_Click(kind); });
    };
    line(0, RateKind::Legal, QStringLiteral("Tassi legali"), "tassiLegali", "caricaTassiLegali",
         "incorporataTassiLegali", "erroreTassiLegali");
    line(2, RateKind::Reference, QStringLiteral("Tassi di riferimento (mora)"), "tassiRiferimento",
         "caricaTassiRiferimento", "incorporataTassiRiferimento", "erroreTassiRiferimento");
    column.addWidget(group);
}

void RatesInForceWindow::BuildCommands(QVBoxLayout& column)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    copia = Button("copia", QStringLiteral("Copia"));
    stampa = Button("stampa", QStringLiteral("Stampa"), "stampa");
    auto* chiudi = Button("chiudi", QStringLiteral("Chiudi"));
    for (QPushButton* button : {copia, stampa, chiudi})
        row->addWidget(button);
    connect(copia, &QPushButton::clicked, this, &RatesInForceWindow::Copia_Click);
    connect(stampa, &QPushButton::clicked, this, &RatesInForceWindow::Stampa_Click);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    column.addLayout(row);
}

void RatesInForceWindow::SetTabOrder()
{
    // Top to bottom, as the window reads.
    const char* order[] = {"dal",
                           "al",
                           "capitale",
                           "regimeLegale",
                           "regimeDomanda",
                           "domanda",
                           "regimeMora",
                           "maggiorazione",
                           "calcola",
                           "periodi",
                           "caricaTassiLegali",
                           "incorporataTassiLegali",
                           "caricaTassiRiferimento",
                           "incorporataTassiRiferimento",
                           "copia",
                           "stampa",
                           "chiudi"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(findChild<QWidget*>(order[i - 1]), findChild<QWidget*>(order[i]));
}

Regime RatesInForceWindow::ChosenRegime() const { return Regime(regimes_->checkedId()); }

void RatesInForceWindow::ChooseRegime()
{
    rigaDomanda->setVisible(ChosenRegime() == Regime::LegalWithClaim);
    rigaMaggiorazione->setVisible(ChosenRegime() == Regime::LatePayment);
    // Without a statement, the caption of the interest names the choice;
    // with one, the statement's regime until the next "Calcola".
    if (!statement_)
        ShowStatement();
}

void RatesInForceWindow::Fill(const TypedCalculation& typed)
{
    dal->SetText(Q(typed.start));
    al->SetText(Q(typed.end));
    capitale->setText(Q(typed.capital));
    regimes_->button(int(Regime::Legal))->setChecked(true);
    Calcola_Click();
}

void RatesInForceWindow::Calcola_Click()
{
    StatementRequest request;
    request.capital = capitale->text().toStdString();
    request.start = DateTyped(dal);
    request.end = DateTyped(al);
    request.regime = ChosenRegime();
    request.claimDate = DateTyped(domanda);
    request.margin = maggiorazione->text().trimmed().toStdString();
    request.legalRates = &tables_.Table(RateKind::Legal);
    request.referenceRates = &tables_.Table(RateKind::Reference);
    StatementOutcome outcome = MakeStatement(request);
    ShowFaults(outcome.faults);
    statement_ = std::move(outcome.statement);
    ShowStatement();
}

void RatesInForceWindow::ShowFaults(const std::vector<FieldFault>& faults)
{
    for (Input& input : inputs_) {
        QStringList reasons;
        for (const FieldFault& fault : faults)
            if (&InputOf(fault.field) == &input)
                reasons << Q(fault.reason);
        input.fault->setText(reasons.join(QStringLiteral("; ")));
        input.fault->setVisible(!reasons.isEmpty());
        // Read out with the field, for whoever does not see the red text.
        input.field->setAccessibleDescription(input.fault->text());
    }
    if (!faults.empty())
        InputOf(faults.front().field).field->setFocus();
}

void RatesInForceWindow::ShowStatement()
{
    const bool shown = statement_.has_value();
    copia->setEnabled(shown);
    stampa->setEnabled(shown);
    periodi->setRowCount(0);
    didascaliaInteressi->setText(Q(InterestCaption(shown ? statement_->regime : ChosenRegime())));
    interessi->setAccessibleName(didascaliaInteressi->text());
    if (!shown) {
        for (QLabel* label : {regime, interessi, somma, durata, note})
            label->clear();
        regime->hide();
        note->hide();
        return;
    }
    const Statement& s = *statement_;
    // The regime as a line of its own, as the copied text has it.
    QString regimeText = Q(s.regimeText);
    if (!regimeText.isEmpty())
        regimeText[0] = regimeText[0].toUpper();
    regime->setText(regimeText);
    regime->setVisible(!s.regimeText.empty());
    periodi->setRowCount(int(s.rows.size()));
    for (int i = 0; i < int(s.rows.size()); ++i) {
        const StatementRow& row = s.rows[std::size_t(i)];
        periodi->setItem(i, kFirstDay, Cell(row.firstDay, Qt::AlignLeft));
        periodi->setItem(i, kLastDay, Cell(row.lastDay, Qt::AlignLeft));
        periodi->setItem(i, kDays, Cell(std::to_string(row.days), Qt::AlignRight));
        periodi->setItem(i, kRate, Cell(row.rate, Qt::AlignRight));
        periodi->setItem(i, kInterest, Cell(row.interestText, Qt::AlignRight));
        periodi->setItem(i, kAct, Cell(row.act, Qt::AlignLeft));
    }
    for (int column = 0; column < kAct; ++column)
        periodi->resizeColumnToContents(column);
    interessi->setText(Q(s.interest));
    somma->setText(Q(s.sum));
    durata->setText(Q(YearsAndDaysText(s.years, s.days)));
    QStringList notes;
    for (const LaterDaysNote& later : s.notes)
        notes << QStringLiteral("Nota: ") + Q(later.what) + QStringLiteral("; ") + QString::fromUtf8(kNewerActHow)
                     + '.';
    note->setText(notes.join('\n'));
    note->setVisible(!notes.isEmpty());
}

void RatesInForceWindow::ShowTables()
{
    for (RateKind kind : {RateKind::Legal, RateKind::Reference}) {
        TableLine& line = kind == RateKind::Legal ? tassiLegali_ : tassiRiferimento_;
        const RateTable& table = tables_.Table(kind);
        line.name->setText(Q(table.description()));
        line.builtIn->setEnabled(!tables_.BuiltIn(kind) || tables_.Fault(kind));
        const auto fault = tables_.Fault(kind);
        line.fault->setText(fault ? Q(*fault) + QStringLiteral(": si usa la tabella incorporata.") : QString());
        line.fault->setVisible(bool(fault));
    }
}

void RatesInForceWindow::Copia_Click()
{
    if (statement_)
        QGuiApplication::clipboard()->setText(Q(StatementText(*statement_)));
}

void RatesInForceWindow::CaricaTabella_Click(RateKind kind)
{
    TableLine& line = kind == RateKind::Legal ? tassiLegali_ : tassiRiferimento_;
    const RateTable& inUse = tables_.Table(kind);
    const QString folder = inUse.file().empty() ? QDir::homePath() : QFileInfo(Q(inUse.file())).absolutePath();
    const auto file = runtime_.AskOpenFileName(kLoadTableTitle, folder.toStdString());
    activateWindow();
    if (!file)
        return;
    if (const auto fault = tables_.LoadFile(kind, *file)) {
        line.fault->setText(Q(*fault) + QStringLiteral(": resta in uso la tabella di prima."));
        line.fault->show();
    }
}

void RatesInForceWindow::TabellaIncorporata_Click(RateKind kind) { tables_.UseBuiltIn(kind); }

void RatesInForceWindow::Stampa_Click()
{
    if (!statement_)
        return;
    // The page of the statement shown now: a calculation made while the
    // printer window is open (from the main window) does not change it.
    page_ = MakeRatesReportTexts(*statement_, LocalToday());
    // One printer window at a time, window-modal over this one.
    if (!printer_ || !printer_->isVisible()) {
        printer_ = frmPrinter::Load(*this, runtime_, printers_, *this);
        connect(printer_, &QDialog::finished, this, [this] { activateWindow(); });
        printer_->open();
    }
    printer_->raise();
    printer_->activateWindow();
}

frmPrinter* RatesInForceWindow::PrinterWindow() const
{
    return printer_ && printer_->isVisible() ? printer_.data() : nullptr;
}

EasyPrint& RatesInForceWindow::Engine()
{
    if (!engine_)
        engine_ = std::make_unique<EasyPrint>(printers_, runtime_);
    return *engine_;
}

void RatesInForceWindow::Default_Value() { ::tarvel::Default_Value(Engine()); }

void RatesInForceWindow::PrintEsempio1() { PrintRatesReport(Engine(), page_); }

} // namespace tarvel
