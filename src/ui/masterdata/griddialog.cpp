#include "masterdata/griddialog.h"

#include "app/appcontext.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/rowsetmodel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace qv {

GridDialog::GridDialog(AppContext &context, const QString &className, const QString &caption, const QString &group,
                       QWidget *parent)
    : QDialog(parent), ctx_(context)
{
    setObjectName(className);
    setWindowTitle(caption);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("DBGrid1"));
    model_ = new RowSetModel(this);
    attachRowSet(grid, model_);
    menu = new QMenu(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &pos) { menu->exec(grid->viewport()->mapToGlobal(pos)); });

    entryBlock = new QGroupBox(group, this);
    const DialogButtons buttons = saveExitButtons(this, true);
    newButton = buttons.newButton;
    saveButton = buttons.save;
    exitButton = buttons.exit;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid, 1);
    layout->addWidget(entryBlock);
    layout->addLayout(buttons.layout);
}

GridDialog::~GridDialog() = default;

void GridDialog::Ref()
{
    const int keep = grid->currentIndex().row();
    model_->setRows(fetch());
    arrangeColumns();
    if (model_->rowCount() > 0)
        grid->selectRow(std::clamp(keep, 0, model_->rowCount() - 1));
    clearEntry();
}

QAction *GridDialog::addMenuItem(const QString &caption, std::function<void()> action)
{
    QAction *a = menu->addAction(caption);
    connect(a, &QAction::triggered, this, [this, action] {
        if (currentId() != 0)
            guarded(this, action);
    });
    return a;
}

int GridDialog::currentId() const
{
    const QModelIndex i = grid->currentIndex();
    if (model_->rowCount() == 0 || !i.isValid())
        return 0;
    return model_->rows().value(i.row(), QStringLiteral("ID")).toInt();
}

QString GridDialog::currentText(const QString &column) const
{
    const QModelIndex i = grid->currentIndex();
    if (model_->rowCount() == 0 || !i.isValid())
        return {};
    return model_->rows().text(i.row(), column);
}

const RowSet &GridDialog::rows() const { return model_->rows(); }

bool GridDialog::confirmDelete()
{
    return messages().ask(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"), QStringLiteral("删除"), true);
}

void GridDialog::setColumnWidth(const QString &column, int width)
{
    const int c = model_->rows().column(column);
    if (c >= 0)
        grid->setColumnWidth(c, width);
}

void GridDialog::hideColumn(const QString &column)
{
    const int c = model_->rows().column(column);
    if (c >= 0)
        grid->setColumnHidden(c, true);
}

} // namespace qv
