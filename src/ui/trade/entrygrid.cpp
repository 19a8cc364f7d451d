#include "trade/entrygrid.h"

#include "money/money.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace qv {

LineColumns LineColumns::salesGrid()
{
    LineColumns c;
    c.titles = {QStringLiteral("序号"), QStringLiteral("商品编码"), QStringLiteral("商品名称"), QStringLiteral("规格型号"),
                QStringLiteral("单位"), QStringLiteral("单价"), QStringLiteral("折扣"), QStringLiteral("数量"),
                QStringLiteral("金额"), QStringLiteral("备注")};
    c.widths = {30, 100, 160, 80, 60, 60, 40, 60, 80, 90};
    c.discount = 6;
    c.quantity = 7;
    c.amount = 8;
    c.remark = 9;
    c.id = 10;
    c.cost = 11;
    return c;
}

LineColumns LineColumns::nineColumnGrid()
{
    LineColumns c;
    c.titles = {QStringLiteral("序号"), QStringLiteral("商品编码"), QStringLiteral("商品名称"), QStringLiteral("规格型号"),
                QStringLiteral("单位"), QStringLiteral("单价"), QStringLiteral("数量"), QStringLiteral("金额"),
                QStringLiteral("备注")};
    c.widths = {30, 100, 160, 80, 60, 80, 60, 100, 90};
    return c;
}

EntryGrid::EntryGrid(const LineColumns &columns, QWidget *parent) : QTableWidget(parent), cols_(columns)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setRowCount(Lines);
    setColumnCount(cols_.columnCount());
    setHorizontalHeaderLabels(cols_.titles);
    for (int c = 0; c < cols_.columnCount(); ++c) {
        if (c < cols_.widths.size())
            setColumnWidth(c, cols_.widths[c]);
        else
            setColumnHidden(c, true);
    }
    // The row mark must show its number whatever the screen font.
    setColumnWidth(0, std::max(columnWidth(0), fontMetrics().horizontalAdvance(QStringLiteral("@ 99")) + 10));
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setTextElideMode(Qt::ElideNone);
    setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    clearAll();
    setCurrent(1, cols_.code);
}

QString EntryGrid::cell(int line, int col) const
{
    const QTableWidgetItem *i = item(line - 1, col);
    return i ? i->text() : QString();
}

void EntryGrid::setCell(int line, int col, const QString &text)
{
    QTableWidgetItem *i = item(line - 1, col);
    if (!i) {
        i = new QTableWidgetItem;
        if (col == 0)
            i->setBackground(palette().button());
        if (col == cols_.price || col == cols_.discount || col == cols_.quantity || col == cols_.amount)
            i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(line - 1, col, i);
    }
    i->setText(text);
}

void EntryGrid::setCurrent(int line, int col)
{
    setCurrentCell(std::clamp(line, 1, Lines) - 1, col);
}

QList<int> EntryGrid::goodsIds() const
{
    QList<int> ids;
    for (int line = 1; line <= Lines; ++line)
        if (hasGoods(line))
            ids << cell(line, cols_.id).toInt();
    return ids;
}

void EntryGrid::clearLine(int line)
{
    for (int c = cols_.code; c <= cols_.lastCell(); ++c)
        setCell(line, c, QString());
}

void EntryGrid::clearAll()
{
    for (int line = 1; line <= Lines; ++line) {
        setCell(line, 0, QStringLiteral("@ %1").arg(line));
        clearLine(line);
    }
}

void EntryGrid::recomputeLine(int line)
{
    if (cell(line, cols_.price).isEmpty())
        setCell(line, cols_.price, QStringLiteral("0"));
    if (cols_.hasDiscount()) {
        if (cell(line, cols_.discount).isEmpty())
            setCell(line, cols_.discount, QStringLiteral("0"));
    } else if (cell(line, cols_.quantity).isEmpty()) {
        setCell(line, cols_.quantity, QStringLiteral("0"));
    }
    if (cell(line, cols_.code).isEmpty()) {
        for (int c = cols_.name; c <= cols_.lastCell(); ++c)
            setCell(line, c, QString());
        return;
    }
    if (!hasGoods(line))
        return;
    // Text that is not (yet) a number leaves the amount as it was; the save names the cell.
    const auto price = Money::parse(cell(line, cols_.price));
    const auto quantity = Money::parse(cell(line, cols_.quantity));
    if (!price || !quantity)
        return;
    int discount = 100;
    if (cols_.hasDiscount()) {
        bool ok = false;
        discount = cell(line, cols_.discount).toInt(&ok);
        if (!ok)
            return;
    }
    setCell(line, cols_.amount, Money::lineAmount(*price, *quantity, discount).toString());
}

bool EntryGrid::accepts(int col, QChar c, bool lineHasGoods) const
{
    if (col == cols_.code)
        return !lineHasGoods;
    if (col == cols_.remark)
        return true;
    if (col == cols_.price || col == cols_.quantity)
        return c.isDigit() || c == u'.';
    if (col == cols_.discount)
        return c.isDigit();
    return false;
}

void EntryGrid::keyPressEvent(QKeyEvent *event)
{
    const int line = currentLine();
    const int col = currentColumn();
    const int key = event->key();
    if (line < 1 || col < 0) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit enterPressed();
        moveAfterEnter(line, col);
        return;
    }
    const bool editable = col == cols_.code || col == cols_.remark || col == cols_.price ||
                          col == cols_.quantity || col == cols_.discount;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (!editable)
            return;
        // Backspace takes the last character (so part of a code can go), Delete the whole text.
        QString t = cell(line, col);
        if (key == Qt::Key_Delete)
            t.clear();
        else
            t.chop(1);
        setCell(line, col, t);
        fresh_ = false;
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!editable || !accepts(col, text[0], hasGoods(line)))
            return; // a filtered key is discarded
        setCell(line, col, (fresh_ ? QString() : cell(line, col)) + text);
        fresh_ = false;
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void EntryGrid::moveAfterEnter(int line, int col)
{
    // The move needs goods on the line the cursor is on now: after a search that filled the
    // line and went on to the next, empty row, the cursor stays there.
    const int now = currentLine();
    if (!hasGoods(now) || now != line)
        return;
    if (col == cols_.code)
        setCurrent(line, cols_.price);
    else if (col == cols_.price)
        setCurrent(line, cols_.hasDiscount() ? cols_.discount : cols_.quantity);
    else if (cols_.hasDiscount() && col == cols_.discount)
        setCurrent(line, cols_.quantity);
    else if (col == cols_.quantity)
        setCurrent(line + 1, cols_.code);
}

void EntryGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    recomputeLine(currentLine());
    emit keyReleased();
}

void EntryGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    emit searchRequested();
}

void EntryGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The row mark column is not a place to type.
    if (current.isValid() && current.column() == 0) {
        setCurrentCell(current.row(), cols_.code);
        return;
    }
    QTableWidget::currentChanged(current, previous);
    fresh_ = true;
}

} // namespace qv
