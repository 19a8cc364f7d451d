#include "app/store.h"
#include "services/costing.h"
#include "services/postings.h"
#include "servicefixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qv;
using test::m;

namespace {

const QString Main = QStringLiteral("商品仓库");
const QString Second = QStringLiteral("二号库");

// A store with one goods item and the chosen cost method; receive() does what a purchase
// receipt save does per line: line row, stock posting (unless pre-stored), then the costing.
struct CostingStore {
    explicit CostingStore(const char *method)
    {
        s.session.options.CostMethod = QString::fromUtf8(method);
        goods = test::addGoods(*s.db, QStringLiteral("螺丝"), m("4"), m("9"), m("4"));
        supplier = test::addPartner(*s.db, QStringLiteral("供货商"));
    }

    void receive(const QString &warehouse, const char *quantity, const char *price, bool prestored = false)
    {
        test::TradeLine l;
        l.number = QStringLiteral("CG240315-%1").arg(++lines, 4, 10, QChar(u'0'));
        l.partnerId = supplier;
        l.warehouse = warehouse;
        l.goodsId = goods;
        l.price = m(price);
        l.count = m(quantity);
        l.prestored = prestored;
        test::addTradeLine(*s.db, l);
        if (!prestored)
            KC_Up(*s.db, warehouse, goods, m(quantity));
        myShopCB(*s.db, s.session.options, goods, m(quantity), warehouse, m(price), !prestored);
    }

    Money goodsCost() { return test::moneyAt(*s.db, QStringLiteral("SELECT theCB FROM SShop WHERE ID = ?"), {goods}); }
    Money stockCost(const QString &w)
    {
        return test::moneyAt(*s.db, QStringLiteral("SELECT theCB FROM UKC WHERE WName = ? AND SID = ?"), {w, goods});
    }
    bool hasStockRow(const QString &w)
    {
        return s.db->exists(QStringLiteral("SELECT 1 FROM UKC WHERE WName = ? AND SID = ?"), {w, goods});
    }
    // Sets the stock row as a sale or a transfer would have left it.
    void setStock(const QString &w, const char *count, const char *cost)
    {
        KC_Up(*s.db, w, goods, Money());
        s.db->exec(QStringLiteral("UPDATE UKC SET theCount = ?, theCB = ? WHERE WName = ? AND SID = ?"),
                   {m(count).toDb(), m(cost).toDb(), w, goods});
    }

    test::TestStore s;
    int goods = 0;
    int supplier = 0;
    int lines = 0;
};

} // namespace

TEST(Costing, KnowsTheSixCostWords)
{
    for (const QString &w : costMethods())
        EXPECT_TRUE(isCostMethod(w)) << w.toStdString();
    EXPECT_EQ(costMethods().size(), 6);
    for (const char *w : {"", "平均", " 先进先出", "移动加权", "采购单价 "})
        EXPECT_FALSE(isCostMethod(QString::fromUtf8(w))) << w;
}

TEST(Costing, PriceFromThePurchaseHistoryOfThePair)
{
    struct Receipt {
        const QString *warehouse;
        const char *price;
    };
    struct Case {
        const char *method;
        std::vector<Receipt> receipts; // the last one is the line being costed, into Main
        const char *expected;
    };
    const Case cases[] = {
        {"最低单价", {{&Main, "8"}, {&Main, "6"}, {&Main, "9"}}, "6"},
        {"最低单价", {{&Second, "1"}, {&Main, "8"}, {&Second, "2"}, {&Main, "9"}}, "8"},
        {"最高单价", {{&Main, "7"}, {&Main, "9.5"}, {&Main, "6"}, {&Main, "8"}}, "9.5"},
        {"最高单价", {{&Main, "7"}, {&Second, "20"}, {&Main, "8"}}, "8"},
        {"先进先出", {{&Second, "1"}, {&Main, "7"}, {&Main, "9"}, {&Main, "6"}, {&Main, "8"}}, "7"},
        {"后进先出", {{&Main, "7"}, {&Main, "9"}, {&Main, "6"}, {&Main, "8.25"}}, "8.25"},
        {"采购单价", {{&Main, "20"}, {&Main, "3"}, {&Main, "5.5"}}, "5.5"},
        {"移动加权平均", {{&Main, "5"}, {&Main, "7"}}, "6"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.method);
        CostingStore cs(c.method);
        for (const Receipt &r : c.receipts)
            cs.receive(*r.warehouse, "10", r.price);
        EXPECT_EQ(cs.stockCost(Main), m(c.expected));
        EXPECT_EQ(cs.goodsCost(), m(c.expected));
    }
}

TEST(Costing, DeletedReceiptsDropOutOfTheHistoryAndPreStoredOnesStay)
{
    CostingStore cs("最低单价");
    cs.receive(Main, "1", "8");
    cs.receive(Main, "1", "2");
    cs.receive(Main, "1", "3", /*prestored=*/true);
    cs.s.db->exec(QStringLiteral("UPDATE UJH SET theDel = '是' WHERE theNum = 'CG240315-0002'"));
    cs.receive(Main, "1", "9");
    EXPECT_EQ(cs.goodsCost(), m("3"));
    EXPECT_EQ(cs.stockCost(Main), m("3"));
}

TEST(Costing, WithoutPurchaseHistoryTheLinePriceIsTheCost)
{
    // Assembly lines come in without any purchase receipt line.
    for (const char *method : {"先进先出", "后进先出", "最高单价", "最低单价"}) {
        SCOPED_TRACE(method);
        CostingStore cs(method);
        KC_Up(*cs.s.db, Main, cs.goods, m("2"));
        myShopCB(*cs.s.db, cs.s.session.options, cs.goods, m("2"), Main, m("12.5"), true);
        EXPECT_EQ(cs.goodsCost(), m("12.5"));
        EXPECT_EQ(cs.stockCost(Main), m("12.5"));
    }
}

TEST(Costing, MovingWeightedAverage)
{
    struct Case {
        const char *name;
        std::optional<std::pair<const char *, const char *>> before; // stock row count and cost
        const char *quantity;
        const char *price;
        bool prestored;
        const char *expected;
    };
    const Case cases[] = {
        {"10 at 5 and 10 at 7", std::pair{"10", "5"}, "10", "7", false, "6"},
        {"first receipt into the warehouse", std::nullopt, "4", "7.5", false, "7.5"},
        {"uneven quantities", std::pair{"3", "10"}, "1", "11", false, "10.25"},
        {"rounded to four places", std::pair{"1", "1"}, "2", "2", false, "1.6667"},
        {"negative total keeps the old cost", std::pair{"-4", "5"}, "3", "9", false, "5"},
        {"total of nothing keeps the old cost", std::pair{"-3", "5"}, "3", "9", false, "5"},
        {"shortfall made good: what is on hand came at the line price", std::pair{"-2", "5"}, "4", "8", false, "8"},
        {"zero cost counts as none", std::pair{"10", "0"}, "10", "7", false, "7"},
        {"pre-stored: stock as read", std::pair{"10", "5"}, "10", "7", true, "6"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CostingStore cs("移动加权平均");
        if (c.before)
            cs.setStock(Main, c.before->first, c.before->second);
        cs.receive(Main, c.quantity, c.price, c.prestored);
        EXPECT_EQ(cs.stockCost(Main), m(c.expected));
        EXPECT_EQ(cs.goodsCost(), m(c.expected));
    }
}

TEST(Costing, PreStoredLineIntoAWarehouseWithoutStockChangesOnlyTheGoodsCost)
{
    CostingStore cs("移动加权平均");
    cs.setStock(Second, "10", "5");
    cs.receive(Main, "3", "8", /*prestored=*/true);
    EXPECT_EQ(cs.goodsCost(), m("8"));
    EXPECT_FALSE(cs.hasStockRow(Main));
    EXPECT_EQ(cs.stockCost(Second), m("5"));
}

TEST(Costing, TheNewestReceivingWarehouseSetsTheGoodsCost)
{
    CostingStore cs("移动加权平均");
    cs.receive(Main, "10", "5");
    cs.receive(Second, "10", "9");
    EXPECT_EQ(cs.stockCost(Main), m("5"));
    EXPECT_EQ(cs.stockCost(Second), m("9"));
    EXPECT_EQ(cs.goodsCost(), m("9"));
}

TEST(Costing, UnknownCostWordIsRefusedBeforeAnythingIsWritten)
{
    for (const char *word : {"", "平均法"}) {
        SCOPED_TRACE(word);
        CostingStore cs("移动加权平均");
        cs.receive(Main, "10", "5");
        cs.s.session.options.CostMethod = QString::fromUtf8(word);
        try {
            myShopCB(*cs.s.db, cs.s.session.options, cs.goods, m("10"), Main, m("7"), true);
            ADD_FAILURE() << "no error";
        } catch (const DbError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("成本核算方法"))) << e.what();
        }
        EXPECT_EQ(cs.goodsCost(), m("5"));
        EXPECT_EQ(cs.stockCost(Main), m("5"));
    }
}
