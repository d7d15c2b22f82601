#include "ui/ledger_editor.h"

#include "calc/date_field_text.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/masked_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel {
namespace {

constexpr const char* kColumnHeads[] = {"data", "tipo", "importo", "descrizione"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class Control>
Control* Named(Control* control, const char* name, const QString& accessible)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessible);
    return control;
}

// Each cell edited as the window's fields are: the date in a masked date
// field, the type chosen from the two, the amount with '.' as the comma.
class CellEditors : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        switch (LedgerColumn(index.column())) {
        case LedgerColumn::Date: {
            auto* date = new MaskedEdit(parent);
            date->SetMask(QString::fromLatin1(kDateMask));
            return date;
        }
        case LedgerColumn::Kind: {
            auto* kind = new QComboBox(parent);
            kind->addItems({QString::fromLatin1(KindText(Movement::Kind::Credit)),
                            QString::fromLatin1(KindText(Movement::Kind::Payment))});
            return kind;
        }
        case LedgerColumn::Amount: {
            auto* amount = new TextBox(parent);
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(amount, &TextBox::KeyPress, amount, [](int& keyAscii) {
                if (keyAscii == '.')
                    keyAscii = ',';
            });
            return amount;
        }
        default: return QStyledItemDelegate::createEditor(parent, option, index);
        }
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* date = qobject_cast<MaskedEdit*>(editor)) {
            // A date as the file wrote it goes into the mask's places.
            const auto masked = DateFieldText(text.toStdString());
            date->SetText(masked ? Q(*masked) : text);
        } else if (auto* kind = qobject_cast<QComboBox*>(editor)) {
            kind->setCurrentText(text);
        } else {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* date = qobject_cast<MaskedEdit*>(editor))
            model->setData(index, date->Text());
        else if (auto* kind = qobject_cast<QComboBox*>(editor))
            model->setData(index, kind->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QTableWidgetItem* Cell(const std::string& text, LedgerColumn column)
{
    auto* item = new QTableWidgetItem(Q(text));
    const Qt::Alignment side = column == LedgerColumn::Amount ? Qt::AlignRight : Qt::AlignLeft;
    item->setTextAlignment(side | Qt::AlignVCenter);
    return item;
}

QPushButton* Button(const char* name, const QString& caption)
{
    auto* button = Named(new QPushButton(caption), name, caption);
    button->setAutoDefault(true);
    return button;
}

} // namespace

LedgerEditor::LedgerEditor(LedgerForm& form, QWidget* parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("movimentiEditor"));
    movimenti_ = Named(new QTableWidget(0, int(std::size(kColumnHeads))), "movimenti", QStringLiteral("Movimenti"));
    QStringList heads;
    for (const char* head : kColumnHeads)
        heads << QString::fromLatin1(head);
    movimenti_->setHorizontalHeaderLabels(heads);
    movimenti_->horizontalHeader()->setStretchLastSection(true);
    movimenti_->setItemDelegate(new CellEditors(movimenti_));
    movimenti_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    movimenti_->setSelectionBehavior(QAbstractItemView::SelectItems);
    movimenti_->setSelectionMode(QAbstractItemView::SingleSelection);
    movimenti_->setTabKeyNavigation(false);
    movimenti_->verticalHeader()->setDefaultSectionSize(movimenti_->fontMetrics().height() + 8);
    movimenti_->setMinimumHeight(movimenti_->verticalHeader()->defaultSectionSize() * 4
                                 + movimenti_->horizontalHeader()->sizeHint().height() + 4);
    movimenti_->setColumnWidth(int(LedgerColumn::Date),
                               movimenti_->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00 / 00000")) + 16);
    // Every column in view: the date, the type and the amount at their
    // widths, the description taking the rest.
    const int amountWidth = movimenti_->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 16;
    movimenti_->setColumnWidth(int(LedgerColumn::Kind), amountWidth);
    movimenti_->setColumnWidth(int(LedgerColumn::Amount), amountWidth);
    movimenti_->setMinimumWidth(movimenti_->columnWidth(int(LedgerColumn::Date)) + 3 * amountWidth
                                + movimenti_->verticalHeader()->sizeHint().width() + 8);
    connect(movimenti_, &QTableWidget::itemChanged, this, &LedgerEditor::CellChanged);
    new QShortcut(Qt::Key_Insert, movimenti_, this, &LedgerEditor::Aggiungi_Click, Qt::WidgetShortcut);
    new QShortcut(Qt::Key_Delete, movimenti_, this, &LedgerEditor::Rimuovi_Click, Qt::WidgetShortcut);

    errori_ = Named(new QLabel, "erroriMovimenti", QStringLiteral("Errori dei movimenti"));
    errori_->setWordWrap(true);
    errori_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errori_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    SetForeColor(errori_, ReadableOn(QColor(0xc0, 0, 0), SystemColour(QPalette::Window)));

    auto* aggiungi = Button("aggiungi", QStringLiteral("Aggiungi"));
    auto* rimuovi = Button("rimuovi", QStringLiteral("Rimuovi"));
    auto* apri = Button("apri", QStringLiteral("Apri…"));
    auto* salva = Button("salva", QStringLiteral("Salva…"));
    connect(aggiungi, &QPushButton::clicked, this, &LedgerEditor::Aggiungi_Click);
    connect(rimuovi, &QPushButton::clicked, this, &LedgerEditor::Rimuovi_Click);
    connect(apri, &QPushButton::clicked, this, &LedgerEditor::OpenAsked);
    connect(salva, &QPushButton::clicked, this, &LedgerEditor::SaveAsked);

    imputazioneCapitale_ = Named(new QCheckBox(QStringLiteral("Imputazione al capitale")), "imputazioneCapitale",
                                 QStringLiteral("Imputazione al capitale"));
    imputazioneCapitale_->setToolTip(
        QStringLiteral("I pagamenti vanno prima al capitale, poi agli interessi (altrimenti, art. 1194 c.c., prima "
                       "agli interessi)"));
    indennizzo_ = Named(new QCheckBox(QStringLiteral("Indennizzo di 40 € per credito (art. 6 D.Lgs. 231/2002)")),
                        "indennizzo", QStringLiteral("Indennizzo di 40 euro per credito"));
    connect(imputazioneCapitale_, &QCheckBox::toggled, this, [this](bool on) {
        form_.ChooseCapitalFirst(on);
        emit Changed();
    });
    connect(indennizzo_, &QCheckBox::toggled, this, [this](bool on) {
        form_.ChooseCompensation(on);
        emit Changed();
    });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {aggiungi, rimuovi, apri, salva})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Movimenti dopo il primo credito (il capitale dal giorno «Dal»)"));
    caption->setBuddy(movimenti_);
    grid->addWidget(caption, 0, 0, 1, 3);
    grid->addWidget(movimenti_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(errori_, 1, 2);
    grid->addWidget(imputazioneCapitale_, 2, 0, 1, 3);
    grid->addWidget(indennizzo_, 3, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
    ShowRegime(Regime::Legal);
    ShowFaults();
}

void LedgerEditor::ShowRows()
{
    showing_ = true;
    movimenti_->setRowCount(int(form_.RowCount()));
    for (std::size_t i = 0; i < form_.RowCount(); ++i) {
        const LedgerRowTexts& row = form_.Row(i);
        const int at = int(i);
        movimenti_->setItem(at, int(LedgerColumn::Date), Cell(row.date, LedgerColumn::Date));
        movimenti_->setItem(at, int(LedgerColumn::Kind), Cell(KindText(row.kind), LedgerColumn::Kind));
        movimenti_->setItem(at, int(LedgerColumn::Amount), Cell(row.amount, LedgerColumn::Amount));
        movimenti_->setItem(at, int(LedgerColumn::Description), Cell(row.description, LedgerColumn::Description));
    }
    showing_ = false;
    NumberRows();
    ShowFaults();
}

void LedgerEditor::NumberRows()
{
    // Numbered as the faults name them: the first credit is row 1.
    QStringList numbers;
    for (int row = 0; row < movimenti_->rowCount(); ++row)
        numbers << QString::number(row + 2);
    movimenti_->setVerticalHeaderLabels(numbers);
}

void LedgerEditor::ShowFaults()
{
    errori_->setText(Q(form_.Faults()));
    movimenti_->setAccessibleDescription(errori_->text());
}

void LedgerEditor::ShowRegime(Regime regime) { indennizzo_->setVisible(LedgerForm::OffersCompensation(regime)); }

void LedgerEditor::Aggiungi_Click()
{
    // After the row with the focus, or at the end.
    const int current = movimenti_->currentRow();
    const int at = current < 0 ? movimenti_->rowCount() : current + 1;
    form_.Insert(std::size_t(at));
    ShowRows();
    movimenti_->setCurrentCell(at, int(LedgerColumn::Date));
    movimenti_->setFocus();
    emit Changed();
}

void LedgerEditor::Rimuovi_Click()
{
    const int current = movimenti_->currentRow();
    if (current < 0)
        return;
    form_.Remove(std::size_t(current));
    ShowRows();
    if (movimenti_->rowCount() > 0)
        movimenti_->setCurrentCell(std::min(current, movimenti_->rowCount() - 1), movimenti_->currentColumn());
    emit Changed();
}

void LedgerEditor::CellChanged(QTableWidgetItem* item)
{
    if (showing_)
        return;
    form_.Type(std::size_t(item->row()), LedgerColumn(item->column()), item->text().toStdString());
    ShowFaults();
    emit Changed();
}

} // namespace tarvel
