#pragma once

#include "forms/ledger_form.h"

#include <QAbstractTableModel>
#include <QUndoStack>

namespace tarvel {

// The list of movements as Qt's views see it: a row of the form a row, its
// four columns, numbered by the form with the line each row takes in the
// file (none for a row with nothing typed). A cell typed, a row added or
// removed goes into the form through the undo stack, so that each can be
// undone; a row at fault says so in its cells (a readable red, the reason as
// the tooltip).
class LedgerModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `form` outlives the model: the window's form owns it.
    explicit LedgerModel(LedgerForm& form, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A row with nothing typed before `at`; the row `row` removed: undoable.
    void AddRow(int at);
    void RemoveRow(int row);
    QUndoStack& Undo() { return undo_; }
    // The form read anew (a file opened, a calculation filled in): every row
    // shown again, nothing left to undo.
    void Reload();

signals:
    // A cell, a row, typed, added, removed, undone or done again.
    void Changed();

private:
    friend class LedgerEdit;
    // Into the form, without the undo stack.
    void Put(int row, const LedgerRow& whole);
    void PutRow(int at, const LedgerRow& whole);
    void TakeRow(int row);
    // The faults and the numbers of every row may have changed.
    void Refresh();

    LedgerForm& form_;
    QUndoStack undo_;
};

} // namespace tarvel
