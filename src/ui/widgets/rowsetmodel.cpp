#include "widgets/rowsetmodel.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace qv {

RowSetModel::RowSetModel(QObject *parent) : QAbstractTableModel(parent) {}

void RowSetModel::setRows(RowSet rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    sortColumn_ = -1;
    endResetModel();
}

int RowSetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_.size(); }

int RowSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.columns.size());
}

QVariant RowSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return rows_.text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && rows_.columns[index.column()].kind != RowSet::Kind::Text)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(rows_.columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return rows_.columns[section].name;
    if (section == sortColumn_) {
        if (role == Qt::ForegroundRole)
            return QBrush(sortOrder_ == Qt::AscendingOrder ? Qt::red : Qt::blue);
        if (role == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
    }
    return {};
}

void RowSetModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(rows_.columns.size()))
        return;
    const RowSet::Kind kind = rows_.columns[column].kind;
    const auto less = [column, kind](const QVariantList &a, const QVariantList &b) {
        const QVariant &x = a[column];
        const QVariant &y = b[column];
        if (x.isNull() || y.isNull())
            return x.isNull() && !y.isNull();
        if (kind != RowSet::Kind::Text)
            return x.toLongLong() < y.toLongLong();
        return QString::localeAwareCompare(x.toString(), y.toString()) < 0;
    };
    emit layoutAboutToBeChanged();
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows_.rows.begin(), rows_.rows.end(), less);
    else
        std::stable_sort(rows_.rows.begin(), rows_.rows.end(),
                         [&less](const QVariantList &a, const QVariantList &b) { return less(b, a); });
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutChanged();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void RowSetModel::toggleSort(int column)
{
    const bool ascendingNow = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder;
    sort(column, ascendingNow ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void attachRowSet(QTableView *view, RowSetModel *model)
{
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, model,
                     [model](int section) { model->toggleSort(section); });
}

} // namespace qv
