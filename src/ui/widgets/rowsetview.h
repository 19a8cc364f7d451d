#pragma once

#include "db/rowset.h"

#include <QTableView>
#include <functional>

class QMenu;

namespace qv {

class RowSetModel;

// A read-only grid over the rows of a list query, as every list, picker and small list window
// shows them: whole rows selected, columns addressed by their titles, an optional title-click
// sort, and a context menu whose items act on the selected row and do nothing on an empty list.
class RowSetView : public QTableView {
    Q_OBJECT
public:
    explicit RowSetView(QWidget *parent = nullptr, bool titleSort = true);

    // Shows new rows, keeping the selection on the same row number where it can.
    void load(RowSet rows);
    const RowSet &rows() const;

    using QTableView::hideColumn;
    using QTableView::setColumnWidth;
    void setColumnWidth(const QString &column, int width);
    void hideColumn(const QString &column, bool hidden = true);

    // The selected row (-1 when there is none) and a column of it.
    int currentRowIndex() const;
    QVariant currentValue(const QString &column) const;
    QString currentText(const QString &column) const;

    QMenu *menu() const { return menu_; }
    // A context-menu item acting on the selected row; engine errors go to the error box.
    QAction *addMenuItem(const QString &caption, std::function<void()> action);
    // Whether a right click opens the menu.
    void enableMenu(bool on);

private:
    RowSetModel *model_;
    QMenu *menu_;
};

} // namespace qv
