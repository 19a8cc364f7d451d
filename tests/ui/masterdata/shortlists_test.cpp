#include "masterdata/goodsform.h"
#include "masterdata/namelistwindow.h"
#include "masterdata/tfrmshop_in.h"
#include "masterdata/tfrmshop_m.h"
#include "masterdata/tfrmstype.h"
#include "masterdatafixture.h"
#include "trade/entrywindow.h"
#include "widgets/rowsetview.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace qv;
using test::gridColumn;
using test::MasterFixture;
using test::menuItem;

namespace {

QString focusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

QStringList labels(const QWidget *w)
{
    QStringList out;
    for (const QLabel *l : w->findChildren<QLabel *>())
        out << l->text();
    return out;
}

} // namespace

// The categories window.

TEST(CategoryWindow, RefusalsShowTheirMessageAndFocusTheField)
{
    struct Case {
        const char *name, *discount, *message, *focus;
    };
    const Case cases[] = {
        {"", "100", "商品分类 不能为空，请重新录入！", "theName"},
        {"新类", "", "销售折扣 不能为空，请重新录入！", "theZK"},
        {"旧类", "95", "商品分类 已存在，请重新录入！", "theName"}, // taken by a disabled category
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        MasterFixture f;
        f.addCategory("旧类", 100, "停用");
        TfrmSType w(f.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        w.nameEdit->setText(QString::fromUtf8(c.name));
        w.discountEdit->setText(QString::fromUtf8(c.discount));
        w.remarkEdit->setFocus();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.texts(), QStringList({QString::fromUtf8(c.message)}));
        EXPECT_EQ(focusedName(), c.focus);
        EXPECT_EQ(f.count("SELECT count(*) FROM SType"), 1);
    }
}

TEST(CategoryWindow, SaveAnnouncesReloadsAndClearsTheEntryBlock)
{
    MasterFixture f;
    TfrmSType w(f.ctx);
    w.show();
    EXPECT_EQ(w.windowTitle(), "商品分类");
    EXPECT_EQ(w.discountEdit->text(), "100");
    EXPECT_EQ(w.nameEdit->maxLength(), 20);
    EXPECT_EQ(w.remarkEdit->maxLength(), 50);
    w.discountEdit->clear();
    QTest::keyClicks(w.discountEdit, "9a.58");
    EXPECT_EQ(w.discountEdit->text(), "958") << "three digits at most, nothing else";
    w.discountEdit->setText("85");
    w.nameEdit->setText("日用品");
    w.remarkEdit->setText("杂项");
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.texts(), QStringList({"恭喜！恭喜！ 商品分类信息 保存成功！"}));
    EXPECT_EQ(test::gridTitles(w.grid), QStringList({"商品分类", "销售折扣", "备注", "状态", "ID"}));
    EXPECT_EQ(gridColumn(w.grid, 0), QStringList({"日用品"}));
    EXPECT_EQ(gridColumn(w.grid, 1), QStringList({"85"}));
    EXPECT_EQ(w.grid->columnWidth(1), 60);
    EXPECT_EQ(w.grid->columnWidth(2), 220);
    EXPECT_TRUE(w.grid->isColumnHidden(4));
    EXPECT_TRUE(w.nameEdit->text().isEmpty() && w.remarkEdit->text().isEmpty());
    EXPECT_EQ(w.discountEdit->text(), "85");
    QTest::mouseClick(w.newButton, Qt::LeftButton);
    EXPECT_EQ(w.discountEdit->text(), "100");
}

TEST(CategoryWindow, DisabledCategoriesLeaveTheDropDownsUntilEnabledAgain)
{
    MasterFixture f;
    f.addCategory("水果", 90);
    f.addCategory("饮料", 100);
    TfrmSType w(f.ctx);
    w.show();
    const auto offered = [&f] {
        TfrmShop_In entry(f.ctx);
        TfrmShop_M list(f.ctx);
        QStringList inEntry, inFilter;
        for (int i = 0; i < entry.form->categoryBox->count(); ++i)
            inEntry << entry.form->categoryBox->itemText(i);
        for (int i = 0; i < list.categoryFilter->count(); ++i)
            inFilter << list.categoryFilter->itemText(i);
        EXPECT_EQ(inEntry, inFilter);
        return inEntry;
    };
    test::selectRow(w.grid, 0, "水果");
    menuItem(w.menu, "停用 &T")->trigger();
    EXPECT_EQ(gridColumn(w.grid, 3), QStringList({"停用", "启用"}));
    EXPECT_EQ(offered(), QStringList({"饮料"}));
    menuItem(w.menu, "启用 &Q")->trigger();
    EXPECT_EQ(offered(), QStringList({"水果", "饮料"}));
}

TEST(CategoryWindow, StockAlertItemAsksForTheAlertWhenItIsOff)
{
    for (const bool alert : {false, true}) {
        MasterFixture f;
        f.stockAlert(alert);
        f.addCategory("水果", 90);
        TfrmSType w(f.ctx);
        w.show();
        EXPECT_EQ(test::menuCaptions(w.menu),
                  QStringList({"启用 &Q", "停用 &T", "库存警戒设置 &K", "修改销售折扣 &Z", "删除 &D"}));
        menuItem(w.menu, "库存警戒设置 &K")->trigger();
        EXPECT_EQ(f.messages.texts(),
                  alert ? QStringList() : QStringList({"请在 文件 菜单 里 本地信息 里 启用 库存警戒！"}));
    }
}

TEST(CategoryWindow, DeleteWarnsWhenGoodsUseItAndTheGoodsKeepTheirCategory)
{
    struct Case {
        const char *user; // "是" or "否" for CanDelete
        bool withGoods;
        bool answer;
        QStringList shown;
        bool deleted;
    };
    const QString question = "确认要删除吗？该删除将不可恢复！";
    const QString warning = "该商品分类有商品信息，请谨慎删除！";
    const Case cases[] = {
        {"是", true, true, {warning, question}, true},
        {"是", true, false, {warning, question}, false},
        {"是", false, true, {question}, true},
        {"否", true, true, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown.join(" / ").toStdString());
        MasterFixture f;
        f.ctx.session.CanDelete = QString::fromUtf8(c.user);
        f.messages.answer = c.answer;
        f.addCategory("水果", 90);
        const int goods = f.addGoods("A001", "苹果", "PG", c.withGoods ? "水果" : "");
        TfrmSType w(f.ctx);
        w.show();
        menuItem(w.menu, "删除 &D")->trigger();
        EXPECT_EQ(f.messages.texts(), c.shown);
        EXPECT_EQ(gridColumn(w.grid, 0).isEmpty(), c.deleted);
        EXPECT_EQ(f.count("SELECT count(*) FROM SType"), c.deleted ? 0 : 1);
        EXPECT_EQ(f.db().scalar("SELECT theType FROM SShop WHERE ID=?", {goods}).toString(),
                  c.withGoods ? "水果" : "");
    }
}

// The three short name lists.

TEST(NameLists, EachMemberShowsItsOwnTextsAndRefusesEmptyAndTakenNames)
{
    struct Case {
        const NameListKind &(*kind)();
        const char *caption, *group, *label, *heading, *saved;
    };
    const Case cases[] = {
        {&TfrmWare, "仓库设置", "仓库信息", "仓库名称：", "仓库名称", "恭喜！恭喜！ 仓库信息 保存成功！"},
        {&TfrmStaff, "经手人管理", "经手人信息", "经手人姓名：", "经手人姓名", "恭喜！恭喜！ 经手人信息 保存成功！"},
        {&TfrmAccount, "收付款方式设置", "收付款方式信息", "收付款方式：", "收付款方式", "恭喜！恭喜！ 收付款方式 保存成功！"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        MasterFixture f;
        const NameListKind &kind = c.kind();
        f.db().exec(QStringLiteral("INSERT INTO %1 (theName, Remark, theState) VALUES ('旧名', '', '停用')").arg(kind.table));
        NameListWindow w(f.ctx, kind);
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_EQ(w.objectName(), kind.windowClass);
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_EQ(w.entryBlock->title(), c.group);
        EXPECT_TRUE(labels(w.entryBlock).contains(c.label));
        EXPECT_EQ(test::gridTitles(w.grid), QStringList({c.heading, "备注", "状态", "ID"}));
        EXPECT_EQ(w.grid->columnWidth(1), 280);
        EXPECT_TRUE(w.grid->isColumnHidden(3));
        EXPECT_EQ(w.nameEdit->maxLength(), 20);
        EXPECT_EQ(w.remarkEdit->maxLength(), 50);
        const int before = w.grid->model()->rowCount();

        w.remarkEdit->setText("备");
        w.remarkEdit->setFocus();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.last(), QString(c.heading) + " 不能为空，请重新录入！");
        EXPECT_EQ(focusedName(), "theName");
        w.nameEdit->setText("旧名");
        w.remarkEdit->setFocus();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.last(), QString(c.heading) + " 已存在，请重新录入！");
        EXPECT_EQ(focusedName(), "theName");
        EXPECT_EQ(w.grid->model()->rowCount(), before);

        w.nameEdit->setText("新名");
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.last(), c.saved);
        EXPECT_EQ(gridColumn(w.grid, 0).last(), "新名");
        EXPECT_EQ(gridColumn(w.grid, 1).last(), "备");
        EXPECT_EQ(gridColumn(w.grid, 2).last(), "启用");
        EXPECT_TRUE(w.nameEdit->text().isEmpty() && w.remarkEdit->text().isEmpty());
        EXPECT_EQ(focusedName(), "theName");
    }
}

TEST(NameLists, DeleteIsRefusedForAWarehouseWithStockAndAsksOtherwise)
{
    struct Case {
        const NameListKind &(*kind)();
        const char *name;
        const char *user; // CanDelete
        QStringList shown;
        bool deleted;
    };
    const QString question = "确认要删除吗？该删除将不可恢复！";
    const Case cases[] = {
        {&TfrmWare, "商品仓库", "是", {"该仓库有商品库存，不能删除！"}, false}, // a stock row of quantity 0
        {&TfrmWare, "空仓", "是", {question}, true},
        {&TfrmStaff, "店小二", "是", {question}, true},   // named by the administrator's defaults
        {&TfrmAccount, "现金", "是", {question}, true},
        {&TfrmAccount, "现金", "否", {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.user);
        MasterFixture f;
        f.ctx.session.CanDelete = QString::fromUtf8(c.user);
        f.db().exec("INSERT INTO SWare (theName, Remark, theState) VALUES ('空仓', '', '启用')");
        f.addStock("商品仓库", f.addGoods("A001", "苹果", "PG"), "0");
        NameListWindow w(f.ctx, c.kind());
        w.show();
        test::selectRow(w.grid, 0, QString::fromUtf8(c.name));
        menuItem(w.menu, "删除 &D")->trigger();
        EXPECT_EQ(f.messages.texts(), c.shown);
        EXPECT_EQ(gridColumn(w.grid, 0).contains(QString::fromUtf8(c.name)), !c.deleted);
        EXPECT_EQ(f.count(QStringLiteral("SELECT count(*) FROM %1 WHERE theName=?").arg(c.kind().table),
                          {QString::fromUtf8(c.name)}),
                  c.deleted ? 0 : 1);
    }
}

TEST(NameLists, ADisabledWarehouseLeavesTheDocumentDropDownAndKeepsItsStock)
{
    MasterFixture f;
    f.db().exec("INSERT INTO SWare (theName, Remark, theState) VALUES ('二号仓', '', '启用')");
    f.addStock("二号仓", f.addGoods("A001", "苹果", "PG"), "3");
    NameListWindow w(f.ctx, TfrmWare());
    w.show();
    EXPECT_EQ(test::menuCaptions(w.menu), QStringList({"启用 &Q", "停用 &T", "删除 &D"}));
    test::selectRow(w.grid, 0, "二号仓");
    menuItem(w.menu, "停用 &T")->trigger();
    EXPECT_EQ(gridColumn(w.grid, 2), QStringList({"启用", "停用"}));
    {
        EntryWindow sale(f.ctx, TfrmXS_In());
        EXPECT_EQ(sale.DBLookupComboBox2->findText("二号仓"), -1);
        EXPECT_NE(sale.DBLookupComboBox2->findText("商品仓库"), -1);
    }
    EXPECT_EQ(f.count("SELECT count(*) FROM UKC WHERE WName='二号仓'"), 1);
    menuItem(w.menu, "启用 &Q")->trigger();
    EntryWindow sale(f.ctx, TfrmXS_In());
    EXPECT_NE(sale.DBLookupComboBox2->findText("二号仓"), -1);
}
