#pragma once

#include "db/database.h"
#include "money/money.h"
#include "testdb.h"

#include <QString>
#include <QVariant>
#include <ostream>

// Small helpers that put rows in place with bound values, the way the saves would.
namespace qv::test {

inline Money m(const char *text) { return *Money::parse(QString::fromUtf8(text)); }

inline int lastId(Database &db) { return db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toInt(); }

inline int addGoods(Database &db, const QString &name, Money purchase = {}, Money sales = {}, Money cost = {},
                    const QString &date = QStringLiteral("2024-03-01"))
{
    db.exec(QStringLiteral("INSERT INTO SShop (theNum, theType, theName, theJH, theXS, theCB, theState, theDel, theDate) "
                           "VALUES (?, '', ?, ?, ?, ?, '启用', '否', ?)"),
            {name, name, purchase.toDb(), sales.toDb(), cost.toDb(), date});
    return lastId(db);
}

inline int addPartner(Database &db, const QString &name, Money ys = {}, Money yf = {})
{
    db.exec(QStringLiteral("INSERT INTO SUnits (theName, theState, theDel, theType, theYS, theYF) "
                           "VALUES (?, '启用', '否', '两者皆是', ?, ?)"),
            {name, ys.toDb(), yf.toDb()});
    return lastId(db);
}

struct TradeLine {
    QString header = QStringLiteral("UJH"); // UJH or UXS
    QString number;
    int partnerId = 0;
    QString warehouse = QStringLiteral("商品仓库");
    int goodsId = 0;
    Money price;
    Money count = Money::units(1);
    bool deleted = false;
    bool prestored = false;
    QString date = QStringLiteral("2024-03-15");
};

// One header with one line; the line's ID grows with each call, so later calls are "newer".
inline void addTradeLine(Database &db, const TradeLine &l)
{
    db.exec(QStringLiteral("INSERT INTO %1 (theDate, theNum, UID, theDel, WName, theYC, myDate) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)")
                .arg(l.header),
            {l.date, l.number, l.partnerId, l.deleted ? QStringLiteral("是") : QStringLiteral("否"), l.warehouse,
             l.prestored ? QStringLiteral("是") : QStringLiteral("否"), l.date});
    db.exec(QStringLiteral("INSERT INTO %1_List (theNum, SID, thePrice, theCount, theSum, theBH) "
                           "VALUES (?, ?, ?, ?, ?, 1)")
                .arg(l.header),
            {l.number, l.goodsId, l.price.toDb(), l.count.toDb(), (l.price * l.count).toDb()});
}

inline Money moneyAt(Database &db, const QString &sql, const QVariantList &values)
{
    return Money::fromDb(db.scalar(sql, values));
}

inline qint64 countOf(Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
}

} // namespace qv::test
