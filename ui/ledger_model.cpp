#include "ui/ledger_model.h"

#include "ui/colours.h"

#include <QUndoCommand>

#include <iterator>

namespace tarvel {

namespace {

constexpr const char* kColumnHeads[] = {"data", "tipo", "importo", "descrizione"};
static_assert(std::size(kColumnHeads) == kLedgerColumnCount);

// The red of the faults, readable on the list's background.
QColor FaultColour() { return ReadableOn(QColor(0xc0, 0, 0), SystemColour(QPalette::Base)); }

} // namespace

// What the undo stack does to the list: a row changed, added or removed,
// each into the form through the model.
class LedgerEdit : public QUndoCommand {
public:
    enum class Kind { Type, Add, Remove };
    LedgerEdit(LedgerModel& model, Kind kind, int row, LedgerRow before, LedgerRow after)
        : model_(model), kind_(kind), row_(row), before_(std::move(before)), after_(std::move(after))
    {
        setText(kind == Kind::Type  ? QStringLiteral("modifica")
                : kind == Kind::Add ? QStringLiteral("aggiunta")
                                    : QStringLiteral("rimozione"));
    }

    void redo() override
    {
        switch (kind_) {
        case Kind::Type: model_.Put(row_, after_); break;
        case Kind::Add: model_.PutRow(row_, after_); break;
        case Kind::Remove: model_.TakeRow(row_); break;
        }
    }

    void undo() override
    {
        switch (kind_) {
        case Kind::Type: model_.Put(row_, before_); break;
        case Kind::Add: model_.TakeRow(row_); break;
        case Kind::Remove: model_.PutRow(row_, before_); break;
        }
    }

private:
    LedgerModel& model_;
    Kind kind_;
    int row_;
    LedgerRow before_, after_;
};

LedgerModel::LedgerModel(LedgerForm& form, QObject* parent) : QAbstractTableModel(parent), form_(form) {}

int LedgerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(form_.RowCount());
}

int LedgerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kLedgerColumnCount);
}

QVariant LedgerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = LedgerColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(form_.Cell(row, column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((column == LedgerColumn::Amount ? Qt::AlignRight : Qt::AlignLeft)
                                   | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (!form_.ReasonOf(row).empty())
            return FaultColour();
        return {};
    case Qt::ToolTipRole: {
        const std::string fault = form_.FaultOf(row);
        return fault.empty() ? QVariant() : QVariant(QString::fromStdString(fault));
    }
    default: return {};
    }
}

bool LedgerModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::EditRole)
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    const LedgerRow before = form_.Whole(row);
    form_.Type(row, LedgerColumn(index.column()), value.toString().toStdString());
    const LedgerRow after = form_.Whole(row);
    if (after == before)
        return true;
    // The undo stack types it, so that undoing puts the row back whole.
    form_.Put(row, before);
    undo_.push(new LedgerEdit(*this, LedgerEdit::Kind::Type, index.row(), before, after));
    return true;
}

Qt::ItemFlags LedgerModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

QVariant LedgerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < int(kLedgerColumnCount) ? QString::fromLatin1(kColumnHeads[section]) : QVariant();
    if (section >= rowCount())
        return {};
    // The line the row takes in the file, as the faults name it.
    const auto line = form_.LineOf(static_cast<std::size_t>(section));
    return line ? QString::number(*line) : QString();
}

void LedgerModel::AddRow(int at) { undo_.push(new LedgerEdit(*this, LedgerEdit::Kind::Add, at, {}, {})); }

void LedgerModel::RemoveRow(int row)
{
    undo_.push(new LedgerEdit(*this, LedgerEdit::Kind::Remove, row, form_.Whole(std::size_t(row)), {}));
}

void LedgerModel::Reload()
{
    beginResetModel();
    undo_.clear();
    endResetModel();
    emit Changed();
}

// A row the form no longer has (the form changed as a whole, and Reload was
// not called) is left alone by these three.
void LedgerModel::Put(int row, const LedgerRow& whole)
{
    if (row >= rowCount())
        return;
    form_.Put(std::size_t(row), whole);
    Refresh();
}

void LedgerModel::PutRow(int at, const LedgerRow& whole)
{
    if (at > rowCount())
        return;
    beginInsertRows({}, at, at);
    form_.Insert(std::size_t(at), whole);
    endInsertRows();
    Refresh();
}

void LedgerModel::TakeRow(int row)
{
    if (row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    form_.Remove(std::size_t(row));
    endRemoveRows();
    Refresh();
}

void LedgerModel::Refresh()
{
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    emit Changed();
}

} // namespace tarvel
