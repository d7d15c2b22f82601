#include "ui/statement_model.h"

namespace tarvel {

void StatementModel::Show(std::span<const StatementLine> rows)
{
    beginResetModel();
    rows_ = rows;
    columns_ = StatementColumns(rows);
    endResetModel();
}

int StatementModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int StatementModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QVariant StatementModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= rows_.size() || std::size_t(index.column()) >= columns_.size())
        return {};
    const StatementColumn column = columns_[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(StatementCell(rows_[std::size_t(index.row())], column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (StatementColumnIsNumber(column) ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || std::size_t(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(StatementColumnHead(columns_[std::size_t(section)]));
}

} // namespace tarvel
