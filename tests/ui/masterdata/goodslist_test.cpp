#include "masterdata/goods.h"
#include "masterdata/goodsform.h"
#include "masterdata/tfrmshop_in.h"
#include "masterdata/tfrmshop_m.h"
#include "masterdata/tfrmshop_py.h"
#include "masterdatafixture.h"
#include "widgets/rowsetview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace qv;
using test::gridColumn;
using test::MasterFixture;
using test::menuItem;
using test::modalsOpenedBy;
using test::onModal;

namespace {

// Three goods in two categories, one of them with stock.
struct GoodsListFixture : MasterFixture {
    int apple, banana, cola;
    GoodsListFixture()
    {
        addCategory("水果", 90);
        addCategory("饮料", 100);
        apple = addGoods("A001", "苹果", "PG", "水果");
        banana = addGoods("B001", "香蕉", "XJ", "水果");
        cola = addGoods("C001", "可乐", "KL", "饮料", "瓶");
        addStock("商品仓库", apple, "0");
    }
};

constexpr int NameColumn = 2;

void select(TfrmShop_M &w, const QString &name) { test::selectRow(w.grid, NameColumn, name); }

} // namespace

TEST(GoodsList, InertUntilQueriedThenShowsTheColumnsAsLaidOut)
{
    for (const bool alert : {false, true}) {
        SCOPED_TRACE(alert ? "alert on" : "alert off");
        GoodsListFixture f;
        f.stockAlert(alert);
        TfrmShop_M w(f.ctx);
        w.show();
        EXPECT_EQ(w.windowTitle(), "商品管理");
        EXPECT_FALSE(w.barcodeButton->isEnabled());
        EXPECT_FALSE(w.excelButton->isEnabled());
        EXPECT_EQ(w.grid->contextMenuPolicy(), Qt::NoContextMenu);
        EXPECT_EQ(w.grid->model()->rowCount(), 0);

        QTest::mouseClick(w.queryButton, Qt::LeftButton);
        EXPECT_TRUE(w.barcodeButton->isEnabled());
        EXPECT_TRUE(w.excelButton->isEnabled());
        EXPECT_EQ(w.grid->contextMenuPolicy(), Qt::CustomContextMenu);
        EXPECT_EQ(w.statusLine->text(), "商品数量：3");
        EXPECT_EQ(test::gridTitles(w.grid),
                  QStringList({"商品编码", "商品分类", "商品名称", "规格型号", "产品批号", "生产日期", "有效期至", "单位",
                               "采购单价", "销售单价", "销售折扣", "备注", "最低库存", "最高库存", "状态", "ID", "thePY"}));
        const int widths[] = {-1, 100, 200, 80, 80, 80, 80, 60, 80, 80, 60, 120, 60, 60, -1};
        for (int c = 0; c < 15; ++c)
            if (widths[c] > 0 && !w.grid->isColumnHidden(c))
                EXPECT_EQ(w.grid->columnWidth(c), widths[c]) << c;
        EXPECT_EQ(w.grid->isColumnHidden(12), !alert);
        EXPECT_EQ(w.grid->isColumnHidden(13), !alert);
        EXPECT_TRUE(w.grid->isColumnHidden(15) && w.grid->isColumnHidden(16));
        EXPECT_FALSE(w.grid->isColumnHidden(8));
        EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"苹果", "香蕉", "可乐"}));
        EXPECT_EQ(gridColumn(w.grid, 8), QStringList({"2", "2", "2"}));
    }
}

TEST(GoodsList, FiltersJoinInTheirOrderAndFindNamesByPinyin)
{
    GoodsListFixture f;
    TfrmShop_M w(f.ctx);
    w.show();
    // Ticked in reverse order: the condition still follows the filter block.
    QTest::keyClicks(w.remarkFilter, "r");
    QTest::keyClicks(w.unitFilter, "u");
    QTest::keyClicks(w.modelFilter, "m");
    QTest::keyClicks(w.numberFilter, "n");
    QTest::keyClicks(w.nameFilter, "p");
    w.categoryFilter->setCurrentIndex(w.categoryFilter->findText("水果"));
    emit w.categoryFilter->activated(w.categoryFilter->currentIndex());
    for (const char *caption : {"商品分类", "商品名称", "商品编码", "规格型号", "单        位", "备        注"})
        EXPECT_TRUE(w.filterBox(QString::fromUtf8(caption))->isChecked()) << caption;
    w.runQuery();
    GoodsFilter all;
    all.category = "水果";
    all.name = "p";
    all.number = "n";
    all.model = "m";
    all.unit = "u";
    all.remark = "r";
    EXPECT_EQ(w.Lab_where.sql, goodsCondition(all).sql);
    EXPECT_EQ(w.Lab_where.values, goodsCondition(all).values);

    for (QCheckBox *b : {w.filterBox("商品分类"), w.filterBox("商品编码"), w.filterBox("规格型号"),
                         w.filterBox("单        位"), w.filterBox("备        注")})
        b->setChecked(false);
    w.nameFilter->setText("pg");
    w.runQuery();
    EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"苹果"}));
    w.nameFilter->setText("可");
    w.runQuery();
    EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"可乐"}));
}

TEST(GoodsList, HidingThePurchasePriceRunsTheQuery)
{
    GoodsListFixture f;
    TfrmShop_M w(f.ctx);
    w.show();
    EXPECT_EQ(w.hidePurchasePriceBox->text(), "隐藏采购单价 （Alt 加 A 健）&A");
    QTest::mouseClick(w.hidePurchasePriceBox, Qt::LeftButton, {}, QPoint(5, w.hidePurchasePriceBox->height() / 2));
    EXPECT_TRUE(w.hasQueried());
    EXPECT_TRUE(w.barcodeButton->isEnabled());
    EXPECT_EQ(w.grid->model()->rowCount(), 3);
    EXPECT_TRUE(w.grid->isColumnHidden(8));
    QTest::mouseClick(w.hidePurchasePriceBox, Qt::LeftButton, {}, QPoint(5, w.hidePurchasePriceBox->height() / 2));
    EXPECT_FALSE(w.grid->isColumnHidden(8));
}

TEST(GoodsList, ContextMenuItemsInOrderAndStateSwitches)
{
    GoodsListFixture f;
    TfrmShop_M w(f.ctx);
    w.show();
    EXPECT_EQ(test::menuCaptions(w.menu),
              QStringList({"启用 &Q", "停用 &T", "条码 &C", "修改 &M", "拼音码修改 &P", "修改销售折扣 &Z", "图片管理 &I",
                           "查看图片 &K", "图片列表 &B", "查看流动记录 &L", "删除 &D"}));
    w.runQuery();
    select(w, "香蕉");
    menuItem(w.menu, "停用 &T")->trigger();
    EXPECT_EQ(f.db().scalar("SELECT theState FROM SShop WHERE ID=?", {f.banana}).toString(), "停用");
    EXPECT_EQ(gridColumn(w.grid, 14), QStringList({"启用", "停用", "启用"})) << "the list reloads";
    menuItem(w.menu, "启用 &Q")->trigger();
    EXPECT_EQ(f.db().scalar("SELECT theState FROM SShop WHERE ID=?", {f.banana}).toString(), "启用");
    // The items whose windows come later open nothing and say nothing.
    for (const char *later : {"条码 &C", "修改销售折扣 &Z", "图片管理 &I", "查看图片 &K", "图片列表 &B", "查看流动记录 &L"})
        EXPECT_TRUE(modalsOpenedBy([&] { menuItem(w.menu, QString::fromUtf8(later))->trigger(); }).isEmpty()) << later;
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(GoodsList, ActionsNeedingARightDoNothingWithoutIt)
{
    struct Case {
        const char *action;
        bool modifyRight; // the right the action needs: CanModify, else CanDelete
        const char *opens; // the window it opens when the right is held
    };
    const Case cases[] = {{"修改 &M", true, "TfrmShop_In"},
                          {"拼音码修改 &P", true, "TfrmShop_PY"},
                          {"double click", true, "TfrmShop_In"},
                          {"删除 &D", false, ""}};
    for (const Case &c : cases) {
        for (const bool held : {false, true}) {
            SCOPED_TRACE(std::string(c.action) + (held ? " with the right" : " without it"));
            GoodsListFixture f;
            (c.modifyRight ? f.ctx.session.CanModify : f.ctx.session.CanDelete) = held ? "是" : "否";
            f.messages.answer = false;
            TfrmShop_M w(f.ctx);
            w.show();
            w.runQuery();
            select(w, "可乐");
            const QStringList opened = modalsOpenedBy([&] {
                if (QString::fromUtf8(c.action) == "double click") {
                    test::doubleClickCurrentRow(w.grid);
                } else {
                    menuItem(w.menu, QString::fromUtf8(c.action))->trigger();
                }
            });
            EXPECT_EQ(opened, held && *c.opens ? QStringList({c.opens}) : QStringList());
            EXPECT_EQ(f.messages.shown.size(), !held || *c.opens ? 0 : 1) << "only the delete question";
            EXPECT_EQ(f.db().scalar("SELECT theDel FROM SShop WHERE ID=?", {f.cola}).toString(), "否");
        }
    }
}

TEST(GoodsList, DeleteWarnsAboutStockThenAsksAndYesDeletes)
{
    struct Case {
        const char *goods;
        bool answer;
        QStringList shown;
        bool deleted;
    };
    const QString question = "确认要删除吗？该删除将不可恢复！";
    const Case cases[] = {
        {"苹果", true, {"该商品有库存，请谨慎删除！", question}, true},
        {"苹果", false, {"该商品有库存，请谨慎删除！", question}, false},
        {"香蕉", true, {question}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.goods) + (c.answer ? " yes" : " no"));
        GoodsListFixture f;
        f.messages.answer = c.answer;
        TfrmShop_M w(f.ctx);
        w.show();
        w.runQuery();
        select(w, QString::fromUtf8(c.goods));
        menuItem(w.menu, "删除 &D")->trigger();
        EXPECT_EQ(f.messages.texts(), c.shown);
        EXPECT_EQ(f.messages.shown.last().caption, "删除");
        EXPECT_TRUE(f.messages.askedDefaultNo.last());
        if (c.shown.size() == 2)
            EXPECT_EQ(f.messages.shown.first().kind, "warn");
        EXPECT_EQ(gridColumn(w.grid, NameColumn).contains(QString::fromUtf8(c.goods)), !c.deleted);
        EXPECT_EQ(f.count("SELECT count(*) FROM SShop WHERE theDel='是'"), c.deleted ? 1 : 0);
        EXPECT_EQ(f.count("SELECT count(*) FROM UKC"), 1) << "stock rows stay";
    }
}

TEST(GoodsList, ModifyOpensTheFilledEditWindowAndTheListShowsTheEdit)
{
    GoodsListFixture f;
    f.ctx.session.options.ParamLabel1 = "批号";
    f.db().exec("UPDATE SShop SET theStand='1L', theCS1='B-9', Remark='冰镇', theKCMax=500000 WHERE ID=?", {f.cola});
    TfrmShop_M w(f.ctx);
    w.show();
    w.runQuery();
    select(w, "可乐");
    onModal([&](QDialog *d) {
        auto *e = qobject_cast<TfrmShop_In *>(d);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->windowTitle(), "商品修改");
        EXPECT_EQ(e->Lab_ID->text(), QString::number(f.cola));
        for (QCheckBox *b : {e->continuousBox, e->sameModelBox, e->sameUnitBox})
            EXPECT_TRUE(!b->isChecked() && !b->isVisible());
        EXPECT_EQ(e->form->numberEdit->text(), "C001") << "the number is kept, not renewed";
        EXPECT_EQ(e->form->categoryBox->currentText(), "饮料");
        EXPECT_EQ(e->form->modelEdit->text(), "1L");
        EXPECT_EQ(e->form->unitEdit->text(), "瓶");
        EXPECT_EQ(e->form->purchasePriceEdit->text(), "2");
        EXPECT_EQ(e->form->salesPriceEdit->text(), "3");
        EXPECT_EQ(e->form->paramLabel[0]->text(), "批号：");
        EXPECT_EQ(e->form->paramEdit[0]->text(), "B-9");
        EXPECT_EQ(e->form->remarkEdit->text(), "冰镇");
        EXPECT_EQ(e->form->maxStockEdit->text(), "50");
        e->form->nameEdit->setText("可口可乐");
        e->form->categoryBox->setCurrentIndex(e->form->categoryBox->findText("水果"));
        QTest::mouseClick(e->saveButton, Qt::LeftButton);
    });
    menuItem(w.menu, "修改 &M")->trigger();
    EXPECT_TRUE(f.messages.shown.isEmpty()) << "an edit closes without a message";
    EXPECT_TRUE(gridColumn(w.grid, NameColumn).contains("可口可乐")) << "the list reloaded";
    EXPECT_EQ(f.db().scalar("SELECT theZK FROM SShop WHERE ID=?", {f.cola}).toInt(), 90) << "the new category's discount";
    EXPECT_EQ(f.count("SELECT count(*) FROM SShop"), 3);
}

TEST(GoodsList, EditingGoodsOfADisabledCategoryKeepsTheCategory)
{
    GoodsListFixture f;
    f.db().exec("UPDATE SType SET theState='停用' WHERE theName='饮料'");
    TfrmShop_M w(f.ctx);
    w.show();
    w.runQuery();
    select(w, "可乐");
    onModal([](QDialog *d) {
        auto *e = qobject_cast<TfrmShop_In *>(d);
        EXPECT_EQ(e->form->categoryBox->currentText(), "饮料");
        e->form->salesPriceEdit->setText("3.5");
        QTest::mouseClick(e->saveButton, Qt::LeftButton);
    });
    menuItem(w.menu, "修改 &M")->trigger();
    EXPECT_EQ(f.db().scalar("SELECT theType FROM SShop WHERE ID=?", {f.cola}).toString(), "饮料");
    EXPECT_EQ(Money::fromDb(f.db().scalar("SELECT theXS FROM SShop WHERE ID=?", {f.cola})), *Money::parse("3.5"));
    // A new goods item is offered enabled categories only.
    TfrmShop_In fresh(f.ctx);
    EXPECT_EQ(fresh.form->categoryBox->findText("饮料"), -1);
}

TEST(GoodsList, PinyinCodeEditRefusesEmptyAndSavesWhatTheSearchThenFinds)
{
    GoodsListFixture f;
    TfrmShop_M w(f.ctx);
    w.show();
    w.runQuery();
    select(w, "苹果");
    onModal([&](QDialog *d) {
        auto *p = qobject_cast<TfrmShop_PY *>(d);
        ASSERT_NE(p, nullptr);
        QApplication::setActiveWindow(p);
        EXPECT_EQ(p->windowTitle(), "商品拼音码修改");
        EXPECT_EQ(p->codeEdit->text(), "PG");
        EXPECT_EQ(p->codeEdit->maxLength(), 50);
        // The other fields are shown as they stand, read-only.
        QStringList shown;
        for (QLineEdit *e : p->findChildren<QLineEdit *>())
            if (e != p->codeEdit) {
                EXPECT_TRUE(e->isReadOnly());
                shown << e->text();
            }
        EXPECT_TRUE(shown.contains("A001") && shown.contains("苹果") && shown.contains("水果"));
        p->codeEdit->clear();
        p->exitButton->setFocus();
        QTest::mouseClick(p->saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.last(), "拼音码 不能为空，请重新录入！");
        EXPECT_EQ(QApplication::focusWidget(), p->codeEdit);
        p->codeEdit->setText("HFS");
        QTest::mouseClick(p->saveButton, Qt::LeftButton);
    });
    menuItem(w.menu, "拼音码修改 &P")->trigger();
    EXPECT_EQ(f.messages.last(), "恭喜！恭喜！ 商品名称拼音码 保存成功！");
    EXPECT_EQ(gridColumn(w.grid, 16).first(), "HFS") << "the list reloaded";
    w.nameFilter->setText("hfs");
    w.runQuery();
    EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"苹果"}));
}
