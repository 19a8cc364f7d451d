#include "app/store.h"

#include "db/database.h"
#include "db/values.h"

namespace qv {

const QStringList &costMethods()
{
    static const QStringList words{QStringLiteral("移动加权平均"), QStringLiteral("先进先出"),
                                   QStringLiteral("后进先出"),     QStringLiteral("最高单价"),
                                   QStringLiteral("最低单价"),     QStringLiteral("采购单价")};
    return words;
}

StoreOptions FindDept(Database &db)
{
    StoreOptions o;
    o.StockAlertOn.clear();
    QSqlQuery q = db.exec(QStringLiteral(
        "SELECT theName, thePhone, theAdd, theGG, theTX, theKC, theJH, theXS, theJH1, theXS1, theCB, theFKC, "
        "theKCMin, theKCMax, theCS1, theCS2, theCS3, theCS FROM SDept ORDER BY ID LIMIT 1"));
    if (!q.next())
        return o;
    o.StoreName = textOf(q, QStringLiteral("theName"));
    o.StockAlertOn = yesNoText(q.value(QStringLiteral("theTX")));
    o.DefMinStock = moneyOf(q, QStringLiteral("theKCMin")).toString();
    o.DefMaxStock = moneyOf(q, QStringLiteral("theKCMax")).toString();
    o.AutoPurchasePrice = yesNo(q.value(QStringLiteral("theJH")));
    o.AutoSalesPrice = yesNo(q.value(QStringLiteral("theXS")));
    o.LastPurchasePrice = yesNo(q.value(QStringLiteral("theJH1")));
    o.LastSalesPrice = yesNo(q.value(QStringLiteral("theXS1")));
    o.CostMethod = textOf(q, QStringLiteral("theCB"));
    o.AllowNegative = yesNo(q.value(QStringLiteral("theFKC")));
    o.ParamLabel1 = textOf(q, QStringLiteral("theCS1"));
    o.ParamLabel2 = textOf(q, QStringLiteral("theCS2"));
    o.ParamLabel3 = textOf(q, QStringLiteral("theCS3"));
    o.PrintWithParams = yesNo(q.value(QStringLiteral("theCS")));
    return o;
}

StoreSettings loadStoreSettings(Database &db)
{
    StoreSettings s;
    QSqlQuery q = db.exec(QStringLiteral(
        "SELECT theName, thePhone, theAdd, theGG, theZH, theSW, theT1, theT2, theGS, theTX, theKC, theJH, theXS, "
        "theJH1, theXS1, theCB, theFKC, theKCMin, theKCMax, theCS1, theCS2, theCS3, theCS FROM SDept "
        "ORDER BY ID LIMIT 1"));
    if (!q.next())
        return s;
    const auto t = [&q](const char *c) { return textOf(q, QString::fromLatin1(c)); };
    const auto b = [&q](const char *c) { return yesNo(q.value(QString::fromLatin1(c))); };
    s.theName = t("theName");
    s.thePhone = t("thePhone");
    s.theAdd = t("theAdd");
    s.theGG = t("theGG");
    s.theZH = t("theZH");
    s.theSW = t("theSW");
    s.theT1 = t("theT1");
    s.theT2 = t("theT2");
    s.theGS = t("theGS");
    s.theTX = b("theTX");
    s.theKCMin = moneyOf(q, QStringLiteral("theKCMin")).toString();
    s.theKCMax = moneyOf(q, QStringLiteral("theKCMax")).toString();
    s.theFKC = b("theFKC");
    s.theJH = b("theJH");
    s.theXS = b("theXS");
    s.theJH1 = b("theJH1");
    s.theXS1 = b("theXS1");
    s.theCB = t("theCB");
    s.theCS1 = t("theCS1");
    s.theCS2 = t("theCS2");
    s.theCS3 = t("theCS3");
    s.theCS = b("theCS");
    return s;
}

std::optional<Refusal> saveStoreSettings(Database &db, const StoreSettings &s)
{
    if (s.theName.isEmpty())
        return Refusal{QStringLiteral("本店名称 不能为空！"), QStringLiteral("theName")};
    // The limits are optional: empty reads as 0; text that is no number is refused by name.
    const std::optional<Money> minStock = Money::parseOrZero(s.theKCMin);
    if (!minStock)
        return Refusal{notANumber(QStringLiteral("最低库存")), QStringLiteral("theKCMin")};
    const std::optional<Money> maxStock = Money::parseOrZero(s.theKCMax);
    if (!maxStock)
        return Refusal{notANumber(QStringLiteral("最高库存")), QStringLiteral("theKCMax")};
    Transaction tx(db);
    db.exec(QStringLiteral(
                "UPDATE SDept SET theName=?, thePhone=?, theAdd=?, theGG=?, theZH=?, theSW=?, theT1=?, theT2=?, "
                "theGS=?, theKCMin=?, theKCMax=?, theTX=?, theJH=?, theXS=?, theJH1=?, theXS1=?, theCB=?, theFKC=?, "
                "theCS1=?, theCS2=?, theCS3=?, theCS=?"),
            {s.theName, s.thePhone, s.theAdd, s.theGG, s.theZH, s.theSW, s.theT1, s.theT2, s.theGS,
             minStock->toDb(), maxStock->toDb(), int(s.theTX), int(s.theJH), int(s.theXS), int(s.theJH1),
             int(s.theXS1), s.theCB, int(s.theFKC), s.theCS1, s.theCS2, s.theCS3, int(s.theCS)});
    tx.commit();
    return std::nullopt;
}

bool stockAlertRaised(Database &db, const StoreOptions &options)
{
    if (options.StockAlertOn != QStringLiteral("True"))
        return false;
    return db.exists(QStringLiteral(
        "SELECT UKC.ID FROM UKC INNER JOIN SShop ON UKC.SID = SShop.ID WHERE (SShop.theDel = '否') "
        "AND ((UKC.theCount < SShop.theKCMin) OR (UKC.theCount > SShop.theKCMax)) LIMIT 1"));
}

} // namespace qv
