#pragma once

#include "db/rowset.h"

#include <QDialog>
#include <functional>

class QGroupBox;
class QMenu;
class QPushButton;

namespace qv {

struct AppContext;
class RowSetView;

// The shape of the small modal list windows (categories, warehouses, handlers, accounts): the
// list in the upper part, an entry block below it with "新增", "保存" and "退出", and a context
// menu acting on the selected row.
class GridDialog : public QDialog {
    Q_OBJECT
public:
    GridDialog(AppContext &context, const QString &className, const QString &caption, const QString &group,
               QWidget *parent);
    ~GridDialog() override;

    // Reloads the list, keeping the selected row where it can, and clears the entry block.
    void Ref();

    // A context-menu item; it does nothing while the list is empty.
    QAction *addMenuItem(const QString &caption, std::function<void()> action);
    // The selected row's ID (0 when none) and a column of it.
    int currentId() const;
    QString currentText(const QString &column) const;
    const RowSet &rows() const;
    // The delete question; true for Yes.
    bool confirmDelete();

    AppContext &context() { return ctx_; }

    RowSetView *grid;
    QMenu *menu;
    QGroupBox *entryBlock;
    QPushButton *newButton, *saveButton, *exitButton;

protected:
    virtual RowSet fetch() = 0;
    // Widths and hidden columns after each load.
    virtual void arrangeColumns() = 0;
    // What a reload clears in the entry block.
    virtual void clearEntry() = 0;
    void setColumnWidth(const QString &column, int width);
    void hideColumn(const QString &column);

private:
    AppContext &ctx_;
};

} // namespace qv
