#pragma once

#include "db/condition.h"
#include "db/rowset.h"

#include <QDate>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace qv {

struct AppContext;
class RowSetView;

// The shape every list window shares: a filter block "查询条件" whose check boxes tick
// themselves when their control changes, "查询" that rebuilds the condition (Lab_where) from
// the ticked boxes in the order they were added and reloads, a read-only grid sorted by title
// clicks, a context menu and "Excel" that come alive with the first query, and a status line.
// A member supplies the query, its columns and its actions.
class ListWindow : public QWidget {
    Q_OBJECT
public:
    ListWindow(AppContext &context, const QString &className, const QString &caption, QWidget *parent = nullptr);
    ~ListWindow() override;

    // Filters, in the order their clauses join the condition.
    QLineEdit *addTextFilter(const QString &caption, std::function<Condition(const QString &)> clause);
    QComboBox *addChoiceFilter(const QString &caption, const QStringList &choices,
                               std::function<Condition(const QString &)> clause);
    // A period: both pickers start at one month before today and today.
    std::pair<QDateEdit *, QDateEdit *> addPeriodFilter(const QString &caption,
                                                        std::function<Condition(const QDate &, const QDate &)> clause);
    QCheckBox *filterBox(const QString &caption) const;
    // A button placed before "退出".
    QPushButton *addButton(const QString &caption);
    // A context-menu item acting on the selected row; it does nothing while the list is empty.
    QAction *addMenuItem(const QString &caption, std::function<void()> action);
    void addMenuSeparator();

    // "查询": rebuilds Lab_where from the ticked boxes and reloads.
    void query();
    // Reloads with the current Lab_where.
    void Ref();
    bool hasQueried() const { return queried_; }

    // The selected row (-1 when none) and a column of it.
    int currentRow() const;
    QVariant currentValue(const QString &column) const;
    QString currentText(const QString &column) const;
    const RowSet &rows() const;

    // The delete question; true for Yes.
    bool confirmDelete();

    AppContext &context() { return ctx_; }

    Condition Lab_where;
    QPushButton *queryButton;
    QPushButton *excelButton;
    QPushButton *exitButton;
    RowSetView *grid;
    QMenu *menu;
    QLabel *statusLine;

protected:
    // The rows for a condition.
    virtual RowSet fetch(const Condition &where) = 0;
    // Widths and hidden columns after each load.
    virtual void arrangeColumns() {}
    // The status line after each load ("商品数量：" and the count, say).
    virtual QString statusText() const;
    // Double click on a row.
    virtual void rowActivated() {}
    // "Excel": the export of the loaded rows.
    virtual void exportRows() {}

    void setColumnWidth(const QString &column, int width);
    void hideColumn(const QString &column, bool hidden = true);

    QGridLayout *filterLayout() const { return filterGrid_; }
    void addFilterWidget(QWidget *w);

private:
    struct Filter {
        QCheckBox *box;
        std::function<Condition()> clause;
    };
    QCheckBox *newFilter(const QString &caption, QWidget *control, std::function<Condition()> clause);

    AppContext &ctx_;
    QGridLayout *filterGrid_;
    QHBoxLayout *buttons_;
    std::vector<Filter> filters_;
    bool queried_ = false;
};

} // namespace qv
