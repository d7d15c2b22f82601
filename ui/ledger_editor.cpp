#include "ui/ledger_editor.h"

#include "calc/date_field_text.h"
#include "calc/ledger_row.h"
#include "ui/colours.h"
#include "ui/ledger_model.h"
#include "ui/masked_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace tarvel {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class Control>
Control* Named(Control* control, const char* name, const QString& accessible)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessible);
    return control;
}

// Each cell edited as the window's fields are: the date in a masked date
// field, the type chosen from the two, the amount as typed ('.' between the
// thousands, ',' before the cents: "1.000,50", as the hint says).
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
            kind->addItems({QString::fromLatin1(KindWord(Movement::Kind::Credit)),
                            QString::fromLatin1(KindWord(Movement::Kind::Payment))});
            return kind;
        }
        case LedgerColumn::Amount: {
            auto* amount = new QLineEdit(parent);
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
    BuildList();
    BuildChoices();
    Lay();
    ShowRows();
}

void LedgerEditor::BuildList()
{
    model_ = new LedgerModel(form_, this);
    movimenti_ = Named(new QTableView, "movimenti", QStringLiteral("Movimenti"));
    movimenti_->setModel(model_);
    movimenti_->setItemDelegate(new CellEditors(movimenti_));
    movimenti_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    movimenti_->setSelectionBehavior(QAbstractItemView::SelectItems);
    movimenti_->setSelectionMode(QAbstractItemView::SingleSelection);
    movimenti_->setTabKeyNavigation(false);
    movimenti_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QHeaderView& rows = *movimenti_->verticalHeader();
    rows.setDefaultSectionSize(movimenti_->fontMetrics().height() + 8);
    rows.setMinimumWidth(movimenti_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    movimenti_->setMinimumHeight(rows.defaultSectionSize() * 4 + movimenti_->horizontalHeader()->sizeHint().height()
                                 + 4);
    // The date, the type and the amount at their widths, the description
    // taking the rest of the list's width.
    const QFontMetrics metrics = movimenti_->fontMetrics();
    const int amountWidth = metrics.horizontalAdvance(QStringLiteral("000.000.000,00")) + 16;
    movimenti_->setColumnWidth(int(LedgerColumn::Date),
                               metrics.horizontalAdvance(QStringLiteral("00 / 00 / 00000")) + 16);
    movimenti_->setColumnWidth(int(LedgerColumn::Kind), amountWidth);
    movimenti_->setColumnWidth(int(LedgerColumn::Amount), amountWidth);
    movimenti_->horizontalHeader()->setSectionResizeMode(int(LedgerColumn::Description), QHeaderView::Stretch);
    movimenti_->setMinimumWidth(movimenti_->columnWidth(int(LedgerColumn::Date)) + 3 * amountWidth + rows.minimumWidth()
                                + 8);

    new QShortcut(Qt::Key_Insert, movimenti_, this, &LedgerEditor::Aggiungi_Click, Qt::WidgetShortcut);
    new QShortcut(Qt::Key_Delete, movimenti_, this, &LedgerEditor::Rimuovi_Click, Qt::WidgetShortcut);
    QUndoStack& undo = model_->Undo();
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this, &undo, &QUndoStack::undo, Qt::WidgetWithChildrenShortcut);
    for (const auto keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})
        new QShortcut(QKeySequence(keys), this, &undo, &QUndoStack::redo, Qt::WidgetWithChildrenShortcut);
    connect(model_, &LedgerModel::Changed, this, [this] {
        ShowFaults();
        emit Changed();
    });
}

void LedgerEditor::BuildChoices()
{
    errori_ = Named(new QLabel, "erroriMovimenti", QStringLiteral("Errori dei movimenti"));
    errori_->setWordWrap(true);
    errori_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errori_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    SetForeColor(errori_, ReadableOn(QColor(0xc0, 0, 0), SystemColour(QPalette::Window)));

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
}

// The list with its buttons beside it and the faults under it, the choices below.
void LedgerEditor::Lay()
{
    auto* buttons = new QVBoxLayout;
    const auto add = [this, buttons](const char* name, const QString& caption, void (LedgerEditor::*clicked)()) {
        auto* button = Button(name, caption);
        connect(button, &QPushButton::clicked, this, clicked);
        buttons->addWidget(button);
    };
    add("aggiungi", QStringLiteral("Aggiungi"), &LedgerEditor::Aggiungi_Click);
    add("rimuovi", QStringLiteral("Rimuovi"), &LedgerEditor::Rimuovi_Click);
    add("apri", QStringLiteral("Apri…"), &LedgerEditor::OpenAsked);
    add("salva", QStringLiteral("Salva…"), &LedgerEditor::SaveAsked);
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Movimenti dopo il primo credito (il capitale dal giorno «Dal»)"));
    caption->setBuddy(movimenti_);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(movimenti_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(errori_, 2, 0, 1, 2);
    grid->addWidget(imputazioneCapitale_, 3, 0, 1, 2);
    grid->addWidget(indennizzo_, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
}

void LedgerEditor::ShowRows()
{
    model_->Reload();
    const QSignalBlocker capitalFirst(imputazioneCapitale_);
    const QSignalBlocker compensation(indennizzo_);
    imputazioneCapitale_->setChecked(form_.CapitalFirst());
    indennizzo_->setChecked(form_.Compensation());
}

void LedgerEditor::ShowFaults()
{
    errori_->setText(QString::fromStdString(form_.Faults()));
    // No empty band between the list and its choices.
    errori_->setVisible(!errori_->text().isEmpty());
    movimenti_->setAccessibleDescription(errori_->text());
}

void LedgerEditor::ShowRegime(Regime regime) { indennizzo_->setVisible(LedgerForm::OffersCompensation(regime)); }

void LedgerEditor::SelectRow(std::size_t row)
{
    if (row >= form_.RowCount())
        return;
    movimenti_->setCurrentIndex(model_->index(int(row), int(LedgerColumn::Date)));
    movimenti_->setFocus();
}

void LedgerEditor::Aggiungi_Click()
{
    // After the row with the focus, or at the end.
    const QModelIndex current = movimenti_->currentIndex();
    const int at = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->AddRow(at);
    movimenti_->setCurrentIndex(model_->index(at, int(LedgerColumn::Date)));
    movimenti_->setFocus();
}

void LedgerEditor::Rimuovi_Click()
{
    const QModelIndex current = movimenti_->currentIndex();
    if (!current.isValid())
        return;
    model_->RemoveRow(current.row());
    if (model_->rowCount() > 0)
        movimenti_->setCurrentIndex(model_->index(std::min(current.row(), model_->rowCount() - 1), current.column()));
}

} // namespace tarvel
