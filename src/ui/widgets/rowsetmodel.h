#pragma once

#include "db/rowset.h"

#include <QAbstractTableModel>

class QTableView;

namespace qv {

// Read-only table model over the rows of a list query. Sorting works on the loaded rows only
// (nothing is queried again) and marks the sorted title: ascending red and bold, descending
// blue and bold.
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RowSetModel(QObject *parent = nullptr);

    void setRows(RowSet rows);
    const RowSet &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // A title click: ascending unless this column is already sorted ascending.
    void toggleSort(int column);
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

private:
    RowSet rows_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

// Shows the model in the view, read-only, whole rows selected, sorting on title clicks.
void attachRowSet(QTableView *view, RowSetModel *model);

} // namespace qv
