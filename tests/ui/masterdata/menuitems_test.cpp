#include "app/tfrmlogin.h"
#include "app/tfrmmain.h"
#include "masterdatafixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace qv;

namespace {

// The main window with the program's own dispatch table, logged in as the administrator.
struct MainFixture : test::MasterFixture {
    std::unique_ptr<TfrmMain> main;
    MainFixture()
    {
        ctx.loggedIn = false;
        main = std::make_unique<TfrmMain>(ctx);
        TfrmLogin login(ctx, *main);
        login.show();
        login.userBox()->setCurrentText("系统管理员");
        QTest::mouseClick(login.loginButton(), Qt::LeftButton);
    }
};

} // namespace

TEST(MasterDataMenu, ModalItemsOpenTheirWindowsNewRecordsWithIdZero)
{
    struct Case {
        const char *item, *window, *caption;
        bool hasId;
    };
    const Case cases[] = {
        {"N16", "TfrmWare", "仓库设置", false},        {"N37", "TfrmAccount", "收付款方式设置", false},
        {"Y1", "TfrmStaff", "经手人管理", false},      {"N13", "TfrmSType", "商品分类", false},
        {"N28", "TfrmShop_In", "商品录入", true},      {"N19", "TfrmUnits_In", "往来单位录入", true},
    };
    MainFixture f;
    ASSERT_TRUE(f.ctx.loggedIn);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        QString window, caption, id;
        test::onModal([&](QDialog *d) {
            window = d->objectName();
            caption = d->windowTitle();
            if (auto *label = d->findChild<QLabel *>("Lab_ID"))
                id = label->text();
            d->reject();
        });
        f.main->menuClick(QString::fromLatin1(c.item));
        EXPECT_EQ(window, c.window);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(id, c.hasId ? "0" : "");
    }
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(MasterDataMenu, ListItemsOpenTheirListWindowsOneAtATime)
{
    MainFixture f;
    f.main->menuClick("N15");
    QList<QWidget *> open = f.main->openChildren();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.first()->objectName(), "TfrmShop_M");
    EXPECT_EQ(open.first()->windowTitle(), "商品管理");
    f.main->menuClick("N20");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open = f.main->openChildren();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.first()->objectName(), "TfrmUnits_M");
    EXPECT_EQ(open.first()->windowTitle(), "往来单位管理");
    EXPECT_TRUE(f.messages.shown.isEmpty());
}
