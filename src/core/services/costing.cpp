#include "services/costing.h"

#include "app/session.h"
#include "app/store.h"
#include "db/database.h"

namespace qv {

namespace {

// Live purchase-receipt lines of the goods into the warehouse (pre-stored ones included).
const QString historyFrom = QStringLiteral(
    " FROM UJH_List L INNER JOIN UJH H ON L.theNum = H.theNum "
    "WHERE H.theDel = '否' AND L.SID = ? AND H.WName = ?");

// One price out of the purchase history, or the line's own price when there is none.
Money fromHistory(Database &db, const QString &select, int goodsId, const QString &warehouse, Money price)
{
    QSqlQuery &q = db.cached(select);
    db.run(q, {goodsId, warehouse});
    Money result = price;
    if (q.next() && !q.value(0).isNull())
        result = Money::fromDb(q.value(0));
    q.finish();
    return result;
}

// Moving weighted average over what the warehouse held before this line and the line itself.
// A cost of 0 counts as "no cost yet"; a total of nothing or less keeps the old cost.
Money weightedAverage(Database &db, int goodsId, Money quantity, const QString &warehouse, Money price,
                      bool stockPosted)
{
    QSqlQuery &q = db.cached(QStringLiteral("SELECT theCount, theCB FROM UKC WHERE WName = ? AND SID = ?"));
    db.run(q, {warehouse, goodsId});
    Money held, cost;
    if (q.next()) {
        held = Money::fromDb(q.value(0));
        cost = Money::fromDb(q.value(1));
        if (stockPosted)
            held -= quantity;
        if (cost.isZero())
            cost = price;
    }
    q.finish();
    const Money total = held + quantity;
    if (total <= Money())
        return cost;
    // A shortfall was already issued at the old cost; everything now on hand came in with this
    // line. Averaging a negative quantity in would give a cost outside every price paid.
    if (held.isNegative())
        return price;
    return (held * cost + price * quantity) / total;
}

} // namespace

bool isCostMethod(const QString &word)
{
    return costMethods().contains(word);
}

void myShopCB(Database &db, const StoreOptions &options, int goodsId, Money quantity, const QString &warehouse,
              Money price, bool stockPosted)
{
    const QString &method = options.CostMethod;
    // Refused before anything is written: an unknown word would leave the goods without a cost.
    if (!isCostMethod(method))
        throw DbError(QStringLiteral("成本核算方法“%1”无效，请在系统设置中重新选择！").arg(method));

    Money cost;
    if (method == QStringLiteral("采购单价")) {
        cost = price;
    } else if (method == QStringLiteral("先进先出")) {
        cost = fromHistory(db, QStringLiteral("SELECT L.thePrice") + historyFrom + QStringLiteral(" ORDER BY L.ID LIMIT 1"),
                           goodsId, warehouse, price);
    } else if (method == QStringLiteral("后进先出")) {
        cost = fromHistory(db, QStringLiteral("SELECT L.thePrice") + historyFrom + QStringLiteral(" ORDER BY L.ID DESC LIMIT 1"),
                           goodsId, warehouse, price);
    } else if (method == QStringLiteral("最高单价")) {
        cost = fromHistory(db, QStringLiteral("SELECT MAX(L.thePrice)") + historyFrom, goodsId, warehouse, price);
    } else if (method == QStringLiteral("最低单价")) {
        cost = fromHistory(db, QStringLiteral("SELECT MIN(L.thePrice)") + historyFrom, goodsId, warehouse, price);
    } else {
        cost = weightedAverage(db, goodsId, quantity, warehouse, price, stockPosted);
    }

    QSqlQuery &goods = db.cached(QStringLiteral("UPDATE SShop SET theCB = ? WHERE ID = ?"));
    db.run(goods, {cost.toDb(), goodsId});
    // A pre-stored line into a warehouse that never held the goods has no stock row: only the
    // goods cost changes.
    QSqlQuery &stock = db.cached(QStringLiteral("UPDATE UKC SET theCB = ? WHERE WName = ? AND SID = ?"));
    db.run(stock, {cost.toDb(), warehouse, goodsId});
}

} // namespace qv
