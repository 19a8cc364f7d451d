#include "widgets/listwindow.h"

#include "app/appcontext.h"
#include "widgets/guarded.h"
#include "widgets/rowsetview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {

namespace {
constexpr int FiltersPerRow = 3;
}

ListWindow::ListWindow(AppContext &context, const QString &className, const QString &caption, QWidget *parent)
    : QWidget(parent), ctx_(context)
{
    setObjectName(className);
    setWindowTitle(caption);

    auto *filters = new QGroupBox(QStringLiteral("查询条件"), this);
    filterGrid_ = new QGridLayout(filters);
    filterGrid_->setHorizontalSpacing(6);

    queryButton = new QPushButton(QStringLiteral("查询"), this);
    excelButton = new QPushButton(QStringLiteral("Excel"), this);
    exitButton = new QPushButton(QStringLiteral("退出"), this);
    excelButton->setEnabled(false);
    buttons_ = new QHBoxLayout;
    buttons_->addWidget(queryButton);
    buttons_->addWidget(excelButton);
    buttons_->addWidget(exitButton);

    auto *top = new QHBoxLayout;
    top->addWidget(filters, 1);
    top->addLayout(buttons_);

    // No context menu before the first query.
    grid = new RowSetView(this);
    menu = grid->menu();
    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("StatusBar1"));
    statusLine->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    layout->addWidget(statusLine);

    connect(queryButton, &QPushButton::clicked, this, [this] { query(); });
    connect(excelButton, &QPushButton::clicked, this, [this] {
        if (queried_)
            exportRows();
    });
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(grid, &QTableView::doubleClicked, this, [this] {
        if (currentRow() >= 0)
            rowActivated();
    });
}

ListWindow::~ListWindow() = default;

QCheckBox *ListWindow::newFilter(const QString &caption, QWidget *control, std::function<Condition()> clause)
{
    auto *box = new QCheckBox(caption, this);
    const int n = int(filters_.size());
    filterGrid_->addWidget(box, n / FiltersPerRow, (n % FiltersPerRow) * 2);
    filterGrid_->addWidget(control, n / FiltersPerRow, (n % FiltersPerRow) * 2 + 1);
    filters_.push_back({box, std::move(clause)});
    return box;
}

void ListWindow::addFilterWidget(QWidget *w)
{
    const int n = int(filters_.size());
    filterGrid_->addWidget(w, (n + FiltersPerRow - 1) / FiltersPerRow, 0, 1, FiltersPerRow * 2);
}

QLineEdit *ListWindow::addTextFilter(const QString &caption, std::function<Condition(const QString &)> clause)
{
    auto *edit = new QLineEdit(this);
    QCheckBox *box = newFilter(caption, edit, [edit, clause] { return clause(edit->text()); });
    connect(edit, &QLineEdit::textChanged, box, [box] { box->setChecked(true); });
    return edit;
}

QComboBox *ListWindow::addChoiceFilter(const QString &caption, const QStringList &choices,
                                       std::function<Condition(const QString &)> clause)
{
    auto *combo = new QComboBox(this);
    combo->addItems(choices);
    combo->setCurrentIndex(-1);
    QCheckBox *box = newFilter(caption, combo, [combo, clause] { return clause(combo->currentText()); });
    connect(combo, &QComboBox::activated, box, [box] { box->setChecked(true); });
    return combo;
}

std::pair<QDateEdit *, QDateEdit *> ListWindow::addPeriodFilter(
    const QString &caption, std::function<Condition(const QDate &, const QDate &)> clause)
{
    auto *holder = new QWidget(this);
    auto *row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    const QDate today = QDate::currentDate();
    auto *from = new QDateEdit(today.addMonths(-1), holder);
    auto *to = new QDateEdit(today, holder);
    for (QDateEdit *d : {from, to}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    row->addWidget(from);
    row->addWidget(new QLabel(QStringLiteral("至"), holder));
    row->addWidget(to);
    QCheckBox *box = newFilter(caption, holder, [from, to, clause] { return clause(from->date(), to->date()); });
    for (QDateEdit *d : {from, to})
        connect(d, &QDateEdit::dateChanged, box, [box] { box->setChecked(true); });
    return {from, to};
}

QCheckBox *ListWindow::filterBox(const QString &caption) const
{
    for (const Filter &f : filters_)
        if (f.box->text() == caption)
            return f.box;
    return nullptr;
}

QPushButton *ListWindow::addButton(const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    buttons_->insertWidget(buttons_->count() - 1, b);
    return b;
}

QAction *ListWindow::addMenuItem(const QString &caption, std::function<void()> action)
{
    return grid->addMenuItem(caption, std::move(action));
}

void ListWindow::addMenuSeparator() { menu->addSeparator(); }

void ListWindow::query()
{
    Condition where;
    for (const Filter &f : filters_)
        if (f.box->isChecked())
            where.add(f.clause());
    Lab_where = where;
    if (!guarded(this, [this] { Ref(); }))
        return;
    queried_ = true;
    grid->enableMenu(true);
    excelButton->setEnabled(true);
}

void ListWindow::Ref()
{
    grid->load(fetch(Lab_where));
    arrangeColumns();
    statusLine->setText(statusText());
}

QString ListWindow::statusText() const { return QStringLiteral("记录数：%1").arg(rows().size()); }

int ListWindow::currentRow() const { return grid->currentRowIndex(); }

QVariant ListWindow::currentValue(const QString &column) const { return grid->currentValue(column); }

QString ListWindow::currentText(const QString &column) const { return grid->currentText(column); }

const RowSet &ListWindow::rows() const { return grid->rows(); }

bool ListWindow::confirmDelete() { return askDelete(this); }

void ListWindow::setColumnWidth(const QString &column, int width) { grid->setColumnWidth(column, width); }

void ListWindow::hideColumn(const QString &column, bool hidden) { grid->hideColumn(column, hidden); }

} // namespace qv
