#include "services/ledgers.h"
#include "services/postings.h"
#include "servicefixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace qv;
using test::m;

namespace {

struct StockStep {
    bool up;
    const char *quantity;
};

Money stockRow(Database &db, const QString &warehouse, int goodsId)
{
    return test::moneyAt(db, QStringLiteral("SELECT theCount FROM UKC WHERE WName = ? AND SID = ?"),
                         {warehouse, goodsId});
}

qint64 rowsOfPair(Database &db, const QString &warehouse, int goodsId)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM UKC WHERE WName = ? AND SID = ?"), {warehouse, goodsId})
        .toLongLong();
}

} // namespace

TEST(StockPostings, MovementsLeaveOneRowHoldingTheirExactSum)
{
    struct Case {
        const char *name;
        const char *warehouse;
        std::vector<StockStep> steps;
        const char *expected;
    };
    const Case cases[] = {
        {"taking out of nothing goes negative", "商品仓库", {{false, "5"}}, "-5"},
        {"up then down restores", "商品仓库", {{true, "5"}, {false, "5"}}, "0"},
        {"fractions add exactly", "商品仓库", {{true, "0.1"}, {true, "0.2"}, {false, "0.3"}, {true, "2.5"}}, "2.5"},
        {"first posting creates the row", "二号库", {{true, "7"}}, "7"},
        {"apostrophe in the warehouse name", "O'Brien's 仓库", {{true, "3"}, {false, "1"}}, "2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"));
        const int other = test::addGoods(*s.db, QStringLiteral("螺母"));
        KC_Up(*s.db, QStringLiteral("商品仓库"), other, m("4"));
        const QString ware = QString::fromUtf8(c.warehouse);
        for (const StockStep &st : c.steps)
            (st.up ? KC_Up : KC_Do)(*s.db, ware, goods, m(st.quantity));
        EXPECT_EQ(stockRow(*s.db, ware, goods), m(c.expected));
        EXPECT_EQ(myRetKC(*s.db, ware, goods), m(c.expected));
        EXPECT_EQ(rowsOfPair(*s.db, ware, goods), 1);
        // New rows carry no cost yet; other pairs stay as they were.
        EXPECT_EQ(test::moneyAt(*s.db, QStringLiteral("SELECT theCB FROM UKC WHERE WName = ? AND SID = ?"), {ware, goods}),
                  Money());
        EXPECT_EQ(myRetKC(*s.db, QStringLiteral("商品仓库"), other), m("4"));
    }
}

TEST(StockPostings, StockOfAPairWithoutARowIsZero)
{
    test::TestStore s;
    const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"));
    KC_Up(*s.db, QStringLiteral("二号库"), goods, m("3"));
    EXPECT_EQ(myRetKC(*s.db, QStringLiteral("商品仓库"), goods), Money());
    EXPECT_EQ(myRetKC(*s.db, QStringLiteral("二号库"), goods + 1), Money());
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("UKC")), 1) << "a lookup must not create rows";
}

TEST(BalancePostings, EachRoutineMovesItsOwnColumnOfItsOwnPartner)
{
    using Poster = void (*)(Database &, int, Money);
    struct Case {
        const char *name;
        Poster post;
        const char *ys;
        const char *yf;
    };
    // Starting from theYS 100, theYF 50, post 12.34.
    const Case cases[] = {
        {"YS_Up", YS_Up, "112.34", "50"},
        {"YS_Do", YS_Do, "87.66", "50"},
        {"YF_Up", YF_Up, "100", "62.34"},
        {"YF_Do", YF_Do, "100", "37.66"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const int partner = test::addPartner(*s.db, QStringLiteral("张三"), m("100"), m("50"));
        const int bystander = test::addPartner(*s.db, QStringLiteral("李四"), m("1"), m("2"));
        c.post(*s.db, partner, m("12.34"));
        const auto balance = [&](const char *col, int id) {
            return test::moneyAt(*s.db, QStringLiteral("SELECT %1 FROM SUnits WHERE ID = ?").arg(QString::fromUtf8(col)), {id});
        };
        EXPECT_EQ(balance("theYS", partner), m(c.ys));
        EXPECT_EQ(balance("theYF", partner), m(c.yf));
        EXPECT_EQ(balance("theYS", bystander), m("1"));
        EXPECT_EQ(balance("theYF", bystander), m("2"));
    }
}

TEST(BalancePostings, UpThenDownRestoresAndTenthsSettleToExactlyZero)
{
    test::TestStore s;
    const int partner = test::addPartner(*s.db, QStringLiteral("张三"), m("3.3"), Money());
    YS_Up(*s.db, partner, m("45.67"));
    YS_Do(*s.db, partner, m("45.67"));
    EXPECT_EQ(test::moneyAt(*s.db, QStringLiteral("SELECT theYS FROM SUnits WHERE ID = ?"), {partner}), m("3.3"));

    YF_Up(*s.db, partner, m("1"));
    for (int i = 0; i < 10; ++i)
        YF_Do(*s.db, partner, m("0.1"));
    EXPECT_TRUE(test::moneyAt(*s.db, QStringLiteral("SELECT theYF FROM SUnits WHERE ID = ?"), {partner}).isZero());
}

TEST(BalancePostings, UnknownPartnerIdChangesNothing)
{
    test::TestStore s;
    const int partner = test::addPartner(*s.db, QStringLiteral("张三"), m("10"), m("20"));
    for (auto post : {YS_Up, YS_Do, YF_Up, YF_Do})
        EXPECT_NO_THROW(post(*s.db, partner + 100, m("5")));
    EXPECT_EQ(test::moneyAt(*s.db, QStringLiteral("SELECT SUM(theYS) FROM SUnits"), {}), m("10"));
    EXPECT_EQ(test::moneyAt(*s.db, QStringLiteral("SELECT SUM(theYF) FROM SUnits"), {}), m("20"));
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("SUnits")), 1);
}

TEST(StateSwitch, SetsTheWordOnTheNamedRowOfEachTable)
{
    struct Case {
        StateTable table;
        const char *name;
    };
    const Case cases[] = {
        {StateTable::SUser, "SUser"},     {StateTable::SShop, "SShop"},   {StateTable::SType, "SType"},
        {StateTable::SWare, "SWare"},     {StateTable::SAccount, "SAccount"}, {StateTable::SStaff, "SStaff"},
        {StateTable::SUnits, "SUnits"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const QString table = QString::fromUtf8(c.name);
        // Two enabled rows in every table, so a switch that misses its row shows.
        for (int i = 0; i < 2; ++i)
            s.db->exec(QStringLiteral("INSERT INTO %1 (theName, theState) VALUES (?, '启用')").arg(table),
                       {QStringLiteral("甲'%1").arg(i)});
        const int target = test::lastId(*s.db);
        const auto stateOf = [&](int id) {
            return s.db->scalar(QStringLiteral("SELECT theState FROM %1 WHERE ID = ?").arg(table), {id}).toString();
        };
        myState(*s.db, c.table, QStringLiteral("停用"), target);
        EXPECT_EQ(stateOf(target), QStringLiteral("停用"));
        EXPECT_EQ(stateOf(target - 1), QStringLiteral("启用"));
        myState(*s.db, c.table, QStringLiteral("启用"), target);
        EXPECT_EQ(stateOf(target), QStringLiteral("启用"));
    }
}

TEST(PostingRound, AFailureInsideTheTransactionLeavesNothingWritten)
{
    test::TestStore s;
    const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"));
    const int partner = test::addPartner(*s.db, QStringLiteral("张三"));
    KC_Up(*s.db, QStringLiteral("商品仓库"), goods, m("10"));

    EXPECT_THROW(
        {
            Transaction tx(*s.db);
            KC_Do(*s.db, QStringLiteral("商品仓库"), goods, m("4"));
            SaveSList(*s.db, s.session, MoveKind::SalesOut, QStringLiteral("XS240315-0001"),
                      QStringLiteral("商品仓库"), goods, Money(), m("4"), m("9"));
            KC_Up(*s.db, QStringLiteral("二号库"), goods, m("1"));
            YS_Up(*s.db, partner, m("36"));
            SaveList(*s.db, s.session, FlowKind::SalesEntry, QStringLiteral("XS240315-0001"), m("36"), Money(),
                     QStringLiteral("现金"), QStringLiteral("掌柜"), s.session.CurUser);
            throw std::runtime_error("the save stops here");
        },
        std::runtime_error);

    EXPECT_EQ(myRetKC(*s.db, QStringLiteral("商品仓库"), goods), m("10"));
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("UKC")), 1);
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("SList")), 0);
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("UList")), 0);
    EXPECT_TRUE(test::moneyAt(*s.db, QStringLiteral("SELECT theYS FROM SUnits WHERE ID = ?"), {partner}).isZero());

    // The connection is usable afterwards and a committed round stays.
    {
        Transaction tx(*s.db);
        KC_Do(*s.db, QStringLiteral("商品仓库"), goods, m("4"));
        tx.commit();
    }
    EXPECT_EQ(myRetKC(*s.db, QStringLiteral("商品仓库"), goods), m("6"));
}
