#include "trade/entrysearch.h"

#include "app/session.h"
#include "db/condition.h"
#include "db/database.h"

namespace qv {

namespace {

// A column alias chosen by the store (the parameter labels), quoted as an identifier.
QString alias(const QString &label)
{
    QString s = label;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

Condition goodsMatch(const QString &text, bool withSpecification)
{
    const QString p = containsPattern(text);
    QString sql = QStringLiteral(" AND ((theName") + LikeEscaped + QStringLiteral(" OR thePY") + LikeEscaped +
                  QStringLiteral(" OR theNum") + LikeEscaped;
    QVariantList values{p, p, p};
    if (withSpecification) {
        sql += QStringLiteral(" OR theStand") + LikeEscaped;
        values << p;
    }
    sql += QStringLiteral("))");
    return Condition().add(sql, values);
}

} // namespace

RowSet searchPartners(Database &db, const QString &excludedType, const QString &name, const QString &contact,
                      const QString &phone, const QString &address)
{
    Condition c;
    c.add(QStringLiteral(" AND (theType<>?)"), {excludedType});
    c.add(QStringLiteral(" AND ((theName") + LikeEscaped + QStringLiteral(" OR thePY") + LikeEscaped + QStringLiteral("))"),
          {containsPattern(name), containsPattern(name)});
    c.add(QStringLiteral(" AND (thePro") + LikeEscaped + QStringLiteral(")"), {containsPattern(contact)});
    c.add(QStringLiteral(" AND (thePho") + LikeEscaped + QStringLiteral(")"), {containsPattern(phone)});
    c.add(QStringLiteral(" AND (theAdd") + LikeEscaped + QStringLiteral(")"), {containsPattern(address)});
    return fetchRows(db,
                     QStringLiteral("SELECT theName AS 单位名称, thePro AS 联系人, thePho AS 联系电话, theAdd AS 地址, "
                                    "Remark AS 备注, ID FROM SUnits WHERE (theState = '启用') AND (theDel='否')") +
                         c.sql + QStringLiteral(" ORDER BY theType, theName"),
                     c.values);
}

RowSet searchGoods(Database &db, const StoreOptions &options, PickerPrice price, const QString &text,
                   const QList<int> &excludeIds, bool withSpecification)
{
    const bool sales = price == PickerPrice::Sales;
    Condition c = goodsMatch(text, withSpecification);
    if (!excludeIds.isEmpty()) {
        QStringList marks;
        QVariantList ids;
        for (int id : excludeIds) {
            marks << QStringLiteral("?");
            ids << id;
        }
        c.add(QStringLiteral(" AND (ID NOT IN (%1))").arg(marks.join(u',')), ids);
    }
    const QString sql =
        QStringLiteral("SELECT theNum AS 商品编码, theType AS 商品分类, theName AS 商品名称, theStand AS 规格型号, "
                       "theCS1 AS %1, theCS2 AS %2, theCS3 AS %3, theUnit AS 单位, %4, Remark AS 备注, ID, theZK, %5 "
                       "FROM SShop WHERE (theState = '启用') AND (theDel='否')")
            .arg(alias(options.ParamLabel1), alias(options.ParamLabel2), alias(options.ParamLabel3),
                 sales ? QStringLiteral("theXS AS 销售单价") : QStringLiteral("theJH AS 采购单价"),
                 sales ? QStringLiteral("theJH") : QStringLiteral("theXS")) +
        c.sql + QStringLiteral(" ORDER BY theType, theName, theUnit");
    return fetchRows(db, sql, c.values,
                     {QStringLiteral("销售单价"), QStringLiteral("采购单价"), QStringLiteral("theJH"), QStringLiteral("theXS")});
}

QList<int> matchingGoodsIds(Database &db, const QString &text, bool withSpecification)
{
    const Condition c = goodsMatch(text, withSpecification);
    QSqlQuery q = db.exec(QStringLiteral("SELECT ID FROM SShop WHERE (theState = '启用') AND (theDel='否')") + c.sql,
                          c.values);
    QList<int> ids;
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

GoodsPick goodsPickFromRow(const RowSet &rows, int row, PickerPrice price)
{
    GoodsPick g;
    g.id = rows.value(row, QStringLiteral("ID")).toInt();
    g.code = rows.text(row, QStringLiteral("商品编码"));
    g.name = rows.text(row, QStringLiteral("商品名称"));
    g.model = rows.text(row, QStringLiteral("规格型号"));
    g.unit = rows.text(row, QStringLiteral("单位"));
    g.remark = rows.text(row, QStringLiteral("备注"));
    g.discount = rows.value(row, QStringLiteral("theZK")).toInt();
    if (price == PickerPrice::Sales) {
        g.salesPrice = rows.money(row, QStringLiteral("销售单价"));
        g.purchasePrice = rows.money(row, QStringLiteral("theJH"));
    } else {
        g.purchasePrice = rows.money(row, QStringLiteral("采购单价"));
        g.salesPrice = rows.money(row, QStringLiteral("theXS"));
    }
    return g;
}

GoodsPick loadGoodsPick(Database &db, int goodsId)
{
    const RowSet rs = fetchRows(db,
                                QStringLiteral("SELECT theNum AS 商品编码, theName AS 商品名称, theStand AS 规格型号, "
                                               "theUnit AS 单位, theXS AS 销售单价, Remark AS 备注, ID, theZK, theJH "
                                               "FROM SShop WHERE ID = ?"),
                                {goodsId}, {QStringLiteral("销售单价"), QStringLiteral("theJH")});
    if (rs.size() != 1)
        return {};
    return goodsPickFromRow(rs, 0, PickerPrice::Sales);
}

RowSet historyPrices(Database &db, const QString &kind, int partnerId, int goodsId)
{
    const bool sales = kind == QStringLiteral("XS");
    const QString header = sales ? QStringLiteral("UXS") : QStringLiteral("UJH");
    const QString sql =
        QStringLiteral("SELECT H.myDate AS %1, H.theNum AS 单号, S.theNum AS 商品编码, S.theName AS 商品名称, "
                       "S.theStand AS 规格, S.theUnit AS 单位, L.thePrice AS 单价, L.theCount AS 数量, "
                       "L.theSum AS 金额 FROM %2_List L INNER JOIN %2 H ON L.theNum = H.theNum "
                       "INNER JOIN SShop S ON L.SID = S.ID "
                       "WHERE (H.theDel='否') AND (H.UID = ?) AND (L.SID = ?) ORDER BY L.ID DESC")
            .arg(sales ? QStringLiteral("销售日期") : QStringLiteral("采购日期"), header);
    return fetchRows(db, sql, {partnerId, goodsId}, {QStringLiteral("单价"), QStringLiteral("数量"), QStringLiteral("金额")});
}

} // namespace qv
