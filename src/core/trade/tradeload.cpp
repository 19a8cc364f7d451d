#include "trade/tradeload.h"

#include "db/database.h"
#include "db/values.h"
#include "trade/tradekinds.h"

namespace qv {

std::optional<TradeDocument> loadTradeDocument(Database &db, TradeKind kind, const QString &number)
{
    const TradeKindDef &def = tradeKind(kind);
    if (!def.canPreSave)
        return std::nullopt;

    TradeDocument doc;
    TradeHeader &h = doc.header;
    {
        QSqlQuery q = db.exec(QStringLiteral("SELECT H.myDate, U.theName, H.WName, H.UName, H.AName, H.Remark, H.UID "
                                             "FROM %1 H INNER JOIN SUnits U ON H.UID = U.ID "
                                             "WHERE H.theNum = ? AND H.theDel = '否' AND H.theYC = '是'")
                                  .arg(def.header),
                              {number});
        if (!q.next())
            return std::nullopt;
        h.date = QDate::fromString(textOf(q, QStringLiteral("myDate")), QStringLiteral("yyyy-MM-dd"));
        h.partnerName = textOf(q, QStringLiteral("theName"));
        h.warehouse = textOf(q, QStringLiteral("WName"));
        h.handler = textOf(q, QStringLiteral("UName"));
        h.account = textOf(q, QStringLiteral("AName"));
        h.remark = textOf(q, QStringLiteral("Remark"));
        h.partnerId = q.value(QStringLiteral("UID")).toInt();
        // Two live documents under one number: the window would not know which to show.
        if (q.next())
            return std::nullopt;
    }
    h.myNum = number;

    QSqlQuery q = db.exec(QStringLiteral("SELECT S.theNum, S.theName, S.theStand, S.theUnit, L.thePrice, L.theCount, "
                                         "L.theSum, L.Remark, L.SID%2 FROM %1 L INNER JOIN SShop S ON L.SID = S.ID "
                                         "WHERE L.theNum = ? ORDER BY L.theBH, L.ID")
                              .arg(def.lines, def.hasDiscount ? QStringLiteral(", L.theZK") : QString()),
                          {number});
    Money total;
    int row = 0;
    while (q.next()) {
        TradeLine l;
        l.row = ++row;
        l.code = textOf(q, QStringLiteral("theNum"));
        l.name = textOf(q, QStringLiteral("theName"));
        l.model = textOf(q, QStringLiteral("theStand"));
        l.unit = textOf(q, QStringLiteral("theUnit"));
        l.price = moneyOf(q, QStringLiteral("thePrice")).toString();
        if (def.hasDiscount)
            l.discount = QString::number(q.value(QStringLiteral("theZK")).toLongLong());
        l.quantity = moneyOf(q, QStringLiteral("theCount")).toString();
        const Money amount = moneyOf(q, QStringLiteral("theSum"));
        l.amount = amount.toString();
        l.remark = textOf(q, QStringLiteral("Remark"));
        l.goodsId = q.value(QStringLiteral("SID")).toInt();
        total += amount;
        doc.lines.push_back(l);
    }
    // The window's totals step proposes that everything is received now.
    h.received = total.toString();
    return doc;
}

} // namespace qv
