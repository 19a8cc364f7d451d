#include "widgets/pickerdialog.h"

#include "widgets/rowsetview.h"

#include <QHeaderView>
#include <QKeyEvent>
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
    grid_ = new RowSetView(this, titleSort);
    grid_->load(std::move(rows));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    grid_->installEventFilter(this);
    connect(grid_, &QTableView::doubleClicked, this, [this] { myLoad(); });
    if (grid_->rows().size() > 0)
        grid_->selectRow(0);
    grid_->setFocus();
}

void PickerDialog::offerTakeAll()
{
    grid_->addMenuItem(QStringLiteral("全选 &A"), [this] { takeAll(); });
    grid_->enableMenu(true);
}

void PickerDialog::setColumnWidth(const QString &column, int width) { grid_->setColumnWidth(column, width); }

void PickerDialog::hideColumn(const QString &column) { grid_->hideColumn(column); }

const RowSet &PickerDialog::rows() const { return grid_->rows(); }

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
    if (grid_->rows().size() == 0)
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
