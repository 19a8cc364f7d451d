#include "widgets/pickerdialog.h"

#include "widgets/rowsetmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {

PickerDialog::PickerDialog(const QString &className, const QString &caption, const QString &callerCode, RowSet rows,
                           QSize size, bool titleSort, QWidget *parent)
    : QDialog(parent), caller_(callerCode)
{
    setObjectName(className);
    setWindowTitle(caption);
    resize(size);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    model_ = new RowSetModel(this);
    model_->setRows(std::move(rows));
    attachRowSet(grid_, model_);
    if (!titleSort)
        grid_->horizontalHeader()->setSectionsClickable(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    grid_->installEventFilter(this);
    connect(grid_, &QTableView::doubleClicked, this, [this] { myLoad(); });
    if (model_->rowCount() > 0)
        grid_->selectRow(0);
    grid_->setFocus();
}

void PickerDialog::offerTakeAll()
{
    auto *menu = new QMenu(this);
    menu->addAction(QStringLiteral("全选 &A"), this, [this] { takeAll(); });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QTableView::customContextMenuRequested, this,
            [this, menu](const QPoint &p) { menu->exec(grid_->viewport()->mapToGlobal(p)); });
}

void PickerDialog::setColumnWidth(const QString &column, int width)
{
    const int c = model_->rows().column(column);
    if (c >= 0)
        grid_->setColumnWidth(c, width);
}

void PickerDialog::hideColumn(const QString &column)
{
    const int c = model_->rows().column(column);
    if (c >= 0)
        grid_->setColumnHidden(c, true);
}

const RowSet &PickerDialog::rows() const { return model_->rows(); }

void PickerDialog::myLoad()
{
    const QModelIndex i = grid_->currentIndex();
    if (!i.isValid())
        return;
    chosen_ = i.row();
    accept();
}

void PickerDialog::takeAll()
{
    if (model_->rowCount() == 0)
        return;
    all_ = true;
    accept();
}

bool PickerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            myLoad();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return false;
        default:
            return !key->text().isEmpty(); // typed characters are ignored
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qv
