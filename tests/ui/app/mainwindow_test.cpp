#include "app/menucatalog.h"
#include "app/tfrmlogin.h"
#include "app/tfrmmain.h"
#include "messagerecorder.h"
#include "testdb.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace qv;

namespace {

// A main window over a fresh database, with a dispatch table that records what it opens.
struct MainFixture {
    test::TestStore store;
    test::MessageRecorder messages;
    AppContext ctx;
    QStringList opened;
    std::unique_ptr<TfrmMain> main;

    MainFixture()
    {
        ctx.db = store.db.get();
        ctx.app = store.app;
        ctx.options = store.session.options;
        WindowDispatch d;
        for (const char *item : {"N6", "N26", "B2", "N28"})
            d.setModal(QString::fromLatin1(item), [this, item](TfrmMain &) { opened << QString::fromLatin1(item); });
        for (const char *item : {"N7", "M1", "Q1"})
            d.setChild(QString::fromLatin1(item), [this, item](TfrmMain &) -> QWidget * {
                opened << QString::fromLatin1(item);
                auto *w = new QWidget;
                w->setObjectName(QString::fromLatin1(item));
                return w;
            });
        d.stockAlert = [this](TfrmMain &) -> QWidget * {
            opened << QStringLiteral("alert");
            auto *w = new QWidget;
            w->setObjectName(QStringLiteral("alert"));
            return w;
        };
        main = std::make_unique<TfrmMain>(ctx, d);
    }

    void loginAs(const QString &user, const QString &password, const QDate &date = QDate(2024, 3, 15))
    {
        TfrmLogin login(ctx, *main);
        login.show();
        login.userBox()->setCurrentText(user);
        login.passwordEdit()->setText(password);
        login.dateEdit()->setDate(date);
        QTest::mouseClick(login.loginButton(), Qt::LeftButton);
    }

    QStringList visibleItems() const
    {
        QStringList out;
        for (const MenuDef &m : mainMenus())
            for (const MenuItemDef &i : m.items)
                if (main->menuItem(i.name)->isVisible())
                    out << i.name;
        return out;
    }
    QList<bool> visibleMenus() const
    {
        QList<bool> out;
        for (int i = 0; i < 7; ++i)
            out << main->topMenu(i)->menuAction()->isVisible();
        return out;
    }
    QStringList childNames() const
    {
        QStringList out;
        for (QWidget *w : main->openChildren())
            out << w->objectName();
        return out;
    }
    int addUser(const QString &name, const QStringList &codes)
    {
        store.db->exec("INSERT INTO SUser (theName, thePass, theState, theM, theD, theE) VALUES (?, '711729', '启用', '否', '否', '否')",
                       {name});
        const int id = store.db->scalar("SELECT max(ID) FROM SUser").toInt();
        for (const QString &c : codes)
            store.db->exec("INSERT INTO SLevel (UID, MNum) VALUES (?, ?)", {id, c});
        return id;
    }
};

} // namespace

TEST(LoginWindow, RefusalsShowTheirMessageAndKeepTheMainWindowHidden)
{
    MainFixture f;
    TfrmLogin login(f.ctx, *f.main);
    login.show();
    EXPECT_EQ(login.windowTitle(), "软件登录");
    EXPECT_EQ(login.userBox()->currentIndex(), -1);
    EXPECT_EQ(login.passwordEdit()->maxLength(), 12);
    EXPECT_EQ(login.dateEdit()->date(), QDate::currentDate());
    QTest::mouseClick(login.loginButton(), Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "用户名 不能为空，请选择 用户名！");
    login.userBox()->setCurrentIndex(0);
    login.passwordEdit()->setText("wrong");
    QTest::mouseClick(login.loginButton(), Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "密码错误，请重新录入密码！");
    EXPECT_FALSE(f.main->isVisible());
    EXPECT_FALSE(f.ctx.loggedIn);
    // Leaving the login window ends the program.
    QTest::mouseClick(login.exitButton(), Qt::LeftButton);
    EXPECT_EQ(f.messages.quits, 1);
}

TEST(LoginWindow, SuccessShowsTheMainWindowWithDateAndUserInTheStatusBar)
{
    MainFixture f;
    f.loginAs("系统管理员", "", QDate(2024, 3, 14));
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_EQ(f.ctx.session.WorkDate, "2024-03-14");
    EXPECT_EQ(f.main->statusPanel(0)->text(), "Qorvan进销存软件");
    EXPECT_EQ(f.main->statusPanel(1)->text(), "营业日期：");
    EXPECT_EQ(f.main->statusPanel(2)->text(), "2024-03-14");
    EXPECT_EQ(f.main->statusPanel(3)->text(), "当前用户：");
    EXPECT_EQ(f.main->statusPanel(4)->text(), "系统管理员");
    EXPECT_EQ(f.messages.quits, 0);
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(MainWindow, MenusShowExactlyWhatTheUserHolds)
{
    struct Case { QStringList codes; QList<bool> menus; QStringList items; };
    const QStringList always{"N8", "H2", "N1", "W1", "N10", "A2"};
    const Case cases[] = {
        {{}, {true, false, false, false, false, false, true}, always},
        {{"200"}, {true, false, true, false, false, false, true}, QStringList{"N8", "N26"} + always.mid(1)},
        {{"999", "0x1", "12"}, {true, false, false, false, false, false, true}, always},
    };
    for (const Case &c : cases) {
        MainFixture f;
        f.addUser("小李", c.codes);
        f.loginAs("小李", "711729");
        EXPECT_EQ(f.visibleMenus(), c.menus) << c.codes.join(',').toStdString();
        QStringList want = c.items;
        QStringList got = f.visibleItems();
        want.sort();
        got.sort();
        EXPECT_EQ(got, want) << c.codes.join(',').toStdString();
        EXPECT_FALSE(f.ctx.session.mayModify());
    }
    MainFixture all;
    all.loginAs("系统管理员", "");
    EXPECT_EQ(all.visibleMenus(), QList<bool>(7, true));
    EXPECT_EQ(all.visibleItems().size(), 78 + 5);
}

TEST(MainWindow, ToolButtonOfAnUngrantedItemDoesNothing)
{
    MainFixture f;
    f.addUser("小李", {"200"});
    f.loginAs("小李", "711729");
    ASSERT_EQ(int(toolButtons().size()), 14);
    QToolButton *purchase = f.main->toolButton("采购入库");
    ASSERT_NE(purchase, nullptr);
    EXPECT_EQ(purchase->size(), QSize(60, 60));
    QTest::mouseClick(purchase, Qt::LeftButton);
    EXPECT_TRUE(f.opened.isEmpty());
    QTest::mouseClick(f.main->toolButton("销售出库"), Qt::LeftButton);
    EXPECT_EQ(f.opened, QStringList({"N26"}));
    // The stock report button is gated too.
    QTest::mouseClick(f.main->toolButton("库存报表"), Qt::LeftButton);
    EXPECT_EQ(f.opened, QStringList({"N26"}));
    QTest::mouseClick(f.main->toolButton("帮助"), Qt::LeftButton);
    EXPECT_EQ(f.messages.urls.size(), 1);
}

TEST(MainWindow, OneListWindowAtATimeAndTheAlertWindowStays)
{
    MainFixture f;
    f.store.db->exec("UPDATE SDept SET theTX=1");
    f.store.db->exec("INSERT INTO SShop (theName, theDel, theKCMin, theKCMax) VALUES ('缺货', '否', 50000, 100000)");
    f.store.db->exec("INSERT INTO UKC (WName, SID, theCount) VALUES ('商品仓库', 1, 0)");
    f.ctx.options.StockAlertOn = "True";
    f.loginAs("系统管理员", "");
    EXPECT_EQ(f.childNames(), QStringList({"alert"}));
    f.main->menuClick("N7");
    QTest::qWait(1);
    EXPECT_EQ(f.childNames(), QStringList({"alert", "N7"}));
    f.main->menuClick("M1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.childNames(), QStringList({"alert", "M1"}));
    f.main->menuClick("B2"); // a modal window closes the list window too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.childNames(), QStringList({"alert"}));
    EXPECT_EQ(f.opened, QStringList({"alert", "N7", "M1", "B2"}));
}

TEST(MainWindow, NoAlertWindowWhenTheAlertIsOff)
{
    MainFixture f;
    f.store.db->exec("INSERT INTO SShop (theName, theDel, theKCMin, theKCMax) VALUES ('缺货', '否', 50000, 100000)");
    f.store.db->exec("INSERT INTO UKC (WName, SID, theCount) VALUES ('商品仓库', 1, 0)");
    f.loginAs("系统管理员", "");
    EXPECT_TRUE(f.childNames().isEmpty());
}

TEST(MainWindow, ClosingAsksAndNoKeepsTheProgramOpen)
{
    MainFixture f;
    f.loginAs("系统管理员", "");
    f.messages.answers = {false};
    f.main->menuClick("N8");
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_EQ(f.messages.last(), "确认要退出 Qorvan进销存软件 吗？  ^_^  ");
    EXPECT_EQ(f.messages.shown.last().caption, "Qorvan进销存软件");
    EXPECT_EQ(f.messages.quits, 0);
    f.messages.answers = {true};
    QTest::mouseClick(f.main->toolButton("退出"), Qt::LeftButton);
    EXPECT_EQ(f.messages.quits, 1);
}
