#include "masterdata/griddialog.h"

#include "app/appcontext.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/rowsetview.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {

GridDialog::GridDialog(AppContext &context, const QString &className, const QString &caption, const QString &group,
                       QWidget *parent)
    : QDialog(parent), ctx_(context)
{
    setObjectName(className);
    setWindowTitle(caption);
    grid = new RowSetView(this);
    grid->enableMenu(true);
    menu = grid->menu();

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
    grid->load(fetch());
    arrangeColumns();
    clearEntry();
}

QAction *GridDialog::addMenuItem(const QString &caption, std::function<void()> action)
{
    return grid->addMenuItem(caption, std::move(action));
}

int GridDialog::currentId() const { return grid->currentValue(QStringLiteral("ID")).toInt(); }

QString GridDialog::currentText(const QString &column) const { return grid->currentText(column); }

const RowSet &GridDialog::rows() const { return grid->rows(); }

bool GridDialog::confirmDelete() { return askDelete(this); }

void GridDialog::setColumnWidth(const QString &column, int width) { grid->setColumnWidth(column, width); }

void GridDialog::hideColumn(const QString &column) { grid->hideColumn(column); }

} // namespace qv
