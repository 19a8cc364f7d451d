#pragma once

#include "db/rowset.h"

#include <QDialog>
#include <functional>


namespace qv {

class RowSetView;

// A modal list to choose from: arrows move, Enter or a double click takes the row, Esc closes
// with nothing chosen, every other typed key is ignored. Optionally a context-menu item takes
// every row. The caller code names the window that asked (the partner and goods pickers).
class PickerDialog : public QDialog {
    Q_OBJECT
public:
    PickerDialog(const QString &className, const QString &caption, const QString &callerCode, RowSet rows,
                 QSize size, bool titleSort, QWidget *parent = nullptr);

    // Adds the context-menu item "全选 &A".
    void offerTakeAll();

    void setColumnWidth(const QString &column, int width);
    void hideColumn(const QString &column);

    // What was chosen after exec(): one row, or every row.
    int chosenRow() const { return chosen_; }
    bool tookAll() const { return all_; }
    const RowSet &rows() const;
    const QString &callerCode() const { return caller_; }
    RowSetView *grid() const { return grid_; }

    // Takes the current row (Enter, double click) or every row.
    void myLoad();
    void takeAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString caller_;
    RowSetView *grid_;
    int chosen_ = -1;
    bool all_ = false;
};

} // namespace qv
