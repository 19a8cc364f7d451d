#include "widgets/rowsetview.h"

#include "widgets/guarded.h"
#include "widgets/rowsetmodel.h"

#include <QHeaderView>
#include <QMenu>
#include <algorithm>

namespace qv {

RowSetView::RowSetView(QWidget *parent, bool titleSort) : QTableView(parent)
{
    setObjectName(QStringLiteral("DBGrid1"));
    model_ = new RowSetModel(this);
    attachRowSet(this, model_);
    if (!titleSort)
        horizontalHeader()->setSectionsClickable(false);
    menu_ = new QMenu(this);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &pos) { menu_->exec(viewport()->mapToGlobal(pos)); });
}

void RowSetView::load(RowSet rows)
{
    const int keep = currentRowIndex();
    model_->setRows(std::move(rows));
    if (model_->rowCount() > 0)
        selectRow(std::clamp(keep, 0, model_->rowCount() - 1));
}

const RowSet &RowSetView::rows() const { return model_->rows(); }

void RowSetView::setColumnWidth(const QString &column, int width)
{
    const int c = rows().column(column);
    if (c >= 0)
        QTableView::setColumnWidth(c, width);
}

void RowSetView::hideColumn(const QString &column, bool hidden)
{
    const int c = rows().column(column);
    if (c >= 0)
        setColumnHidden(c, hidden);
}

int RowSetView::currentRowIndex() const
{
    if (model_->rowCount() == 0)
        return -1;
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

QVariant RowSetView::currentValue(const QString &column) const { return rows().value(currentRowIndex(), column); }

QString RowSetView::currentText(const QString &column) const
{
    return rows().text(currentRowIndex(), rows().column(column));
}

QAction *RowSetView::addMenuItem(const QString &caption, std::function<void()> action)
{
    QAction *a = menu_->addAction(caption);
    connect(a, &QAction::triggered, this, [this, action] {
        if (currentRowIndex() >= 0)
            guarded(window(), action);
    });
    return a;
}

void RowSetView::enableMenu(bool on) { setContextMenuPolicy(on ? Qt::CustomContextMenu : Qt::NoContextMenu); }

} // namespace qv
