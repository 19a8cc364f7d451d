#include "app/store.h"
#include "testdb.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(StoreSettings, SaveAndLoadRoundTripEveryFieldAndSetTheOptions)
{
    test::TestStore s;
    StoreSettings in = loadStoreSettings(*s.db);
    EXPECT_EQ(in.theCB, "采购单价");
    in.theName = QStringLiteral("老王's 杂货铺");
    in.thePhone = "1";
    in.theAdd = "2";
    in.theGG = "3";
    in.theZH = "4";
    in.theSW = "5'";
    in.theT1 = "左一";
    in.theT2 = "左二";
    in.theGS = "提醒";
    in.theTX = true;
    in.theKCMin = "2.5";
    in.theKCMax = "300";
    in.theFKC = true;
    in.theJH = true;
    in.theXS = true;
    in.theJH1 = false;
    in.theXS1 = false;
    in.theCB = "最低单价";
    in.theCS1 = "颜色";
    in.theCS2 = "尺码";
    in.theCS3 = "产地";
    in.theCS = true;
    ASSERT_FALSE(saveStoreSettings(*s.db, in).has_value());
    const StoreSettings out = loadStoreSettings(*s.db);
    EXPECT_EQ(out.theName, in.theName);
    EXPECT_EQ(QStringList({out.thePhone, out.theAdd, out.theGG, out.theZH, out.theSW, out.theT1, out.theT2, out.theGS}),
              QStringList({"1", "2", "3", "4", "5'", "左一", "左二", "提醒"}));
    EXPECT_EQ(out.theKCMin, "2.5");
    EXPECT_EQ(out.theKCMax, "300");
    EXPECT_TRUE(out.theTX && out.theFKC && out.theJH && out.theXS && !out.theJH1 && !out.theXS1 && out.theCS);
    EXPECT_EQ(out.theCB, "最低单价");

    const StoreOptions o = FindDept(*s.db);
    EXPECT_EQ(o.StoreName, in.theName);
    EXPECT_EQ(o.StockAlertOn, "True");
    EXPECT_EQ(o.DefMinStock, "2.5");
    EXPECT_EQ(o.DefMaxStock, "300");
    EXPECT_TRUE(o.AutoPurchasePrice && o.AutoSalesPrice && o.AllowNegative && o.PrintWithParams);
    EXPECT_FALSE(o.LastPurchasePrice || o.LastSalesPrice);
    EXPECT_EQ(o.CostMethod, "最低单价");
    EXPECT_EQ(QStringList({o.ParamLabel1, o.ParamLabel2, o.ParamLabel3}), QStringList({"颜色", "尺码", "产地"}));
}

TEST(StoreSettings, NewDatabaseOptionsAndAlertOffReadsFalse)
{
    test::TestStore s;
    const StoreOptions o = FindDept(*s.db);
    EXPECT_EQ(o.StockAlertOn, "False");
    EXPECT_EQ(o.DefMinStock, "0");
    EXPECT_EQ(o.DefMaxStock, "1000");
    EXPECT_TRUE(o.LastPurchasePrice && o.LastSalesPrice);
    EXPECT_FALSE(o.AutoPurchasePrice || o.AllowNegative || o.PrintWithParams);
    EXPECT_EQ(o.CostMethod, "采购单价");
    s.db->exec("DELETE FROM SDept");
    const StoreOptions none = FindDept(*s.db);
    EXPECT_TRUE(none.StoreName.isEmpty() && none.StockAlertOn.isEmpty() && !none.AllowNegative);
}

TEST(StoreSettings, RefusalsWriteNothingAndEmptyLimitsSaveAsZero)
{
    test::TestStore s;
    StoreSettings in = loadStoreSettings(*s.db);
    struct Case { QString name, min, max, message; };
    const Case refused[] = {
        {QString(), "1", "2", "本店名称 不能为空！"},
        {"店", "1.2.3", "2", "最低库存 必须是数字，请重新录入！"},
        {"店", "1", ".", "最高库存 必须是数字，请重新录入！"},
    };
    for (const Case &c : refused) {
        StoreSettings x = in;
        x.theName = c.name;
        x.theKCMin = c.min;
        x.theKCMax = c.max;
        x.theGG = "改过";
        auto r = saveStoreSettings(*s.db, x);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->message, c.message);
        EXPECT_EQ(loadStoreSettings(*s.db).theGG, in.theGG);
    }
    in.theKCMin.clear();
    in.theKCMax.clear();
    ASSERT_FALSE(saveStoreSettings(*s.db, in).has_value());
    const StoreSettings out = loadStoreSettings(*s.db);
    EXPECT_EQ(out.theKCMin, "0");
    EXPECT_EQ(out.theKCMax, "0");
}

namespace {

int addGoods(Database &db, const QString &del, qint64 min, qint64 max)
{
    db.exec("INSERT INTO SShop (theName, theDel, theState, theKCMin, theKCMax) VALUES ('货', ?, '启用', ?, ?)",
            {del, Money::units(min).toDb(), Money::units(max).toDb()});
    return db.scalar("SELECT max(ID) FROM SShop").toInt();
}

void setStock(Database &db, const QString &ware, int goods, qint64 count)
{
    db.exec("INSERT INTO UKC (WName, SID, theCount) VALUES (?, ?, ?)", {ware, goods, Money::units(count).toDb()});
}

} // namespace

TEST(StockAlert, RaisedOnlyWhenOnAndALiveGoodsRowLiesOutsideItsLimits)
{
    test::TestStore s;
    Database &db = *s.db;
    StoreOptions on = s.session.options;
    on.StockAlertOn = "True";
    StoreOptions off = on;
    off.StockAlertOn = "False";

    const int a = addGoods(db, "否", 5, 100);
    setStock(db, "商品仓库", a, 5);   // on the limit: fine
    setStock(db, "二号仓", a, 100);
    EXPECT_FALSE(stockAlertRaised(db, on));

    const int deleted = addGoods(db, "是", 5, 100);
    setStock(db, "商品仓库", deleted, 1);
    EXPECT_FALSE(stockAlertRaised(db, on)) << "deleted goods never raise the alert";

    const int low = addGoods(db, "否", 10, 100);
    setStock(db, "二号仓", low, 9);
    EXPECT_TRUE(stockAlertRaised(db, on));
    EXPECT_FALSE(stockAlertRaised(db, off));

    db.exec("UPDATE UKC SET theCount=? WHERE SID=?", {Money::units(101).toDb(), low});
    EXPECT_TRUE(stockAlertRaised(db, on)) << "above the maximum";
}
