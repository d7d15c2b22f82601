// The widgets of the window of the rates in force, laid out and connected.
#include "ui/rates_in_force_window.h"

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/masked_edit.h"
#include "ui/pictures.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {
namespace {

constexpr const char* kColumnHeads[] = {"dal", "al", "giorni", "tasso", "interessi", "atto"};

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

// As in the main window, a full stop typed into an amount is the decimal comma.
void DecimalComma(int& keyAscii)
{
    if (keyAscii == '.')
        keyAscii = ',';
}

// The choices of regime, in the window's order.
struct Choice {
    Regime regime;
    const char* name;
    const char* caption;
    const char* tip;
};
constexpr Choice kChoices[] = {
    {Regime::Legal, "regimeLegale", "Interessi legali", nullptr},
    {Regime::LegalWithClaim, "regimeDomanda", "Interessi legali, di mora dalla domanda giudiziale",
     "Art. 1284, 4° comma c.c.: dal giorno della domanda giudiziale, il tasso di riferimento del semestre più 8 "
     "punti"},
    {Regime::LatePayment, "regimeMora", "Interessi di mora (D.Lgs. 231/2002)",
     "Transazioni commerciali: il tasso di riferimento del semestre più la maggiorazione"},
};

} // namespace

void RatesInForceWindow::BuildInputs(QVBoxLayout& column)
{
    // The capital and the span on the left, what to charge on the right.
    auto* group = new QGroupBox(QStringLiteral("Calcolo"));
    auto* fields = new QGridLayout;
    BuildFields(*fields);
    auto* calcola = Button("calcola", QStringLiteral("Calcola"), "calcola");
    connect(calcola, &QPushButton::clicked, this, &RatesInForceWindow::Calcola_Click);
    auto* grid = new QGridLayout(group);
    grid->addLayout(fields, 0, 0);
    grid->addLayout(BuildChoices(), 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(calcola, 1, 1, Qt::AlignRight);
    column.addWidget(group);
}

void RatesInForceWindow::BuildFields(QGridLayout& fields)
{
    fields.setColumnStretch(2, 1);
    dal_ = DateField("dal");
    al_ = DateField("al");
    capitale_ = Named(new TextBox(nullptr), "capitale");
    AddField(InputField::Start, QStringLiteral("Dal"), dal_, "erroreDal", fields, 0);
    AddField(InputField::End, QStringLiteral("Al"), al_, "erroreAl", fields, 1);
    AddField(InputField::Capital, QStringLiteral("Capitale"), capitale_, "erroreCapitale", fields, 2);
    fields.setRowStretch(6, 1);

    // The claim date and the margin, each on a line of its own under its
    // choice, shown with it.
    domanda_ = DateField("domanda");
    maggiorazione_ = Named(new TextBox(nullptr), "maggiorazione");
    maggiorazione_->setText(Q(form_.Typed(InputField::Margin)));
    rigaDomanda_ =
        BuildSubLine("rigaDomanda", InputField::ClaimDate, QStringLiteral("Domanda del"), domanda_, "erroreDomanda");
    rigaMaggiorazione_ = BuildSubLine("rigaMaggiorazione", InputField::Margin, QStringLiteral("Maggiorazione, punti"),
                                      maggiorazione_, "erroreMaggiorazione");
    for (TextBox* amount : {capitale_, maggiorazione_}) {
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(amount, &TextBox::KeyPress, this, DecimalComma);
    }
}

QWidget* RatesInForceWindow::BuildSubLine(const char* name, InputField which, const QString& caption, QLineEdit* field,
                                          const char* faultName)
{
    auto* line = Named(new QWidget, name);
    auto* lineGrid = new QGridLayout(line);
    lineGrid->setContentsMargins(24, 0, 0, 0);
    lineGrid->setColumnStretch(2, 1);
    AddField(which, caption, field, faultName, *lineGrid, 0);
    return line;
}

void RatesInForceWindow::AddField(InputField which, const QString& caption, QLineEdit* field, const char* faultName,
                                  QGridLayout& into, int at)
{
    Input& input = inputs_[std::size_t(which)];
    input = {field, FaultLabel(faultName)};
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00 / 00000")) + 16);
    // The reason right under its field, across the field's whole column: a
    // long one (a claim date refused) then takes a few lines, not a dozen.
    into.addWidget(Caption(caption, field), 2 * at, 0);
    into.addWidget(field, 2 * at, 1);
    into.addWidget(input.fault, 2 * at + 1, 0, 1, 3);
    connect(field, &QLineEdit::returnPressed, this, &RatesInForceWindow::Calcola_Click);
    // Any change, typed or pasted, is calculated at once.
    connect(field, &QLineEdit::textChanged, this, [this, which] { Edited(which); });
}

QLayout* RatesInForceWindow::BuildChoices()
{
    // Each choice, with the line of its own field under it.
    const std::pair<const Choice*, QWidget*> choices[] = {
        {&kChoices[0], nullptr}, {&kChoices[1], rigaDomanda_}, {&kChoices[2], rigaMaggiorazione_}};
    regimes_ = new QButtonGroup(this);
    auto* choicesColumn = new QVBoxLayout;
    for (const auto& [choice, line] : choices) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(choice->caption)), choice->name);
        if (choice->tip)
            button->setToolTip(QString::fromUtf8(choice->tip));
        regimes_->addButton(button, int(choice->regime));
        choicesColumn->addWidget(button);
        if (line)
            choicesColumn->addWidget(line);
    }
    choicesColumn->addStretch(1);
    regimes_->button(int(Regime::Legal))->setChecked(true);
    connect(regimes_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            ChooseRegime(id);
    });
    return choicesColumn;
}

void RatesInForceWindow::BuildResults(QVBoxLayout& column)
{
    regime_ = Named(new QLabel, "regime");
    regime_->setWordWrap(true);
    column.addWidget(regime_);

    periodi_ = Named(new QTableWidget(0, kColumns), "periodi");
    periodi_->setAccessibleName(QStringLiteral("Periodi"));
    QStringList heads;
    for (const char* head : kColumnHeads)
        heads << QString::fromLatin1(head);
    periodi_->setHorizontalHeaderLabels(heads);
    periodi_->verticalHeader()->hide();
    periodi_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodi_->setSelectionBehavior(QAbstractItemView::SelectRows);
    periodi_->setTabKeyNavigation(false);
    periodi_->horizontalHeader()->setStretchLastSection(true);
    periodi_->verticalHeader()->setDefaultSectionSize(periodi_->fontMetrics().height() + 6);
    // Ten rows in view as the window opens; a longer span scrolls.
    periodi_->setMinimumHeight(PeriodRowsHeight(10));
    // A taller window shows more rows.
    column.addWidget(periodi_, 1);
    BuildTotals(column);

    note_ = Named(new QLabel, "note");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column.addWidget(note_);
}

int RatesInForceWindow::PeriodRowsHeight(int rows) const
{
    return periodi_->verticalHeader()->defaultSectionSize() * rows + periodi_->horizontalHeader()->sizeHint().height()
           + 4;
}

void RatesInForceWindow::BuildTotals(QVBoxLayout& column)
{
    auto* totals = new QGridLayout;
    const auto total = [&](int row, const char* name, QLabel* caption) {
        auto* value = Named(new QLabel, name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);
        totals->addWidget(caption, row, 0);
        totals->addWidget(value, row, 1);
        return value;
    };
    didascaliaInteressi_ = Named(new QLabel, "didascaliaInteressi");
    interessi_ = total(0, "interessi", didascaliaInteressi_);
    somma_ = total(1, "somma", new QLabel(QStringLiteral("Somma")));
    durata_ = total(2, "durata", new QLabel(QStringLiteral("Durata")));
    QFont bold = interessi_->font();
    bold.setBold(true);
    for (QLabel* value : {interessi_, somma_})
        value->setFont(bold);
    totals->setColumnStretch(1, 1);
    column.addLayout(totals);
}

void RatesInForceWindow::BuildTables(QVBoxLayout& column)
{
    auto* group = new QGroupBox(QStringLiteral("Tabelle dei tassi"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    const char* const legal[] = {"tassiLegali", "caricaTassiLegali", "incorporataTassiLegali", "erroreTassiLegali"};
    const char* const reference[] = {"tassiRiferimento", "caricaTassiRiferimento", "incorporataTassiRiferimento",
                                     "erroreTassiRiferimento"};
    BuildTableLine(*grid, 0, RateKind::Legal, QStringLiteral("Tassi legali"), legal);
    BuildTableLine(*grid, 2, RateKind::Reference, QStringLiteral("Tassi di riferimento (mora)"), reference);
    column.addWidget(group);
}

// `names`: of the table's name, its "Carica tabella…", its "Tabella
// incorporata" and its fault.
void RatesInForceWindow::BuildTableLine(QGridLayout& grid, int row, RateKind kind, const QString& caption,
                                        const char* const names[4])
{
    TableLine& table = tableLines_[kind];
    table.name = Named(new QLabel, names[0]);
    table.name->setWordWrap(true);
    table.name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* load = Button(names[1], QStringLiteral("Carica tabella…"));
    table.builtIn = Button(names[2], QStringLiteral("Tabella incorporata"));
    table.fault = FaultLabel(names[3]);
    load->setAccessibleName(QStringLiteral("Carica tabella: ") + caption);
    table.builtIn->setAccessibleName(QStringLiteral("Tabella incorporata: ") + caption);
    auto* label = new QLabel(caption);
    label->setBuddy(load);
    grid.addWidget(label, row, 0);
    grid.addWidget(table.name, row, 1);
    grid.addWidget(load, row, 2);
    grid.addWidget(table.builtIn, row, 3);
    grid.addWidget(table.fault, row + 1, 0, 1, 4);
    connect(load, &QPushButton::clicked, this, [this, kind] { CaricaTabella_Click(kind); });
    connect(table.builtIn, &QPushButton::clicked, this, [this, kind] { TabellaIncorporata_Click(kind); });
}

void RatesInForceWindow::BuildCommands(QVBoxLayout& column)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    copia_ = Button("copia", QStringLiteral("Copia"));
    stampa_ = Button("stampa", QStringLiteral("Stampa"), "stampa");
    auto* chiudi = Button("chiudi", QStringLiteral("Chiudi"));
    for (QPushButton* button : {copia_, stampa_, chiudi})
        row->addWidget(button);
    connect(copia_, &QPushButton::clicked, this, &RatesInForceWindow::Copia_Click);
    connect(stampa_, &QPushButton::clicked, this, &RatesInForceWindow::Stampa_Click);
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

} // namespace tarvel
