#pragma once

#include "db/database.h"
#include "money/money.h"
#include "testdb.h"
#include "trade/tradesave.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <ostream>
#include <variant>

namespace qv::test {

inline Money money(const char *text) { return *Money::parse(QString::fromUtf8(text)); }

// A store with two goods in stock and a partner, and a document the entry window would
// accept for any of the four kinds: two lines, everything received now.
struct TradeStore {
    TradeStore()
    {
        Database &d = *s.db;
        screws = addGoods(QStringLiteral("LS01"), QStringLiteral("螺丝"), "4", "12.5");
        nuts = addGoods(QStringLiteral("LM02"), QStringLiteral("螺母"), "1.2", "3");
        d.exec(QStringLiteral("INSERT INTO SUnits (theName, theState, theDel, theType, theYS, theYF) "
                              "VALUES ('甲商行', '启用', '否', '两者皆是', ?, ?)"),
               {money("100").toDb(), money("200").toDb()});
        partner = d.scalar(QStringLiteral("SELECT last_insert_rowid()")).toInt();
        setStock(screws, "10", "3");
        setStock(nuts, "10", "1");
    }

    int addGoods(const QString &code, const QString &name, const char *purchase, const char *sales)
    {
        s.db->exec(QStringLiteral("INSERT INTO SShop (theNum, theType, theName, theStand, theUnit, theJH, theXS, theCB, "
                                  "theState, theDel, theDate) VALUES (?, '', ?, 'M6', '个', ?, ?, ?, '启用', '否', "
                                  "'2024-03-01')"),
                   {code, name, money(purchase).toDb(), money(sales).toDb(), money(purchase).toDb()});
        return s.db->scalar(QStringLiteral("SELECT last_insert_rowid()")).toInt();
    }

    // The stock row as earlier documents left it.
    void setStock(int goods, const char *count, const char *cost, const QString &warehouse = QStringLiteral("商品仓库"))
    {
        s.db->exec(QStringLiteral("INSERT INTO UKC (WName, SID, theCount, theCB) VALUES (?, ?, ?, ?) "
                                  "ON CONFLICT (WName, SID) DO UPDATE SET theCount = excluded.theCount, "
                                  "theCB = excluded.theCB"),
                   {warehouse, goods, money(count).toDb(), money(cost).toDb()});
    }

    TradeLine line(int row, int goods, const char *price, const char *quantity, const char *discount = "100")
    {
        TradeLine l;
        l.row = row;
        l.goodsId = goods;
        l.code = goods == screws ? QStringLiteral("LS01") : QStringLiteral("LM02");
        l.name = goods == screws ? QStringLiteral("螺丝") : QStringLiteral("螺母");
        l.price = QString::fromUtf8(price);
        l.quantity = QString::fromUtf8(quantity);
        l.discount = QString::fromUtf8(discount);
        l.amount = QStringLiteral("0"); // the grid's display; the save computes its own
        return l;
    }

    // 2 screws at 12.5 less 20% (20) and 1.5 nuts at 3 (4.5): 24.5 in all; on the nine-column
    // documents the discount is not there and the screws come to 25 (29.5 in all).
    TradeDocument document(TradeKind kind)
    {
        TradeDocument doc;
        TradeHeader &h = doc.header;
        h.partnerId = partner;
        h.partnerName = QStringLiteral("甲商行");
        h.date = QDate(2024, 3, 10);
        h.warehouse = QStringLiteral("商品仓库");
        h.handler = QStringLiteral("店小二");
        h.account = QStringLiteral("现金");
        h.person = QStringLiteral("掌柜");
        h.remark = QStringLiteral("备注");
        h.received = kind == TradeKind::SalesIssue ? QStringLiteral("24.5") : QStringLiteral("29.5");
        // Row 4 before row 2 in the window's list: lines are saved in row order.
        doc.lines = {line(4, nuts, "3", "1.5"), line(2, screws, "12.5", "2", "80")};
        doc.lines[1].purchasePrice = QStringLiteral("4");
        // A row that carries no goods is not a line.
        TradeLine empty;
        empty.row = 3;
        empty.code = QStringLiteral("半截");
        doc.lines.push_back(empty);
        return doc;
    }

    TradeSaved saved(TradeKind kind, const TradeDocument &doc)
    {
        const TradeSaveResult r = saveTradeDocument(*s.db, s.session, kind, doc);
        if (const Refusal *refusal = std::get_if<Refusal>(&r)) {
            ADD_FAILURE() << "refused: " << refusal->message.toStdString();
            return {};
        }
        return std::get<TradeSaved>(r);
    }

    Refusal refused(TradeKind kind, const TradeDocument &doc)
    {
        const TradeSaveResult r = saveTradeDocument(*s.db, s.session, kind, doc);
        if (const TradeSaved *ok = std::get_if<TradeSaved>(&r)) {
            ADD_FAILURE() << "saved as " << ok->number.toStdString();
            return {};
        }
        return std::get<Refusal>(r);
    }

    QVariant value(const QString &sql, const QVariantList &values = {}) { return s.db->scalar(sql, values); }
    Money moneyAt(const QString &sql, const QVariantList &values = {}) { return Money::fromDb(value(sql, values)); }
    qint64 count(const QString &table)
    {
        return s.db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
    }
    Money stock(int goods, const QString &warehouse = QStringLiteral("商品仓库"))
    {
        return moneyAt(QStringLiteral("SELECT theCount FROM UKC WHERE WName = ? AND SID = ?"), {warehouse, goods});
    }

    // Everything a save may write, as one text: equal before and after means nothing written.
    QString book(const QStringList &tables = AllTables)
    {
        QString out;
        for (const QString &t : tables) {
            QSqlQuery q = s.db->exec(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(t));
            out += t + u'\n';
            while (q.next()) {
                for (int i = 0; i < q.record().count(); ++i)
                    out += q.value(i).toString() + u'|';
                out += u'\n';
            }
        }
        return out;
    }
    static inline const QStringList AllTables{
        "UJH", "UJH_List", "UJH_FK", "UXS",  "UXS_List", "UXS_SK", "UCG_O",  "UCG_O_List", "UCG_O_SK",
        "UXS_O", "UXS_O_List", "UXS_O_FK", "UKC", "SList", "UList", "SUnits", "SShop"};
    // What only a posted document changes (besides the stock quantities).
    static inline const QStringList Postings{"SList", "UList", "SUnits", "UXS_SK", "UJH_FK"};
    QString stockCounts()
    {
        QString out;
        QSqlQuery q = s.db->exec(QStringLiteral("SELECT WName, SID, theCount FROM UKC ORDER BY ID"));
        while (q.next())
            out += QStringLiteral("%1|%2|%3\n").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        return out;
    }

    TestStore s;
    int screws = 0;
    int nuts = 0;
    int partner = 0;
};

} // namespace qv::test
