#include "app/login.h"
#include "testdb.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Login, AdministratorWithEmptyPasswordGetsDefaultsRightsAndDate)
{
    test::TestStore s;
    auto r = login(*s.db, QStringLiteral("系统管理员"), QString(), QDate(2024, 3, 14));
    ASSERT_TRUE(std::holds_alternative<Session>(r));
    const Session &u = std::get<Session>(r);
    EXPECT_EQ(u.UserId, 1);
    EXPECT_EQ(u.CurUser, "系统管理员");
    EXPECT_EQ(u.WorkDate, "2024-03-14");
    EXPECT_EQ(u.DefWare, "商品仓库");
    EXPECT_EQ(u.DefAccount, "现金");
    EXPECT_EQ(u.DefHandler, "店小二");
    EXPECT_EQ(u.DefPayee, "掌柜");
    EXPECT_TRUE(u.mayModify() && u.mayDelete() && u.mayExport());
}

TEST(Login, RefusalsNameTheirMessageAndField)
{
    test::TestStore s;
    struct Case { QString user, pass, message, field; };
    const Case cases[] = {
        {QString(), QString(), "用户名 不能为空，请选择 用户名！", "user"},
        {"系统管理员", "x", "密码错误，请重新录入密码！", "password"},
        {"没有这个人", QString(), "密码错误，请重新录入密码！", "password"},
    };
    for (const Case &c : cases) {
        auto r = login(*s.db, c.user, c.pass, QDate(2024, 3, 15));
        ASSERT_TRUE(std::holds_alternative<Refusal>(r)) << c.user.toStdString();
        EXPECT_EQ(std::get<Refusal>(r).message, c.message);
        EXPECT_EQ(std::get<Refusal>(r).field, c.field);
    }
}

TEST(Login, NamesAndPasswordsWithApostrophesLogInNormally)
{
    test::TestStore s;
    s.db->exec("INSERT INTO SUser (theName, thePass, theState, theM, theD, theE) VALUES (?, ?, '启用', '否', '是', '否')",
               {QStringLiteral("O'Neil"), QStringLiteral("it's' OR '1'='1")});
    auto ok = login(*s.db, QStringLiteral("O'Neil"), QStringLiteral("it's' OR '1'='1"), QDate(2024, 3, 15));
    ASSERT_TRUE(std::holds_alternative<Session>(ok));
    EXPECT_FALSE(std::get<Session>(ok).mayModify());
    EXPECT_TRUE(std::get<Session>(ok).mayDelete());
    // The classic injection gets nowhere.
    auto bad = login(*s.db, QStringLiteral("系统管理员"), QStringLiteral("' OR '1'='1"), QDate(2024, 3, 15));
    EXPECT_TRUE(std::holds_alternative<Refusal>(bad));
    EXPECT_TRUE(DBComUser(*s.db).contains(QStringLiteral("O'Neil")));
}

TEST(Login, OnlyEnabledUsersAreOfferedAndDefaultsRoundTrip)
{
    test::TestStore s;
    s.db->exec("INSERT INTO SUser (theName, thePass, theState) VALUES ('停用的人', '', '停用')");
    EXPECT_EQ(DBComUser(*s.db), QStringList({"系统管理员"}));
    saveUserDefaults(*s.db, 1, {QStringLiteral("二号'仓"), QString(), QStringLiteral("掌柜"), QStringLiteral("店小二")});
    const UserDefaults d = loadUserDefaults(*s.db, 1);
    EXPECT_EQ(d.warehouse, "二号'仓");
    EXPECT_EQ(d.account, "");
    EXPECT_EQ(d.handler, "掌柜");
    EXPECT_EQ(d.payee, "店小二");
    EXPECT_EQ(grantedCodes(*s.db, 1).size(), 78);
    EXPECT_TRUE(grantedCodes(*s.db, 99).isEmpty());
}
