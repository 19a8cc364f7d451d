#include "app/appcontext.h"
#include "app/store.h"
#include "app/login.h"
#include "app/tfrmdept.h"
#include "app/tfrmxxsz.h"
#include "messagerecorder.h"
#include "testdb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;

namespace {

struct Fixture {
    test::TestStore store;
    test::MessageRecorder messages;
    AppContext ctx;
    Fixture()
    {
        ctx.db = store.db.get();
        ctx.app = store.app;
        ctx.session = store.session;
        ctx.options = store.session.options;
        ctx.loggedIn = true;
    }
};

} // namespace

TEST(StoreSettingsWindow, LimitsAreEditableOnlyWithTheAlertTicked)
{
    Fixture f;
    TfrmDept w(f.ctx);
    w.show();
    EXPECT_FALSE(w.alertBox->isChecked());
    EXPECT_FALSE(w.minEdit->isEnabled());
    EXPECT_FALSE(w.maxEdit->isEnabled());
    EXPECT_EQ(w.maxEdit->text(), "1000");
    QTest::mouseClick(w.alertBox, Qt::LeftButton, {}, QPoint(5, w.alertBox->height() / 2));
    EXPECT_TRUE(w.minEdit->isEnabled() && w.maxEdit->isEnabled());
    // Only digits and the point get in.
    w.minEdit->clear();
    QTest::keyClicks(w.minEdit, "1a2.5-");
    EXPECT_EQ(w.minEdit->text(), "12.5");
    QTest::mouseClick(w.alertBox, Qt::LeftButton, {}, QPoint(5, w.alertBox->height() / 2));
    EXPECT_FALSE(w.minEdit->isEnabled());
    // Greyed out, yet kept and saved.
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "恭喜！恭喜！ 本店信息 保存成功！");
    EXPECT_EQ(f.messages.quits, 1);
    EXPECT_EQ(loadStoreSettings(*f.ctx.db).theKCMin, "12.5");
    EXPECT_FALSE(loadStoreSettings(*f.ctx.db).theTX);
    EXPECT_TRUE(w.topLeftGroup->isHidden() && w.noticeGroup->isHidden());
}

TEST(StoreSettingsWindow, SaveWritesEveryControlIncludingHiddenGroups)
{
    Fixture f;
    f.ctx.db->exec("UPDATE SDept SET theCB='不认识的词', theT1='旧一', theGS='旧提醒'");
    TfrmDept w(f.ctx);
    w.show();
    EXPECT_TRUE(w.costButtons.first()->isChecked()) << "an unknown cost word selects the weighted average";
    EXPECT_EQ(w.topLeftEdit[0]->text(), "旧一");
    EXPECT_EQ(w.nameEdit->maxLength(), 50);
    EXPECT_EQ(w.paramEdit[0]->maxLength(), 10);
    w.nameEdit->setText("王's 小店");
    w.lineEdit[4]->setText("第五行");
    w.noticeEdit->setText("新提醒");
    w.negativeBox->setChecked(true);
    w.costButtons[2]->setChecked(true);
    w.paramEdit[1]->setText("尺码");
    w.printParamsBox->setChecked(true);
    w.maxEdit->clear();
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.quits, 1);
    const StoreSettings s = loadStoreSettings(*f.ctx.db);
    EXPECT_EQ(s.theName, "王's 小店");
    EXPECT_EQ(s.theSW, "第五行");
    EXPECT_EQ(s.theGS, "新提醒");
    EXPECT_EQ(s.theT1, "旧一");
    EXPECT_EQ(s.theCB, "后进先出");
    EXPECT_EQ(s.theCS2, "尺码");
    EXPECT_EQ(s.theKCMax, "0");
    EXPECT_TRUE(s.theFKC && s.theCS);
}

TEST(StoreSettingsWindow, RefusalFocusesTheFieldAndKeepsTheWindowOpen)
{
    Fixture f;
    TfrmDept w(f.ctx);
    w.show();
    QApplication::setActiveWindow(&w);
    w.nameEdit->clear();
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "本店名称 不能为空！");
    EXPECT_EQ(QApplication::focusWidget(), w.nameEdit);
    w.nameEdit->setText("店");
    w.alertBox->setChecked(true);
    w.minEdit->setText("1.2.3");
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "最低库存 必须是数字，请重新录入！");
    EXPECT_EQ(QApplication::focusWidget(), w.minEdit);
    EXPECT_EQ(f.messages.quits, 0);
    EXPECT_EQ(loadStoreSettings(*f.ctx.db).theName, "Qorvan商贸");
}

TEST(DefaultOptionsWindow, ShowsTheStoredNamesAndSavesThem)
{
    Fixture f;
    f.ctx.db->exec("INSERT INTO SWare (theName, Remark, theState) VALUES ('二号仓', '', '启用')");
    f.ctx.db->exec("INSERT INTO SWare (theName, Remark, theState) VALUES ('旧仓', '', '停用')");
    TfrmXXSZ w(f.ctx, 1, "系统管理员 的默认选项设置");
    w.show();
    EXPECT_EQ(w.windowTitle(), "系统管理员 的默认选项设置");
    EXPECT_EQ(w.group->title(), "系统管理员 的默认选项设置");
    EXPECT_EQ(w.wareBox->count(), 2) << "disabled warehouses are not offered";
    EXPECT_EQ(w.wareBox->currentText(), "商品仓库");
    EXPECT_EQ(w.accountBox->currentText(), "现金");
    EXPECT_EQ(w.handlerBox->currentText(), "店小二");
    EXPECT_EQ(w.payeeBox->currentText(), "掌柜");
    w.wareBox->setCurrentText("二号仓");
    w.payeeBox->setCurrentIndex(-1);
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.last(), "系统管理员 的默认选项设置 保存成功！请重新登录！");
    EXPECT_EQ(f.messages.quits, 1);
    const UserDefaults d = loadUserDefaults(*f.ctx.db, 1);
    EXPECT_EQ(d.warehouse, "二号仓");
    EXPECT_EQ(d.payee, "");
    EXPECT_EQ(d.handler, "店小二");
}
