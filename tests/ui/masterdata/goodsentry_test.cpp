#include "masterdata/goodsform.h"
#include "masterdata/tfrmnewshop.h"
#include "masterdata/tfrmshop_in.h"
#include "masterdatafixture.h"
#include "trade/entrygrid.h"
#include "trade/entrywindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace qv;
using test::MasterFixture;
using test::onModal;

namespace {

void fill(GoodsForm *form, const QString &category, const QString &name, const QString &unit)
{
    form->categoryBox->setCurrentIndex(form->categoryBox->findText(category));
    form->nameEdit->setText(name);
    form->unitEdit->setText(unit);
}

QString focusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

} // namespace

TEST(GoodsEntry, RefusalsShowTheirMessageFocusTheFieldAndWriteNothing)
{
    struct Case {
        const char *what;
        std::function<void(GoodsForm *)> spoil;
        QString message;
        QString focus; // empty: the refusal names no field
    };
    const Case cases[] = {
        {"empty number", [](GoodsForm *g) { g->numberEdit->clear(); }, "商品编码 不能为空，请重新录入！", "theNum"},
        {"empty name", [](GoodsForm *g) { g->nameEdit->clear(); }, "商品名称 不能为空，请重新录入！", "theName"},
        {"empty unit", [](GoodsForm *g) { g->unitEdit->clear(); }, "单位 不能为空，请重新录入！", "theUnit"},
        {"price that is no number", [](GoodsForm *g) { g->salesPriceEdit->setText("1.2.3"); },
         "销售单价 必须是数字，请重新录入！", "theXS"},
        // Alike in name, model, unit and category: only the same number makes it the same goods.
        {"same goods", [](GoodsForm *g) { g->numberEdit->setText("A001"); }, "同一商品信息 已存在，请重新录入！", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MasterFixture f;
        f.addCategory("水果", 90);
        f.addGoods("A001", "苹果", "PG", "水果", "个");
        TfrmShop_In w(f.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        fill(w.form, "水果", "苹果", "个");
        c.spoil(w.form);
        w.form->remarkEdit->setFocus();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.texts(), QStringList({c.message}));
        if (!c.focus.isEmpty())
            EXPECT_EQ(focusedName(), c.focus);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(f.count("SELECT count(*) FROM SShop"), 1);
    }
}

TEST(GoodsEntry, ContinuousEntryNumbersConsecutivelyKeepsTheKindAndSaysNothing)
{
    MasterFixture f;
    f.addCategory("水果", 90);
    TfrmShop_In w(f.ctx);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.windowTitle(), "商品录入");
    EXPECT_EQ(w.Lab_ID->text(), "0");
    EXPECT_TRUE(w.continuousBox->isChecked());
    EXPECT_FALSE(w.sameModelBox->isChecked());
    EXPECT_TRUE(w.sameUnitBox->isChecked());
    EXPECT_TRUE(w.form->numberEdit->text().startsWith("240315")) << "yymmdd of the business date";

    fill(w.form, "水果", "苹果", "箱");
    w.form->modelEdit->setText("5kg");
    w.form->paramEdit[0]->setText("P-7");
    QStringList shownNumbers;
    for (const char *name : {"苹果", "梨", "桃"}) {
        if (QString::fromUtf8(name) == "桃")
            w.sameUnitBox->setChecked(false);
        w.form->nameEdit->setText(QString::fromUtf8(name));
        w.form->purchasePriceEdit->setText("2");
        w.form->salesPriceEdit->setText("3.5");
        w.form->remarkEdit->setText("备");
        shownNumbers << w.form->numberEdit->text();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_TRUE(w.form->nameEdit->text().isEmpty());
        EXPECT_TRUE(w.form->purchasePriceEdit->text().isEmpty());
        EXPECT_TRUE(w.form->salesPriceEdit->text().isEmpty());
        EXPECT_TRUE(w.form->remarkEdit->text().isEmpty());
        EXPECT_TRUE(w.form->modelEdit->text().isEmpty()) << "同样规格 is not ticked";
        EXPECT_EQ(w.form->categoryBox->currentText(), "水果");
        EXPECT_EQ(w.form->paramEdit[0]->text(), "P-7");
        EXPECT_EQ(focusedName(), "theName");
    }
    EXPECT_TRUE(f.messages.shown.isEmpty());
    EXPECT_TRUE(w.isVisible());

    QSqlQuery q = f.db().exec("SELECT theNum, theZK, theType, theStand, theUnit, theCS1 FROM SShop ORDER BY ID");
    QStringList stored, units;
    while (q.next()) {
        stored << q.value(0).toString();
        units << q.value(4).toString();
        EXPECT_EQ(q.value(1).toInt(), 90) << "the discount of the category";
        EXPECT_EQ(q.value(2).toString(), "水果");
        EXPECT_EQ(q.value(5).toString(), "P-7");
    }
    EXPECT_EQ(stored, shownNumbers);
    ASSERT_EQ(stored.size(), 3);
    for (int i = 1; i < 3; ++i)
        EXPECT_EQ(stored[i].toLongLong(), stored[i - 1].toLongLong() + 1);
    EXPECT_EQ(w.form->numberEdit->text().toLongLong(), stored[2].toLongLong() + 1) << "a fresh number waits";
    EXPECT_EQ(units, QStringList({"箱", "箱", "箱"}));
    EXPECT_TRUE(w.form->unitEdit->text().isEmpty()) << "同样单位 unticked clears the unit";
}

TEST(GoodsEntry, OneSaveWithoutContinuousEntryIsAnnouncedAndCloses)
{
    MasterFixture f;
    TfrmShop_In w(f.ctx);
    w.show();
    w.continuousBox->setChecked(false);
    fill(w.form, "", "无类商品", "件");
    w.form->purchasePriceEdit->setText("7.25");
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.texts(), QStringList({"恭喜！恭喜！ 商品信息 保存成功！"}));
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    QSqlQuery q = f.db().exec("SELECT theZK, theType, theJH, theCB, theXS, theState, theDel, theDate, thePY FROM SShop");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 100) << "no category, no discount";
    EXPECT_EQ(q.value(1).toString(), "");
    EXPECT_EQ(Money::fromDb(q.value(2)), *Money::parse("7.25"));
    EXPECT_EQ(Money::fromDb(q.value(3)), *Money::parse("7.25")) << "cost starts at the purchase price";
    EXPECT_EQ(Money::fromDb(q.value(4)), Money()) << "an empty price is 0";
    EXPECT_EQ(q.value(5).toString(), "启用");
    EXPECT_EQ(q.value(6).toString(), "否");
    EXPECT_EQ(q.value(7).toString(), f.ctx.session.WorkDate);
    EXPECT_EQ(q.value(8).toString(), "WLSP");
}

TEST(GoodsEntry, StockLimitsAndTheirRowOnlyWithTheStockAlert)
{
    int windowHeight[2] = {};
    for (const bool alert : {true, false}) {
        SCOPED_TRACE(alert ? "alert on" : "alert off");
        MasterFixture f;
        f.stockAlert(alert);
        f.ctx.session.options.ParamLabel2 = "颜色";
        TfrmShop_In w(f.ctx);
        w.show();
        for (QWidget *limit : {static_cast<QWidget *>(w.form->minStockEdit), static_cast<QWidget *>(w.form->maxStockEdit),
                               static_cast<QWidget *>(w.form->minStockLabel), static_cast<QWidget *>(w.form->maxStockLabel)})
            EXPECT_EQ(limit->isVisible(), alert);
        EXPECT_EQ(w.form->height(), alert ? 216 : 186);
        windowHeight[alert] = w.height();
        EXPECT_EQ(w.form->paramLabel[0]->text(), "产品批号：");
        EXPECT_EQ(w.form->paramLabel[1]->text(), "颜色：");
        EXPECT_EQ(w.form->paramLabel[2]->text(), "有效期至：");
    }
    EXPECT_EQ(windowHeight[true] - windowHeight[false], 30) << "the window is made shorter by the missing row";
}

TEST(GoodsEntry, NumberFieldsTakeOnlyDigitsAndThePoint)
{
    MasterFixture f;
    f.stockAlert(true);
    TfrmShop_In w(f.ctx);
    w.show();
    for (QLineEdit *e : {w.form->purchasePriceEdit, w.form->salesPriceEdit, w.form->minStockEdit, w.form->maxStockEdit}) {
        e->clear();
        QTest::keyClicks(e, "1a2.5-x");
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, "0");
        EXPECT_EQ(e->text(), "12.0") << e->objectName().toStdString();
    }
    EXPECT_EQ(w.form->numberEdit->maxLength(), 16);
    EXPECT_EQ(w.form->nameEdit->maxLength(), 50);
    EXPECT_EQ(w.form->modelEdit->maxLength(), 20);
    EXPECT_EQ(w.form->unitEdit->maxLength(), 10);
    EXPECT_EQ(w.form->remarkEdit->maxLength(), 100);
    EXPECT_EQ(w.form->paramEdit[2]->maxLength(), 20);
}

namespace {

void typeCode(EntryGrid *grid, int line, const QString &text)
{
    grid->setCurrent(line, grid->columns().code);
    QTest::keyClicks(grid, text);
    QTest::keyClick(grid, Qt::Key_Return);
}

} // namespace

TEST(GoodsQuickAdd, ASearchThatFindsNothingAddsTheGoodsIntoTheDocumentLine)
{
    struct Case {
        const EntryDescriptor &(*descriptor)();
        const char *price; // what the line proposes for the new goods
    };
    for (const Case &c : {Case{&TfrmJH_In, "2.5"}, Case{&TfrmXS_In, "4"}}) {
        SCOPED_TRACE(c.descriptor().className.toStdString());
        MasterFixture f;
        f.stockAlert(true);
        f.ctx.session.options.DefMinStock = "5";
        f.ctx.session.options.DefMaxStock = "50";
        EntryWindow w(f.ctx, c.descriptor());
        w.show();
        QString number;
        onModal([&](QDialog *d) {
            auto *n = qobject_cast<TfrmNewShop *>(d);
            ASSERT_NE(n, nullptr);
            EXPECT_EQ(n->windowTitle(), "商品录入");
            EXPECT_EQ(n->form->nameEdit->text(), "XYZ") << "the search text";
            EXPECT_TRUE(n->form->numberEdit->text().startsWith("240315"));
            EXPECT_EQ(n->form->minStockEdit->text(), "5");
            EXPECT_EQ(n->form->maxStockEdit->text(), "50");
            // A refusal keeps the window open.
            QTest::mouseClick(n->saveButton, Qt::LeftButton);
            EXPECT_EQ(f.messages.last(), "单位 不能为空，请重新录入！");
            EXPECT_TRUE(n->isVisible());
            n->form->unitEdit->setText("瓶");
            n->form->purchasePriceEdit->setText("2.5");
            n->form->salesPriceEdit->setText("4");
            number = n->form->numberEdit->text();
            QTest::mouseClick(n->saveButton, Qt::LeftButton);
        });
        typeCode(w.StringGrid1, 1, "XYZ");
        const LineColumns &col = w.StringGrid1->columns();
        const int id = f.db().scalar("SELECT ID FROM SShop WHERE theName='XYZ'").toInt();
        ASSERT_NE(id, 0);
        EXPECT_EQ(w.StringGrid1->cell(1, col.id), QString::number(id));
        EXPECT_EQ(w.StringGrid1->cell(1, col.code), number);
        EXPECT_EQ(w.StringGrid1->cell(1, col.name), "XYZ");
        EXPECT_EQ(w.StringGrid1->cell(1, col.unit), "瓶");
        EXPECT_EQ(w.StringGrid1->cell(1, col.price), c.price);
        EXPECT_EQ(w.StringGrid1->cell(1, col.quantity), "1");
        EXPECT_EQ(w.Edit2->text(), c.price) << "totals follow";
        EXPECT_EQ(f.messages.texts(), QStringList({"单位 不能为空，请重新录入！"})) << "no message on success";
        EXPECT_EQ(Money::fromDb(f.db().scalar("SELECT theKCMax FROM SShop WHERE ID=?", {id})), Money::units(50));
    }
}

TEST(GoodsQuickAdd, ClosingWithoutSavingLeavesTheLineEmpty)
{
    MasterFixture f;
    EntryWindow w(f.ctx, TfrmXS_In());
    w.show();
    onModal([](QDialog *d) { QTest::mouseClick(qobject_cast<TfrmNewShop *>(d)->exitButton, Qt::LeftButton); });
    typeCode(w.StringGrid1, 1, "XYZ");
    EXPECT_FALSE(w.StringGrid1->hasGoods(1));
    EXPECT_EQ(f.count("SELECT count(*) FROM SShop"), 0);
}
