#include "money/money.h"

#include <gtest/gtest.h>

using qv::Money;

TEST(Money, ParsesAndPrintsInGeneralForm)
{
    struct Case { const char *in; const char *out; };
    const Case cases[] = {
        {"12.5", "12.5"}, {"3", "3"}, {"-250", "-250"}, {".25", "0.25"}, {"0.0001", "0.0001"},
        {"1.23456", "1.2346"}, {"-1.23455", "-1.2346"}, {"007.10", "7.1"}, {"+4", "4"}, {" 5 ", "5"},
    };
    for (const Case &c : cases) {
        const auto m = Money::parse(QString::fromUtf8(c.in));
        ASSERT_TRUE(m.has_value()) << c.in;
        EXPECT_EQ(m->toString(), QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(Money, RefusesTextThatIsNoNumber)
{
    for (const char *bad : {"", ".", "1.2.3", "abc", "1,000", "--1", "1e3", "-", "12a"})
        EXPECT_FALSE(Money::parse(QString::fromUtf8(bad)).has_value()) << bad;
    EXPECT_EQ(Money::parseOrZero(QString())->raw(), 0);
    EXPECT_FALSE(Money::parseOrZero(QStringLiteral("1.2.3")).has_value());
}

TEST(Money, TenReceiptsOfOneTenthSettleABalanceOfOneToExactlyZero)
{
    Money balance = Money::units(1);
    const Money receipt = *Money::parse(QStringLiteral("0.1"));
    for (int i = 0; i < 10; ++i)
        balance -= receipt;
    EXPECT_TRUE(balance.isZero());
    EXPECT_EQ(balance.toString(), QStringLiteral("0"));
}

TEST(Money, ProductsQuotientsAndPercentagesRoundHalfAwayFromZero)
{
    const auto m = [](const char *s) { return *Money::parse(QString::fromUtf8(s)); };
    EXPECT_EQ((m("2.5") * m("3")).toString(), QStringLiteral("7.5"));
    EXPECT_EQ((m("0.0001") * m("0.5")).toString(), QStringLiteral("0.0001"));
    EXPECT_EQ((m("-0.0001") * m("0.5")).toString(), QStringLiteral("-0.0001"));
    EXPECT_EQ((m("10") / m("3")).toString(), QStringLiteral("3.3333"));
    EXPECT_EQ((m("20") / m("3")).toString(), QStringLiteral("6.6667"));
    EXPECT_EQ((m("1") / m("0")).toString(), QStringLiteral("0"));
    EXPECT_EQ(m("9.99").percent(90).toString(), QStringLiteral("8.991"));
    EXPECT_EQ(m("0.0005").percent(10).toString(), QStringLiteral("0.0001"));
    EXPECT_EQ(Money::fromDouble(0.1 + 0.2).toString(), QStringLiteral("0.3"));
}

TEST(Money, LineAmountsRoundOnceAtTheEnd)
{
    const auto m = [](const char *s) { return *Money::parse(QString::fromUtf8(s)); };
    EXPECT_EQ(Money::lineAmount(m("9.99"), m("3")).toString(), QStringLiteral("29.97"));
    EXPECT_EQ(Money::lineAmount(m("9.99"), m("3"), 90).toString(), QStringLiteral("26.973"));
    // 0.3333 x 0.3333 = 0.11108889: one rounding gives 0.1111; the discount does not round twice.
    EXPECT_EQ(Money::lineAmount(m("0.3333"), m("0.3333"), 85).toString(), QStringLiteral("0.0944"));
    EXPECT_EQ(Money::lineAmount(m("12.5"), m("2"), 0).toString(), QStringLiteral("0"));
}
