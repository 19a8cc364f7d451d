#include "text/numtochar.h"

#include <gtest/gtest.h>

#include <limits>

using qv::Money;
using qv::NumToChar;

namespace {

Money amount(const char *text)
{
    return *Money::parse(QString::fromUtf8(text));
}

} // namespace

TEST(NumToChar, WritesCapitalMoneyWords)
{
    struct Case { const char *amount; const char *words; };
    const Case cases[] = {
        {"1", "壹元整"},
        {"12.04", "壹拾贰元零肆分"},
        {"12.3", "壹拾贰元叁角"},
        {"1010", "壹仟零壹拾元整"},
        {"100010000", "壹亿零壹万元整"},
        {"0.05", "伍分"},
        {"0", ""},
        {"10.10", "壹拾元壹角"},
        {"100.5", "壹佰元伍角"},
        {"1.05", "壹元零伍分"},
        {"100000", "壹拾万元整"},
        {"10000000", "壹仟万元整"},
        {"100000000", "壹亿元整"},
        {"10000000.01", "壹仟万元零壹分"},
        {"1000000000000", "壹万亿元整"},
        {"20304.5", "贰万零叁佰零肆元伍角"},
        {"9999999999999.99",
         "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumToChar(amount(c.amount)), QString::fromUtf8(c.words)) << c.amount;
}

TEST(NumToChar, RoundsHalfAFenToTheEvenFen)
{
    struct Case { const char *amount; const char *words; };
    const Case cases[] = {
        {"0.005", ""},      // 0.5 fen -> 0
        {"0.015", "贰分"},  // 1.5 fen -> 2
        {"0.025", "贰分"},  // 2.5 fen -> 2
        {"0.0051", "壹分"},
        {"0.0149", "壹分"},
        {"1.995", "贰元整"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumToChar(amount(c.amount)), QString::fromUtf8(c.words)) << c.amount;
}

// The words of a negative amount used to end in a conversion error that stopped the save.
TEST(NumToChar, NegativeAmountGivesTheWordsOfItsMagnitude)
{
    for (const char *text : {"12.04", "1010", "0.015", "100010000"})
        EXPECT_EQ(NumToChar(-amount(text)), NumToChar(amount(text))) << text;
    EXPECT_EQ(NumToChar(amount("-100.5")), QStringLiteral("壹佰元伍角"));
}

// Amounts from 10^13 on used to come out with every unit shifted by one or more places.
TEST(NumToChar, AmountsBeyondTenThousandYiKeepTheirUnits)
{
    EXPECT_EQ(NumToChar(amount("10000000000000")), QStringLiteral("壹拾万亿元整"));
    EXPECT_EQ(NumToChar(amount("123456789012345.67")),
              QStringLiteral("壹佰贰拾叁万肆仟伍佰陆拾柒亿捌仟玖佰零壹万贰仟叁佰肆拾伍元陆角柒分"));
    const QString largest = QStringLiteral(
        "玖佰贰拾贰万叁仟叁佰柒拾贰亿零叁佰陆拾捌万伍仟肆佰柒拾柒元伍角捌分");
    EXPECT_EQ(NumToChar(Money::fromRaw(std::numeric_limits<std::int64_t>::max())), largest);
    EXPECT_EQ(NumToChar(Money::fromRaw(std::numeric_limits<std::int64_t>::min())), largest);
}
