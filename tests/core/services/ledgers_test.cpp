#include "services/ledgers.h"
#include "services/postings.h"
#include "servicefixture.h"

#include <QSqlRecord>
#include <gtest/gtest.h>
#include <optional>

using namespace qv;
using test::m;

TEST(MovementRecord, StoresTheStockOfThePairAfterTheMovement)
{
    struct Case {
        const char *name;
        std::optional<const char *> stockBefore; // nothing: the pair has no row
        bool post;                               // the caller posts 3 out before writing the record
        const char *wcount;
    };
    const Case cases[] = {
        {"posted before writing", "10", true, "7"},
        {"no stock row at all", std::nullopt, false, "0"},
        {"posted out of nothing", std::nullopt, true, "-3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"));
        const QString ware = QStringLiteral("商品仓库");
        if (c.stockBefore)
            KC_Up(*s.db, ware, goods, m(*c.stockBefore));
        if (c.post)
            KC_Do(*s.db, ware, goods, m("3"));
        SaveSList(*s.db, s.session, MoveKind::SalesOut, QStringLiteral("XS240315-0001"), ware, goods, Money(), m("3"),
                  m("9.5"));
        QSqlQuery q = s.db->exec(QStringLiteral("SELECT * FROM SList"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(Money::fromDb(q.value("WCount")), m(c.wcount));
        EXPECT_EQ(q.value("theDate").toString(), QStringLiteral("2024-03-15"));
        EXPECT_EQ(q.value("UName").toString(), QStringLiteral("系统管理员"));
        EXPECT_EQ(q.value("theType").toString(), QStringLiteral("销售出库"));
        EXPECT_EQ(q.value("theNum").toString(), QStringLiteral("XS240315-0001"));
        EXPECT_EQ(q.value("WName").toString(), ware);
        EXPECT_EQ(q.value("SID").toInt(), goods);
        EXPECT_EQ(Money::fromDb(q.value("ICount")), Money());
        EXPECT_EQ(Money::fromDb(q.value("OCount")), m("3"));
        EXPECT_EQ(Money::fromDb(q.value("SPrice")), m("9.5"));
        EXPECT_FALSE(q.next());
    }
}

TEST(MovementRecord, EmptyNumberAndApostrophesAreStoredAsGiven)
{
    test::TestStore s;
    s.session.CurUser = QStringLiteral("D'Arcy");
    const int goods = test::addGoods(*s.db, QStringLiteral("螺丝"));
    const QString ware = QStringLiteral("Joe's 库");
    KC_Up(*s.db, ware, goods, m("2"));
    SaveSList(*s.db, s.session, MoveKind::StockEdit, QString(), ware, goods, m("2"), Money(), Money());
    QSqlQuery q = s.db->exec(QStringLiteral("SELECT theNum, WName, UName, WCount FROM SList"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QString());
    EXPECT_FALSE(q.value(0).isNull()) << "an empty number is stored as empty text";
    EXPECT_EQ(q.value(1).toString(), ware);
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("D'Arcy"));
    EXPECT_EQ(Money::fromDb(q.value(3)), m("2"));
}

TEST(MoneyFlowLog, StoresEveryArgumentInItsColumn)
{
    test::TestStore s;
    SaveList(*s.db, s.session, FlowKind::PurchasePayment, QStringLiteral("CG240315-0002"), Money(), m("1234.5678"),
             QStringLiteral("O'Neil 银行"), QStringLiteral("王'五"), QStringLiteral("录入员"));
    QSqlQuery q = s.db->exec(QStringLiteral("SELECT * FROM UList"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("theDate").toString(), QStringLiteral("2024-03-15"));
    EXPECT_EQ(q.value("theType").toString(), QStringLiteral("采购入库付款"));
    EXPECT_EQ(q.value("theNum").toString(), QStringLiteral("CG240315-0002"));
    EXPECT_EQ(Money::fromDb(q.value("theIn")), Money());
    EXPECT_EQ(Money::fromDb(q.value("theOut")), m("1234.5678"));
    EXPECT_EQ(q.value("MName").toString(), QStringLiteral("O'Neil 银行"));
    EXPECT_EQ(q.value("UName").toString(), QStringLiteral("王'五"));
    EXPECT_EQ(q.value("IName").toString(), QStringLiteral("录入员"));
    EXPECT_FALSE(q.next());
}

TEST(PeriodTotals, EachTotalLandsInItsOwnColumn)
{
    test::TestStore s;
    PeriodTotals t;
    // Distinct values everywhere, so a shifted column shows.
    Money *money[] = {&t.CG1, &t.CG2, &t.CG3, &t.CG4, &t.CT1, &t.CT2, &t.CT3, &t.CT4, &t.FK1,
                      &t.XS1, &t.XS2, &t.XS3, &t.XS4, &t.XT1, &t.XT2, &t.XT3, &t.XT4, &t.SK1,
                      &t.BS1, &t.BS2, &t.BY1, &t.BY2};
    const char *moneyCols[] = {"CG1", "CG2", "CG3", "CG4", "CT1", "CT2", "CT3", "CT4", "FK1", "XS1", "XS2",
                               "XS3", "XS4", "XT1", "XT2", "XT3", "XT4", "SK1", "BS1", "BS2", "BY1", "BY2"};
    for (size_t i = 0; i < std::size(money); ++i)
        *money[i] = Money::fromRaw(qint64(i + 1) * 10000 + 25); // 1.0025, 2.0025, ...
    int *counters[] = {&t.CG5, &t.CT5, &t.FK2, &t.XS5, &t.XT5, &t.SK2, &t.BS3, &t.BY3};
    const char *counterCols[] = {"CG5", "CT5", "FK2", "XS5", "XT5", "SK2", "BS3", "BY3"};
    for (size_t i = 0; i < std::size(counters); ++i)
        *counters[i] = int(i) + 101;

    SaveBB(*s.db, QStringLiteral("2024-03"), t);
    QSqlQuery q = s.db->exec(QStringLiteral("SELECT * FROM UBB"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("theDate").toString(), QStringLiteral("2024-03"));
    for (size_t i = 0; i < std::size(money); ++i)
        EXPECT_EQ(Money::fromDb(q.value(QString::fromUtf8(moneyCols[i]))), *money[i]) << moneyCols[i];
    for (size_t i = 0; i < std::size(counters); ++i)
        EXPECT_EQ(q.value(QString::fromUtf8(counterCols[i])).toInt(), *counters[i]) << counterCols[i];
}

TEST(PeriodTotals, EmptyTotalsAreZerosAndEveryCallAddsOneRow)
{
    test::TestStore s;
    for (const char *day : {"2024-03-01", "2024-03-02", "2024-03-02"})
        SaveBB(*s.db, QString::fromUtf8(day), PeriodTotals{});
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("UBB")), 3);
    EXPECT_EQ(s.db->scalar(QStringLiteral("SELECT COUNT(*) FROM UBB WHERE theDate = '2024-03-02'")).toInt(), 2);
    QSqlQuery q = s.db->exec(QStringLiteral("SELECT * FROM UBB"));
    while (q.next()) {
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i) {
            const QString col = rec.fieldName(i);
            if (col == QStringLiteral("ID") || col == QStringLiteral("theDate"))
                continue;
            EXPECT_FALSE(q.value(i).isNull()) << col.toStdString();
            EXPECT_EQ(q.value(i).toLongLong(), 0) << col.toStdString();
        }
    }
}

TEST(FixedStatements, RunAndReportEngineErrors)
{
    test::TestStore s;
    mySQL(*s.db, QStringLiteral("DELETE FROM SStaff WHERE theName = '掌柜'"));
    EXPECT_EQ(test::countOf(*s.db, QStringLiteral("SStaff")), 1);
    EXPECT_THROW(mySQL(*s.db, QStringLiteral("DELETE FROM NoSuchTable")), DbError);
}
