#include "services/postings.h"

#include "db/database.h"

namespace qv {

namespace {

// One statement for "add to the pair's stock, creating the row on its first posting": the
// unique (WName, SID) index makes the insert-or-update atomic, so no second row can appear.
void addStock(Database &db, const QString &warehouse, int goodsId, Money delta)
{
    QSqlQuery &q = db.cached(QStringLiteral(
        "INSERT INTO UKC (WName, SID, theCount) VALUES (?, ?, ?) "
        "ON CONFLICT (WName, SID) DO UPDATE SET theCount = theCount + excluded.theCount"));
    db.run(q, {warehouse, goodsId, delta.toDb()});
}

void addToBalance(Database &db, const QString &sql, int partnerId, Money amount)
{
    QSqlQuery &q = db.cached(sql);
    db.run(q, {amount.toDb(), partnerId});
}

} // namespace

void KC_Up(Database &db, const QString &warehouse, int goodsId, Money quantity)
{
    addStock(db, warehouse, goodsId, quantity);
}

void KC_Do(Database &db, const QString &warehouse, int goodsId, Money quantity)
{
    addStock(db, warehouse, goodsId, -quantity);
}

Money myRetKC(Database &db, const QString &warehouse, int goodsId)
{
    QSqlQuery &q = db.cached(QStringLiteral("SELECT theCount FROM UKC WHERE WName = ? AND SID = ?"));
    db.run(q, {warehouse, goodsId});
    const Money count = q.next() ? Money::fromDb(q.value(0)) : Money();
    // Release the read at once, so an implicit transaction is not held open by a cached query.
    q.finish();
    return count;
}

void YS_Up(Database &db, int partnerId, Money amount)
{
    addToBalance(db, QStringLiteral("UPDATE SUnits SET theYS = theYS + ? WHERE ID = ?"), partnerId, amount);
}

void YS_Do(Database &db, int partnerId, Money amount)
{
    addToBalance(db, QStringLiteral("UPDATE SUnits SET theYS = theYS + ? WHERE ID = ?"), partnerId, -amount);
}

void YF_Up(Database &db, int partnerId, Money amount)
{
    addToBalance(db, QStringLiteral("UPDATE SUnits SET theYF = theYF + ? WHERE ID = ?"), partnerId, amount);
}

void YF_Do(Database &db, int partnerId, Money amount)
{
    addToBalance(db, QStringLiteral("UPDATE SUnits SET theYF = theYF + ? WHERE ID = ?"), partnerId, -amount);
}

void myState(Database &db, StateTable table, const QString &state, int id)
{
    // The table name comes from this fixed list only; the word and the id are bound.
    static const char *const names[] = {"SUser", "SShop", "SType", "SWare", "SAccount", "SStaff", "SUnits"};
    const QString name = QString::fromLatin1(names[static_cast<int>(table)]);
    db.exec(QStringLiteral("UPDATE %1 SET theState = ? WHERE ID = ?").arg(name), {state, id});
}

} // namespace qv
