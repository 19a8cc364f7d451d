#pragma once

#include <QStringList>
#include <QTableWidget>

namespace qv {

// Where each cell of a document line lives. Column 0 holds the row mark; the goods identity
// (and, on the sales grid, the hidden purchase price) lie beyond the visible columns.
struct LineColumns {
    QStringList titles;  // visible titles, "序号" first
    QList<int> widths;
    int code = 1, name = 2, model = 3, unit = 4;
    int price = 5;
    int discount = -1; // sales grid only
    int quantity = 6;
    int amount = 7;
    int remark = 8;
    int id = 9;
    int cost = -1;     // sales grid: the goods' purchase price, the cost when the warehouse has none

    int columnCount() const { return std::max(id, cost) + 1; }
    int lastCell() const { return columnCount() - 1; }
    bool hasDiscount() const { return discount >= 0; }

    static LineColumns salesGrid();
    static LineColumns nineColumnGrid();
};

// The line grid of the entry windows: 99 lines, typed into directly. Each column kind takes
// only its own keys; the first character typed into a cell replaces its text, later ones add
// to it; Backspace takes the last character and Delete the whole text.
class EntryGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int Lines = 99;

    explicit EntryGrid(const LineColumns &columns, QWidget *parent = nullptr);
    const LineColumns &columns() const { return cols_; }

    // Lines are numbered 1..99 as the row marks show them.
    QString cell(int line, int col) const;
    void setCell(int line, int col, const QString &text);
    int currentLine() const { return currentRow() + 1; }
    void setCurrent(int line, int col);
    bool hasGoods(int line) const { return !cell(line, cols_.id).isEmpty(); }
    QList<int> goodsIds() const;
    // Empties the cells of a line, row mark kept.
    void clearLine(int line);
    void clearAll();

    // The line rule run after every key: empty price/discount (or quantity) read as 0, an
    // emptied code removes the line, and the amount follows price, discount and quantity.
    void recomputeLine(int line);

signals:
    // Enter was pressed in a cell (before any move).
    void enterPressed();
    // A key was released: the lines may have changed.
    void keyReleased();
    void searchRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    bool accepts(int col, QChar c, bool lineHasGoods) const;
    void moveAfterEnter(int line, int col);

    LineColumns cols_;
    bool fresh_ = true;
};

} // namespace qv
