#include "services/numbering.h"
#include "servicefixture.h"

#include <gtest/gtest.h>

using namespace qv;
using test::m;

namespace {

// Header rows of one kind on a business date; every `deletedEvery`-th one is deleted.
void addHeaders(Database &db, const QString &table, const QString &date, int n, int deletedEvery = 0)
{
    Transaction tx(db);
    QSqlQuery &q = db.cached(QStringLiteral("INSERT INTO %1 (theDate, theNum, theDel) VALUES (?, '', ?)").arg(table));
    for (int i = 1; i <= n; ++i)
        db.run(q, {date, deletedEvery > 0 && i % deletedEvery == 0 ? QStringLiteral("是") : QStringLiteral("否")});
    tx.commit();
}

} // namespace

TEST(DocumentNumbers, SequenceCountsEveryHeaderOfTheBusinessDate)
{
    struct Case {
        const char *name;
        int sameDay;
        int deletedEvery;
        int otherDays;
        const char *expected;
    };
    const Case cases[] = {
        {"first of the day", 0, 0, 0, "XS240315-0001"},
        {"tenth of the day", 9, 0, 0, "XS240315-0010"},
        {"deleted ones still count", 3, 2, 0, "XS240315-0004"},
        {"other business dates do not count", 2, 0, 5, "XS240315-0003"},
        {"five digits from 10000 on", 9999, 0, 0, "XS240315-10000"},
        {"and beyond", 10000, 0, 0, "XS240315-10001"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        addHeaders(*s.db, QStringLiteral("UXS"), s.session.WorkDate, c.sameDay, c.deletedEvery);
        addHeaders(*s.db, QStringLiteral("UXS"), QStringLiteral("2024-03-14"), c.otherDays);
        EXPECT_EQ(NewDJNum(*s.db, s.session.WorkDate, DocKind::Sales), QString::fromUtf8(c.expected));
    }
}

TEST(DocumentNumbers, AnotherBusinessDateRestartsTheSequence)
{
    test::TestStore s;
    addHeaders(*s.db, QStringLiteral("UJH"), s.session.WorkDate, 7);
    EXPECT_EQ(NewDJNum(*s.db, QStringLiteral("2024-03-16"), DocKind::Purchase), QStringLiteral("CG240316-0001"));
    EXPECT_EQ(NewDJNum(*s.db, QStringLiteral("2031-12-01"), DocKind::Purchase, QStringLiteral("/")),
              QStringLiteral("CG311201/0001"));
}

TEST(DocumentNumbers, EachKindCountsItsOwnTableUnderItsOwnPrefix)
{
    struct Case {
        DocKind kind;
        const char *table;
        const char *prefix;
    };
    const Case cases[] = {
        {DocKind::Purchase, "UJH", "CG"},      {DocKind::PurchaseReturn, "UCG_O", "CT"},
        {DocKind::Sales, "UXS", "XS"},         {DocKind::SalesReturn, "UXS_O", "XT"},
        {DocKind::Payment, "UFK", "FK"},       {DocKind::Receipt, "USK", "SK"},
        {DocKind::Transfer, "UDB", "DB"},      {DocKind::Loss, "UBS", "BS"},
        {DocKind::Surplus, "UBY", "BY"},       {DocKind::Assembly, "UCZ", "CZ"},
    };
    test::TestStore s;
    // A different number of headers in every table, so a kind counting the wrong one shows.
    for (size_t i = 0; i < std::size(cases); ++i)
        addHeaders(*s.db, QString::fromUtf8(cases[i].table), s.session.WorkDate, int(i) + 1);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.table);
        EXPECT_EQ(docKindInfo(c.kind).table, QString::fromUtf8(c.table));
        EXPECT_EQ(docKindInfo(c.kind).prefix, QString::fromUtf8(c.prefix));
        const QString expected = QString::fromUtf8(c.prefix) + QStringLiteral("240315-") + QString::number(i + 2).rightJustified(4, u'0');
        EXPECT_EQ(NewDJNum(*s.db, s.session.WorkDate, c.kind), expected);
    }
}

TEST(DocumentNumbers, MalformedBusinessDateIsRefused)
{
    test::TestStore s;
    for (const char *bad : {"", "2024-3-15", "2024-02-30", "15.03.2024"})
        EXPECT_THROW(NewDJNum(*s.db, QString::fromUtf8(bad), DocKind::Sales), DbError) << bad;
    EXPECT_THROW(NewSPNum(*s.db, QString()), DbError);
}

TEST(GoodsNumbers, DateAndSequenceWithoutPrefixOrSeparator)
{
    test::TestStore s;
    EXPECT_EQ(NewSPNum(*s.db, s.session.WorkDate), QStringLiteral("2403150001"));
    for (int i = 0; i < 11; ++i)
        test::addGoods(*s.db, QStringLiteral("货%1").arg(i), {}, {}, {}, s.session.WorkDate);
    test::addGoods(*s.db, QStringLiteral("昨天的货"), {}, {}, {}, QStringLiteral("2024-03-14"));
    s.db->exec(QStringLiteral("UPDATE SShop SET theDel = '是' WHERE theName = '货0'"));
    EXPECT_EQ(NewSPNum(*s.db, s.session.WorkDate), QStringLiteral("2403150012"));
    EXPECT_EQ(NewSPNum(*s.db, QStringLiteral("2024-03-14")), QStringLiteral("2403140002"));
}

namespace {

struct PriceCase {
    const char *name;
    bool optionOn;
    std::vector<test::TradeLine> history; // goodsId/partnerId 0 are filled in with the case's own
    bool goodsExists = true;
    std::optional<const char *> expected;
    int askPartner = -1; // -1: the case's partner
};

// The goods' own prices: purchase 10, sales 20. Partner A is asked about; B is someone else.
std::vector<test::TradeLine> lines(const QString &header, std::initializer_list<std::tuple<const char *, char, bool, bool>> l)
{
    std::vector<test::TradeLine> out;
    for (const auto &[price, partner, deleted, prestored] : l) {
        test::TradeLine t;
        t.header = header;
        t.price = m(price);
        t.partnerId = partner; // 'A' or 'B', mapped in the test
        t.deleted = deleted;
        t.prestored = prestored;
        out.push_back(t);
    }
    return out;
}

void runPriceCases(const QString &header, const std::vector<PriceCase> &cases)
{
    for (const PriceCase &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const int a = test::addPartner(*s.db, QStringLiteral("A'客户"));
        const int b = test::addPartner(*s.db, QStringLiteral("B"));
        const int goods = c.goodsExists ? test::addGoods(*s.db, QStringLiteral("螺丝"), m("10"), m("20"))
                                        : 4242;
        const int decoy = test::addGoods(*s.db, QStringLiteral("别的"), m("1"), m("2"));
        int n = 0;
        for (test::TradeLine l : c.history) {
            l.number = QStringLiteral("N%1").arg(++n);
            l.partnerId = l.partnerId == 'A' ? a : b;
            l.goodsId = goods;
            test::addTradeLine(*s.db, l);
        }
        // A newer line of another goods from the same partner must not count.
        test::TradeLine other;
        other.header = header;
        other.number = QStringLiteral("N-other");
        other.partnerId = a;
        other.goodsId = decoy;
        other.price = m("77");
        test::addTradeLine(*s.db, other);

        StoreOptions options;
        options.LastPurchasePrice = c.optionOn;
        options.LastSalesPrice = c.optionOn;
        const int partner = c.askPartner < 0 ? a : c.askPartner;
        std::optional<Money> got;
        if (header == QStringLiteral("UJH"))
            got = myRetJHPrice(*s.db, options, goods, partner);
        else
            got = myRetXSPrice(*s.db, options, goods, partner);
        if (c.expected)
            EXPECT_EQ(got, std::optional<Money>(m(*c.expected)));
        else
            EXPECT_FALSE(got.has_value());
    }
}

} // namespace

TEST(PriceProposals, PurchasePriceFromGoodsOrLatestLiveReceiptOfThisSupplier)
{
    const QString h = QStringLiteral("UJH");
    runPriceCases(h, {
        {"option off: the goods' price", false, lines(h, {{"11", 'A', false, false}}), true, "10"},
        {"option on: latest receipt", true, lines(h, {{"11", 'A', false, false}, {"12.5", 'A', false, false}}), true, "12.5"},
        {"option on, nothing from this supplier", true, lines(h, {{"13", 'B', false, false}}), true, "10"},
        {"deleted receipt ignored", true, lines(h, {{"11", 'A', false, false}, {"14", 'A', true, false}}), true, "11"},
        {"pre-stored receipt counts", true, lines(h, {{"11", 'A', false, false}, {"15", 'A', false, true}}), true, "15"},
        {"other supplier's newer receipt ignored", true, lines(h, {{"11", 'A', false, false}, {"16", 'B', false, false}}), true, "11"},
        {"no partner chosen", true, lines(h, {{"11", 'A', false, false}}), true, "10", 0},
        {"unknown goods, no receipt", true, {}, false, "0"},
        {"unknown goods with a receipt", true, lines(h, {{"17", 'A', false, false}}), false, "17"},
    });
}

TEST(PriceProposals, SalesPriceFromGoodsOrLatestSaleToThisCustomer)
{
    const QString h = QStringLiteral("UXS");
    runPriceCases(h, {
        {"option off: the goods' price", false, lines(h, {{"21", 'A', false, false}}), true, "20"},
        {"option on: latest sale", true, lines(h, {{"21", 'A', false, false}, {"22.25", 'A', false, false}}), true, "22.25"},
        {"option on, never sold to this customer", true, lines(h, {{"23", 'B', false, false}}), true, "20"},
        {"deleted sale ignored", true, lines(h, {{"21", 'A', false, false}, {"24", 'A', true, false}}), true, "21"},
        {"pre-stored sale counts", true, lines(h, {{"21", 'A', false, false}, {"25", 'A', false, true}}), true, "25"},
        {"unknown goods, no sale: nothing", true, {}, false, std::nullopt},
        {"unknown goods, option off: nothing", false, lines(h, {{"26", 'A', false, false}}), false, std::nullopt},
        {"unknown goods with a sale", true, lines(h, {{"26", 'A', false, false}}), false, "26"},
    });
}

TEST(PriceProposals, LastSalesPriceIsTheUndiscountedLinePrice)
{
    test::TestStore s;
    const int a = test::addPartner(*s.db, QStringLiteral("A"));
    const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"), m("10"), m("20"));
    test::TradeLine l;
    l.header = QStringLiteral("UXS");
    l.number = QStringLiteral("XS1");
    l.partnerId = a;
    l.goodsId = goods;
    l.price = m("30");
    test::addTradeLine(*s.db, l);
    s.db->exec(QStringLiteral("UPDATE UXS_List SET theZK = 80, theSum = ?"), {m("24").toDb()});
    StoreOptions options;
    options.LastSalesPrice = true;
    EXPECT_EQ(myRetXSPrice(*s.db, options, goods, a), std::optional<Money>(m("30")));
}

TEST(CategoryDiscount, OnlyASingleMatchingCategoryGivesItsDiscount)
{
    test::TestStore s;
    const auto addType = [&](const char *name, int zk) {
        s.db->exec(QStringLiteral("INSERT INTO SType (theName, theState, theZK) VALUES (?, '启用', ?)"),
                   {QString::fromUtf8(name), zk});
    };
    addType("五金", 85);
    addType("双份", 70);
    addType("双份", 60);
    addType("Tom's 工具", 90);
    struct Case {
        const char *category;
        int expected;
    };
    const Case cases[] = {{"", 100}, {"没有这类", 100}, {"五金", 85}, {"双份", 100}, {"Tom's 工具", 90}};
    for (const Case &c : cases)
        EXPECT_EQ(myRetZK(*s.db, QString::fromUtf8(c.category)), c.expected) << c.category;
}

TEST(DropDowns, OfferEnabledNamesInEntryOrder)
{
    test::TestStore s;
    for (const auto &[table, name, state] : std::initializer_list<std::tuple<const char *, const char *, const char *>>{
             {"SWare", "二号库", "启用"}, {"SWare", "旧库", "停用"}, {"SAccount", "银行", "启用"},
             {"SAccount", "旧卡", "停用"}, {"SStaff", "离职", "停用"}, {"SType", "五金", "启用"},
             {"SType", "停售", "停用"}, {"SType", "电料", "启用"}})
        s.db->exec(QStringLiteral("INSERT INTO %1 (theName, theState) VALUES (?, ?)").arg(QString::fromUtf8(table)),
                   {QString::fromUtf8(name), QString::fromUtf8(state)});
    EXPECT_EQ(DBComWare(*s.db), (QStringList{"商品仓库", "二号库"}));
    EXPECT_EQ(DBComAccount(*s.db), (QStringList{"现金", "银行"}));
    EXPECT_EQ(DBComStaff(*s.db), (QStringList{"掌柜", "店小二"}));
    EXPECT_EQ(DBComSType(*s.db), (QStringList{"五金", "电料"}));
    EXPECT_EQ(DBComSUType(*s.db), (QStringList{"两者皆是", "供应商", "客户"}));
}
