#pragma once

#include "calc/statement_line.h"

#include <QAbstractTableModel>

#include <span>
#include <vector>

namespace tarvel {

// The statement shown as a table: a row per StatementLine, the columns the
// lines fill, each headed as the page heads it, counts and amounts to the
// right. Holds the form's rows as the form lends them, until Show is called
// again; copies nothing of them.
class StatementModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows the form shows now: they stay the form's, unchanged, until the next Show.
    void Show(std::span<const StatementLine> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::span<const StatementLine> rows_;
    std::vector<StatementColumn> columns_;
};

} // namespace tarvel
