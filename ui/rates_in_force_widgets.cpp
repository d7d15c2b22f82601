// The widgets of the window of the rates in force, laid out and connected.
#include "ui/rates_in_force_window.h"

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/masked_edit.h"
#include "ui/pictures.h"
#include "ui/statement_model.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

namespace tarvel {
namespace {

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
    {Regime::Contract, "regimeConvenzionale", "Interessi &convenzionali",
     "Il tasso pattuito dalle parti, su ogni giorno al posto dei tassi legali; non con i movimenti"},
};

// The ways of a revaluation, in the window's order: the first two on the
// option's line, those with interest on the next, after "Interessi legali".
struct Way {
    RevaluationWay way;
    const char* name;
    const char* caption;
    const char* accessible; // the caption read whole, when it is shorter on the screen
    const char* tip;
};
constexpr Way kWays[] = {
    {RevaluationWay::Alone, "rivalutazioneSola", "&Solo rivalutazione", nullptr,
     "La somma rivalutata dal mese di «Dal» a quello di «Al»"},
    {RevaluationWay::Update, "aggiornamento", "A&ggiornamento al", "Aggiornamento a una percentuale della variazione",
     "La somma aggiornata di una percentuale della variazione dell'indice, come un canone"},
    {RevaluationWay::Initial, "interessiIniziale", "sul capitale &iniziale", "Interessi legali sul capitale iniziale",
     "Gli interessi sul capitale; dovuti il capitale rivalutato e gli interessi"},
    {RevaluationWay::Revalued, "interessiRivalutato", "sul capitale riv&alutato",
     "Interessi legali sul capitale rivalutato", "Gli interessi sul capitale rivalutato al mese di «Al»"},
    {RevaluationWay::Yearly, "interessiAnnuale", "sulla somma &via via rivalutata",
     "Interessi legali sulla somma via via rivalutata",
     "Cass. S.U. 1712/1995: gli interessi di ogni anno sul capitale rivalutato all'inizio di quell'anno"},
};

// The periods of a capitalisation, in the window's order.
struct Period {
    CompoundingPeriod period;
    const char* name;
    const char* caption;
};
constexpr Period kPeriods[] = {
    {CompoundingPeriod::Year, "capitalizzazioneAnnuale", "a&nnuale"},
    {CompoundingPeriod::HalfYear, "capitalizzazioneSemestrale", "s&emestrale"},
    {CompoundingPeriod::Quarter, "capitalizzazioneTrimestrale", "&trimestrale"},
};

// A field of a percentage takes what its calculation reads, and its start: a
// text it would refuse does not go in.
class TakesValidator : public QValidator {
public:
    TakesValidator(bool (*takes)(std::string_view), QObject* parent) : QValidator(parent), takes_(takes) {}
    State validate(QString& input, int&) const override { return takes_(input.toStdString()) ? Acceptable : Invalid; }

private:
    bool (*takes_)(std::string_view);
};

// A field of a percentage, right-aligned, as wide as "100,000", taking what
// `takes` takes, a full stop typed as its comma; read out with what it takes.
void MakePercentageField(TextBox& field, bool (*takes)(std::string_view), const QString& accessible, const char* hint)
{
    field.setValidator(new TakesValidator(takes, &field));
    field.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field.setFixedWidth(field.fontMetrics().horizontalAdvance(QStringLiteral("100,000")) + 16);
    field.setAccessibleName(accessible + QStringLiteral(", ") + QString::fromUtf8(hint));
    field.setToolTip(QString::fromUtf8(hint));
    TypeFullStopAsComma(field);
}

// What a field takes, beside it: "(da 0,01 a 100, al più due decimali)".
QLabel* HintLabel(const char* hint, const char* name)
{
    return Named(new QLabel(QStringLiteral("(") + QString::fromUtf8(hint) + QStringLiteral(")")), name);
}

} // namespace

void RatesInForceWindow::BuildInputs(QVBoxLayout& column)
{
    // The fields on one line, the choices of regime on the next, then the
    // options (the ways of the one asked under them, or beside it), the
    // reasons under all: a reason shown moves no field.
    auto* group = new QGroupBox(QStringLiteral("Calcolo"));
    auto* fields = new QHBoxLayout;
    auto* reasons = new QVBoxLayout;
    reasons->setSpacing(0);
    BuildFields(*fields, *reasons);
    calcola_ = Button("calcola", QStringLiteral("Calcola"), "calcola");
    connect(calcola_, &QPushButton::clicked, this, &RatesInForceWindow::Calcola_Click);
    mostraMovimenti_ = Button("mostraMovimenti", QStringLiteral("Movimenti…"));
    mostraMovimenti_->setCheckable(true);
    mostraMovimenti_->setToolTip(QStringLiteral("Acconti e altri crediti: il conto del debito"));
    auto* choices = BuildChoices();
    choices->addStretch(1);
    choices->addWidget(mostraMovimenti_);
    choices->addWidget(calcola_);
    // The options give their line to the list of movements, which takes none.
    rigaOpzioni_ = Named(new QWidget, "opzioni");
    auto* options = new QHBoxLayout(rigaOpzioni_);
    options->setContentsMargins(0, 0, 0, 0);
    QWidget* ways = BuildRevaluation(*options, *reasons);
    options->addSpacing(12);
    BuildCompounding(*options, *reasons);
    options->addStretch(1);
    calcolo_ = new QGridLayout(group);
    calcolo_->setVerticalSpacing(4);
    calcolo_->addLayout(fields, 0, 0);
    calcolo_->addLayout(choices, 1, 0);
    calcolo_->addWidget(rigaOpzioni_, 2, 0);
    calcolo_->addWidget(ways, 3, 0);
    // A line kept for the reasons while there are none: the first one shown
    // moves nothing under it either.
    auto* reasonsLine = new QWidget;
    reasons->setContentsMargins(0, 0, 0, 0);
    reasonsLine->setLayout(reasons);
    reasonsLine->setMinimumHeight(reasonsLine->fontMetrics().lineSpacing());
    calcolo_->addWidget(reasonsLine, 4, 0);
    column.addWidget(group);
}

void RatesInForceWindow::BuildFields(QHBoxLayout& fields, QVBoxLayout& reasons)
{
    dal_ = DateField("dal");
    al_ = DateField("al");
    capitale_ = Named(new TextBox(nullptr), "capitale");
    AddField(InputField::Start, QStringLiteral("Dal"), dal_, "erroreDal", fields, reasons);
    AddField(InputField::End, QStringLiteral("Al"), al_, "erroreAl", fields, reasons);
    AddField(InputField::Capital, QStringLiteral("Capitale"), capitale_, "erroreCapitale", fields, reasons);

    // The claim date and the margin, each shown with its choice.
    domanda_ = DateField("domanda");
    maggiorazione_ = Named(new TextBox(nullptr), "maggiorazione");
    maggiorazione_->setText(Q(form_.Typed(InputField::Margin)));
    rigaDomanda_ = BuildSubLine("rigaDomanda", InputField::ClaimDate, QStringLiteral("Domanda del"), domanda_,
                                "erroreDomanda", reasons);
    rigaMaggiorazione_ = BuildSubLine("rigaMaggiorazione", InputField::Margin, QStringLiteral("Maggiorazione, punti"),
                                      maggiorazione_, "erroreMaggiorazione", reasons);
    // The contract's rate takes only what the calculation reads.
    tasso_ = Named(new TextBox(nullptr), "tasso");
    rigaTasso_ =
        BuildSubLine("rigaTasso", InputField::ContractRate, QStringLiteral("Tasso, %"), tasso_, "erroreTasso", reasons);
    MakePercentageField(*tasso_, ContractRateTakes, QStringLiteral("Tasso convenzionale"), kContractRateHint);
    rigaTasso_->layout()->addWidget(HintLabel(kContractRateHint, "suggerimentoTasso"));
    fields.addWidget(rigaDomanda_);
    fields.addWidget(rigaMaggiorazione_);
    fields.addWidget(rigaTasso_);
    fields.addStretch(1);
    // The capital as it is typed: "10.000,00" and "10000,50" both read, a
    // text that could be either is refused with its reason. The margin, a few
    // points, has no thousands: a full stop typed there is its comma.
    for (TextBox* amount : {capitale_, maggiorazione_})
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TypeFullStopAsComma(*maggiorazione_);
}

QWidget* RatesInForceWindow::BuildSubLine(const char* name, InputField which, const QString& caption, QLineEdit* field,
                                          const char* faultName, QVBoxLayout& reasons)
{
    auto* line = Named(new QWidget, name);
    auto* lineBox = new QHBoxLayout(line);
    lineBox->setContentsMargins(0, 0, 0, 0);
    AddField(which, caption, field, faultName, *lineBox, reasons);
    return line;
}

void RatesInForceWindow::AddField(InputField which, const QString& caption, QLineEdit* field, const char* faultName,
                                  QHBoxLayout& into, QVBoxLayout& reasons)
{
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00 / 00000")) + 16);
    into.addWidget(Caption(caption, field));
    into.addSpacing(4);
    into.addWidget(field);
    into.addSpacing(8);
    ConnectField(which, field, faultName, reasons);
}

void RatesInForceWindow::ConnectField(InputField which, QLineEdit* field, const char* faultName, QVBoxLayout& reasons)
{
    Input& input = inputs_[std::size_t(which)];
    input = {field, FaultLabel(faultName)};
    reasons.addWidget(input.fault);
    connect(field, &QLineEdit::returnPressed, this, &RatesInForceWindow::Calcola_Click);
    // Any change, typed or pasted, is calculated at once; the field says its
    // faults once typed into or left.
    connect(field, &QLineEdit::textChanged, this, [this, which] { Edited(which); });
    connect(field, &QLineEdit::editingFinished, this, [this, which] {
        form_.Leave(which);
        ShowFaults();
        MakeRoom();
    });
}

QHBoxLayout* RatesInForceWindow::BuildChoices()
{
    regimes_ = new QButtonGroup(this);
    auto* choicesLine = new QHBoxLayout;
    for (const Choice& choice : kChoices) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(choice.caption)), choice.name);
        if (choice.tip)
            button->setToolTip(QString::fromUtf8(choice.tip));
        regimes_->addButton(button, int(choice.regime));
        choicesLine->addWidget(button);
    }
    regimes_->button(int(Regime::Legal))->setChecked(true);
    connect(regimes_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            ChooseRegime(id);
    });
    return choicesLine;
}

QWidget* RatesInForceWindow::BuildRevaluation(QHBoxLayout& options, QVBoxLayout& reasons)
{
    rivalutazione_ = Named(new QCheckBox(QStringLiteral("&Rivalutazione ISTAT")), "rivalutazione");
    rivalutazione_->setToolTip(QStringLiteral("La somma rivalutata con gli indici dei prezzi al consumo per le "
                                              "famiglie di operai e impiegati (FOI) senza tabacchi, ai tassi legali; "
                                              "non con i movimenti né con la capitalizzazione"));
    options.addWidget(rivalutazione_);
    connect(rivalutazione_, &QCheckBox::toggled, this, [this](bool on) {
        form_.ChooseRevaluation(on);
        ShowCalculation();
    });

    // The ways, under the choices while the option is asked: those without
    // interest, the percentage of an update beside its own, then those with.
    rigaModi_ = Named(new QWidget, "modiRivalutazione");
    auto* ways = new QGridLayout(rigaModi_);
    ways->setContentsMargins(0, 0, 0, 0);
    ways->setVerticalSpacing(2);
    auto* alone = new QHBoxLayout;
    auto* interest = new QHBoxLayout;
    ways->addWidget(new QLabel(QStringLiteral("Senza interessi")), 0, 0);
    ways->addLayout(alone, 0, 1);
    ways->addWidget(new QLabel(QStringLiteral("Interessi legali")), 1, 0);
    ways->addLayout(interest, 1, 1);
    ways->setColumnStretch(1, 1);
    modiRivalutazione_ = new QButtonGroup(this);
    for (const Way& way : kWays) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(way.caption)), way.name);
        if (way.accessible)
            button->setAccessibleName(QString::fromUtf8(way.accessible));
        button->setToolTip(QString::fromUtf8(way.tip));
        modiRivalutazione_->addButton(button, int(way.way));
        (way.way == RevaluationWay::Alone || way.way == RevaluationWay::Update ? alone : interest)->addWidget(button);
    }
    modiRivalutazione_->button(int(form_.RevaluationChosen()))->setChecked(true);
    connect(modiRivalutazione_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        form_.ChooseRevaluationWay(RevaluationWay(id));
        ShowCalculation();
    });

    // The percentage takes only what the update reads.
    percentuale_ = Named(new TextBox(nullptr), "percentuale");
    percentuale_->setText(Q(form_.Typed(InputField::Percentage)));
    MakePercentageField(*percentuale_, PercentageTakes, QStringLiteral("Percentuale della variazione"),
                        kPercentageHint);
    ConnectField(InputField::Percentage, percentuale_, "errorePercentuale", reasons);
    alone->addWidget(percentuale_);
    alone->addWidget(new QLabel(QStringLiteral("%")));
    alone->addSpacing(4);
    alone->addWidget(HintLabel(kPercentageHint, "suggerimentoPercentuale"));
    alone->addStretch(1);
    interest->addStretch(1);
    return rigaModi_;
}

void RatesInForceWindow::BuildCompounding(QHBoxLayout& options, QVBoxLayout& reasons)
{
    capitalizzazione_ = Named(new QCheckBox(QStringLiteral("Ca&pitalizzazione")), "capitalizzazione");
    capitalizzazione_->setToolTip(QStringLiteral("Gli interessi aggiunti al capitale alla fine di ogni periodo, "
                                                 "con ogni regime; non con la rivalutazione né con i movimenti"));
    options.addWidget(capitalizzazione_);
    connect(capitalizzazione_, &QCheckBox::toggled, this, [this](bool on) {
        form_.ChooseCompounding(on);
        ShowCalculation();
    });

    // Its periods and its day, beside it while it is asked.
    rigaCapitalizzazione_ = Named(new QWidget, "modiCapitalizzazione");
    auto* line = new QHBoxLayout(rigaCapitalizzazione_);
    line->setContentsMargins(0, 0, 0, 0);
    periodi_ = new QButtonGroup(this);
    for (const Period& period : kPeriods) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(period.caption)), period.name);
        button->setAccessibleName(QStringLiteral("Capitalizzazione ") + button->text().remove(QLatin1Char('&')));
        periodi_->addButton(button, int(period.period));
        line->addWidget(button);
    }
    periodi_->button(int(form_.CompoundingChosen()))->setChecked(true);
    connect(periodi_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        form_.ChooseCompoundingPeriod(CompoundingPeriod(id));
        ShowCalculation();
    });
    line->addSpacing(8);
    capitalizzazioneDal_ = DateField("capitalizzazioneDal");
    AddField(InputField::CompoundingFrom, QStringLiteral("&dal"), capitalizzazioneDal_, "erroreCapitalizzazioneDal",
             *line, reasons);
    capitalizzazioneDal_->setAccessibleName(QStringLiteral("Capitalizzazione dal, vuoto: dall'inizio"));
    capitalizzazioneDal_->setToolTip(
        QStringLiteral("Interessi semplici fino a questo giorno (la domanda giudiziale, per esempio), poi "
                       "capitalizzati; vuoto: dall'inizio"));
    line->addWidget(Named(new QLabel(QStringLiteral("(vuoto: dall'inizio)")), "suggerimentoCapitalizzazione"));
    options.addWidget(rigaCapitalizzazione_);
}

void RatesInForceWindow::BuildResults(QVBoxLayout& column)
{
    regime_ = Named(new QLabel, "regime");
    regime_->setWordWrap(true);
    column.addWidget(regime_);
    righeRivalutazione_ = Named(new QPlainTextEdit, "righeRivalutazione");
    righeRivalutazione_->setAccessibleName(QStringLiteral("Rivalutazione"));
    righeRivalutazione_->setReadOnly(true);
    righeRivalutazione_->setTabChangesFocus(true);
    righeRivalutazione_->setLineWrapMode(QPlainTextEdit::NoWrap);
    righeRivalutazione_->hide();
    // Without the table, its room.
    column.addWidget(righeRivalutazione_, 2);
    BuildTable();
    // A taller window shows more rows.
    column.addWidget(prospetto_, 2);
    arrotondamento_ = Named(new QLabel, "arrotondamento");
    arrotondamento_->setWordWrap(true);
    arrotondamento_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column.addWidget(arrotondamento_);

    totali_ = new QGridLayout;
    totali_->setHorizontalSpacing(12);
    totali_->setVerticalSpacing(2);
    durata_ = Named(new QLabel, "durata");
    durata_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    durata_->setAccessibleName(QStringLiteral("Durata"));
    column.addLayout(totali_);

    note_ = Named(new QLabel, "note");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column.addWidget(note_);
}

void RatesInForceWindow::BuildTable()
{
    model_ = new StatementModel(this);
    prospetto_ = Named(new QTableView, "prospetto");
    prospetto_->setAccessibleName(QStringLiteral("Prospetto"));
    prospetto_->setModel(model_);
    prospetto_->verticalHeader()->hide();
    prospetto_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    prospetto_->setSelectionBehavior(QAbstractItemView::SelectRows);
    prospetto_->setTabKeyNavigation(false);
    prospetto_->setWordWrap(false);
    prospetto_->horizontalHeader()->setStretchLastSection(true);
    prospetto_->verticalHeader()->setDefaultSectionSize(prospetto_->fontMetrics().height() + 6);
    // Ten rows in view as the window opens; a longer statement scrolls.
    prospetto_->setMinimumHeight(StatementRowsHeight(10));
    // Each column as wide as its longest text, the last taking the rest.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int column = 0; column + 1 < model_->columnCount(); ++column)
            prospetto_->resizeColumnToContents(column);
    });
}

int RatesInForceWindow::StatementRowsHeight(int rows) const
{
    return prospetto_->verticalHeader()->defaultSectionSize() * rows
           + prospetto_->horizontalHeader()->sizeHint().height() + 4;
}

void RatesInForceWindow::BuildTables(QVBoxLayout& column)
{
    auto* group = new QGroupBox(QStringLiteral("Tabelle dei tassi e degli indici"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    const char* const legal[] = {"tassiLegali", "caricaTassiLegali", "incorporataTassiLegali", "erroreTassiLegali"};
    const char* const reference[] = {"tassiRiferimento", "caricaTassiRiferimento", "incorporataTassiRiferimento",
                                     "erroreTassiRiferimento"};
    const char* const index[] = {"indici", "caricaIndici", "incorporataIndici", "erroreIndici"};
    const QString loadTable = QStringLiteral("Carica tabella…");
    BuildTableLine(*grid, 0, tableLines_[RateKind::Legal], QStringLiteral("Tassi legali"), loadTable, legal);
    BuildTableLine(*grid, 2, tableLines_[RateKind::Reference], QStringLiteral("Tassi di riferimento (mora)"), loadTable,
                   reference);
    BuildTableLine(*grid, 4, indici_, QStringLiteral("Indici ISTAT"), QStringLiteral("Carica indici…"), index);
    for (RateKind kind : kRateKinds) {
        connect(tableLines_[kind].load, &QPushButton::clicked, this, [this, kind] { CaricaTabella_Click(kind); });
        connect(tableLines_[kind].builtIn, &QPushButton::clicked, this,
                [this, kind] { TabellaIncorporata_Click(kind); });
    }
    connect(indici_.load, &QPushButton::clicked, this, &RatesInForceWindow::CaricaIndici_Click);
    connect(indici_.builtIn, &QPushButton::clicked, this, &RatesInForceWindow::IndiciIncorporati_Click);
    column.addWidget(group);
}

// `names`: of the table's name, its load button, its "Tabella incorporata"
// and its fault.
void RatesInForceWindow::BuildTableLine(QGridLayout& grid, int row, TableLine& table, const QString& caption,
                                        const QString& loadCaption, const char* const names[4])
{
    table.name = Named(new QLabel, names[0]);
    table.name->setWordWrap(true);
    table.name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* load = table.load = Button(names[1], loadCaption);
    table.builtIn = Button(names[2], QStringLiteral("Tabella incorporata"));
    table.fault = FaultLabel(names[3]);
    load->setAccessibleName(loadCaption.chopped(1) + QStringLiteral(": ") + caption);
    table.builtIn->setAccessibleName(QStringLiteral("Tabella incorporata: ") + caption);
    auto* label = new QLabel(caption);
    label->setBuddy(load);
    grid.addWidget(label, row, 0);
    grid.addWidget(table.name, row, 1);
    grid.addWidget(load, row, 2);
    grid.addWidget(table.builtIn, row, 3);
    grid.addWidget(table.fault, row + 1, 0, 1, 4);
}

void RatesInForceWindow::BuildCommands(QVBoxLayout& column)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    copia_ = Button("copia", QStringLiteral("Copia"));
    stampa_ = Button("stampa", QStringLiteral("Stampa"), "stampa");
    chiudi_ = Button("chiudi", QStringLiteral("Chiudi"));
    for (QPushButton* button : {copia_, stampa_, chiudi_})
        row->addWidget(button);
    connect(copia_, &QPushButton::clicked, this, &RatesInForceWindow::Copia_Click);
    connect(stampa_, &QPushButton::clicked, this, &RatesInForceWindow::Stampa_Click);
    connect(chiudi_, &QPushButton::clicked, this, &QWidget::close);
    column.addLayout(row);
}

void RatesInForceWindow::SetTabOrder()
{
    // Top to bottom, as the window reads; the list of movements, when shown,
    // between "Calcola" and the statement (BuildLedger).
    QWidget* order[] = {dal_,
                        al_,
                        capitale_,
                        domanda_,
                        maggiorazione_,
                        tasso_,
                        regimes_->button(int(Regime::Legal)),
                        regimes_->button(int(Regime::LegalWithClaim)),
                        regimes_->button(int(Regime::LatePayment)),
                        regimes_->button(int(Regime::Contract)),
                        rivalutazione_,
                        capitalizzazione_,
                        periodi_->button(int(CompoundingPeriod::Year)),
                        periodi_->button(int(CompoundingPeriod::HalfYear)),
                        periodi_->button(int(CompoundingPeriod::Quarter)),
                        capitalizzazioneDal_,
                        modiRivalutazione_->button(int(RevaluationWay::Alone)),
                        modiRivalutazione_->button(int(RevaluationWay::Update)),
                        percentuale_,
                        modiRivalutazione_->button(int(RevaluationWay::Initial)),
                        modiRivalutazione_->button(int(RevaluationWay::Revalued)),
                        modiRivalutazione_->button(int(RevaluationWay::Yearly)),
                        mostraMovimenti_,
                        calcola_,
                        righeRivalutazione_,
                        prospetto_,
                        tableLines_[RateKind::Legal].load,
                        tableLines_[RateKind::Legal].builtIn,
                        tableLines_[RateKind::Reference].load,
                        tableLines_[RateKind::Reference].builtIn,
                        indici_.load,
                        indici_.builtIn,
                        copia_,
                        stampa_,
                        chiudi_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace tarvel
