#include "app/appcontext.h"
#include "messagerecorder.h"
#include "testdb.h"
#include "trade/entrygrid.h"
#include "trade/entrywindow.h"
#include "widgets/pickerdialog.h"
#include "widgets/rowsetview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace qv;

namespace {

struct Fixture {
    test::TestStore store;
    test::MessageRecorder messages;
    AppContext ctx;
    QStringList quickGoods;
    QStringList quickPartners;
    int customer = 0;

    Fixture()
    {
        ctx.db = store.db.get();
        ctx.app = store.app;
        ctx.session = store.session;
        ctx.session.options.AllowNegative = true;
        ctx.options = ctx.session.options;
        ctx.loggedIn = true;
        addGoods("A001", "苹果", "PG", "5", "3", 90, "红富士");
        addGoods("A002", "苹果汁", "PGZ", "8", "6", 100, "");
        addGoods("B001", "香蕉", "XJ", "4", "2.5", 100, "");
        ctx.db->exec("INSERT INTO SUnits (theName, thePY, thePro, thePho, theAdd, theType, theState, theDel) "
                     "VALUES ('客户甲', 'KHJ', '张三', '123', '东街', '客户', '启用', '否')");
        customer = ctx.db->scalar("SELECT max(ID) FROM SUnits").toInt();
    }
    void addGoods(const char *code, const char *name, const char *py, const char *sales, const char *purchase,
                  int discount, const char *remark)
    {
        ctx.db->exec("INSERT INTO SShop (theNum, theName, thePY, theStand, theUnit, theXS, theJH, theCB, theZK, Remark, "
                     "theState, theDel, theType) VALUES (?, ?, ?, '', '个', ?, ?, ?, ?, ?, '启用', '否', '水果')",
                     {QString(code), QString::fromUtf8(name), QString(py), Money::parse(sales)->toDb(),
                      Money::parse(purchase)->toDb(), Money::parse(purchase)->toDb(), discount, QString::fromUtf8(remark)});
    }
    std::unique_ptr<EntryWindow> window(const EntryDescriptor &d)
    {
        QuickAdd quick;
        quick.goods = [this](AppContext &, QWidget *, GoodsLineTarget &, const QString &text) { quickGoods << text; };
        quick.partner = [this](AppContext &, QWidget *, PartnerTarget &, const PartnerChoice &p) { quickPartners << p.name; };
        auto w = std::make_unique<EntryWindow>(ctx, d, nullptr, quick);
        w->show();
        return w;
    }
};

// Types text into a grid cell and presses Enter, as at the counter.
void typeCode(EntryGrid *grid, int line, const QString &text)
{
    grid->setCurrent(line, grid->columns().code);
    QTest::keyClicks(grid, text);
    QTest::keyClick(grid, Qt::Key_Return);
}

// Acts on the picker the next modal loop shows.
void onPicker(std::function<void(PickerDialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *p = qobject_cast<PickerDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(p, nullptr);
        act(p);
    });
}

} // namespace

TEST(EntryWindow, OneMatchFillsTheLineAndTheSameCodeAgainCountsItUp)
{
    Fixture f;
    auto w = f.window(TfrmXS_In());
    EntryGrid *g = w->StringGrid1;
    const LineColumns &c = g->columns();
    typeCode(g, 1, "b001");
    EXPECT_EQ(g->cell(1, c.name), "香蕉");
    EXPECT_EQ(g->cell(1, c.price), "4");
    EXPECT_EQ(g->cell(1, c.discount), "100");
    EXPECT_EQ(g->cell(1, c.quantity), "1");
    EXPECT_EQ(g->cell(1, c.amount), "4");
    EXPECT_EQ(g->cell(1, c.cost), "2.5");
    EXPECT_EQ(g->currentLine(), 2);
    EXPECT_EQ(g->currentColumn(), c.code);

    QTest::keyClicks(g, "B001");
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->cell(1, c.quantity), "2");
    EXPECT_EQ(g->cell(1, c.amount), "8");
    EXPECT_EQ(g->cell(2, c.code), "");
    EXPECT_FALSE(g->hasGoods(2));
    EXPECT_EQ(w->Edit6->text(), "2");
    EXPECT_EQ(w->Edit2->text(), "8");
    EXPECT_EQ(w->Edit3->text(), "8");
    EXPECT_EQ(w->Edit4->text(), "0");
}

TEST(EntryWindow, SeveralMatchesOpenThePickerWithOnlyGoodsNotYetOnTheDocument)
{
    Fixture f;
    auto w = f.window(TfrmXS_In());
    EntryGrid *g = w->StringGrid1;
    const LineColumns &c = g->columns();
    int listed = 0;
    onPicker([&](PickerDialog *p) {
        listed = p->rows().size();
        EXPECT_EQ(p->windowTitle(), "商品查找 上下键选择 回车键确认");
        EXPECT_EQ(p->callerCode(), "xs");
        QTest::keyClick(p->grid(), Qt::Key_Return); // the first: 苹果
    });
    typeCode(g, 1, "PG");
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(g->cell(1, c.name), "苹果");
    EXPECT_EQ(g->cell(1, c.discount), "90");
    EXPECT_EQ(g->cell(1, c.amount), "4.5");
    EXPECT_EQ(g->cell(1, c.remark), "红富士");
    EXPECT_EQ(g->currentLine(), 1);
    EXPECT_EQ(g->currentColumn(), c.price) << "the Enter that searched moves on to the price";

    // Only 苹果汁 is left to match: it fills line 2 straight away.
    typeCode(g, 2, "PG");
    EXPECT_EQ(g->cell(2, c.name), "苹果汁");
    // Now both matches stand on lines: two of them, so the quick goods entry opens.
    typeCode(g, 3, "PG");
    EXPECT_EQ(f.quickGoods, QStringList({"PG"}));
    EXPECT_FALSE(g->hasGoods(3));
}

TEST(EntryWindow, LineKeysRemoveLinesZeroDiscountsAndKeepTheReceivable)
{
    Fixture f;
    auto w = f.window(TfrmXS_In());
    EntryGrid *g = w->StringGrid1;
    const LineColumns &c = g->columns();
    typeCode(g, 1, "B001");
    typeCode(g, 2, "A002");
    EXPECT_EQ(w->Edit2->text(), "12");

    // Letters never get into a price; the first digit replaces the proposal.
    g->setCurrent(2, c.price);
    QTest::keyClicks(g, "x7.5");
    EXPECT_EQ(g->cell(2, c.price), "7.5");
    EXPECT_EQ(g->cell(2, c.amount), "7.5");
    EXPECT_EQ(w->Edit2->text(), "11.5");

    // An emptied discount reads as 0 and the line is worth nothing.
    g->setCurrent(2, c.discount);
    QTest::keyClick(g, Qt::Key_Backspace);
    QTest::keyClick(g, Qt::Key_Backspace);
    QTest::keyClick(g, Qt::Key_Backspace);
    EXPECT_EQ(g->cell(2, c.discount), "0");
    EXPECT_EQ(g->cell(2, c.amount), "0");
    EXPECT_EQ(w->Edit2->text(), "4");

    // Part of a code going keeps the line; all of it removes it.
    g->setCurrent(1, c.code);
    QTest::keyClick(g, Qt::Key_Backspace);
    EXPECT_TRUE(g->hasGoods(1));
    EXPECT_EQ(g->cell(1, c.code), "B00");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(g, Qt::Key_Backspace);
    EXPECT_FALSE(g->hasGoods(1));
    EXPECT_EQ(g->cell(1, c.name), "");
    EXPECT_EQ(w->Edit2->text(), "0");

    // Lowering the amount received leaves the rest receivable.
    typeCode(g, 3, "B001");
    w->Edit3->setText("1.5");
    EXPECT_EQ(w->Edit4->text(), "2.5");
    // Any recalculation puts the full total back as received.
    g->setCurrent(3, c.quantity);
    QTest::keyClicks(g, "2");
    EXPECT_EQ(w->Edit3->text(), "8");
    EXPECT_EQ(w->Edit4->text(), "0");
}

TEST(EntryWindow, TakeAllFillsTheCurrentLineAndTheLinesBelow)
{
    Fixture f;
    auto w = f.window(TfrmJH_In());
    EntryGrid *g = w->StringGrid1;
    const LineColumns &c = g->columns();
    onPicker([](PickerDialog *p) { p->takeAll(); });
    typeCode(g, 4, "");
    for (int line = 4; line <= 6; ++line)
        EXPECT_TRUE(g->hasGoods(line)) << line;
    EXPECT_FALSE(g->hasGoods(7));
    EXPECT_EQ(g->cell(4, c.price), "3") << "purchase price of 苹果";
    EXPECT_EQ(w->Edit6->text(), "3");
    EXPECT_EQ(w->Edit2->text(), "11.5");
}

TEST(EntryWindow, PartnerSearchFillsTheHeaderOrOpensQuickEntry)
{
    Fixture f;
    auto w = f.window(TfrmXS_In());
    QTest::keyClicks(w->Edit1, "khj");
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_EQ(w->Edit1->text(), "客户甲");
    EXPECT_EQ(w->partnerId(), f.customer);
    EXPECT_EQ(w->Edit7->text(), "张三");
    EXPECT_EQ(w->Edit9->text(), "东街");
    // Typing over the name drops the chosen partner until it is searched again.
    QTest::keyClicks(w->Edit1, "x");
    EXPECT_EQ(w->Lab_Units->text(), "");
    w->Edit1->clear();
    EXPECT_EQ(w->Edit7->text(), "");
    // A supplier is never offered on a sale: nothing found opens the quick partner entry.
    f.ctx.db->exec("UPDATE SUnits SET theType='供应商'");
    w->Edit1->setText("客户甲");
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_EQ(f.quickPartners, QStringList({"客户甲"}));
}

TEST(EntryWindow, SaveRefusesWithoutAPartnerThenPreSavesAndReopensForEditing)
{
    Fixture f;
    auto w = f.window(TfrmXS_In());
    EntryGrid *g = w->StringGrid1;
    const LineColumns &c = g->columns();
    typeCode(g, 1, "B001");
    typeCode(g, 2, "A002");
    w->BitBtn1->click();
    EXPECT_EQ(f.messages.last(), "客户名称不能为空！ 请在单位名称处 按回车 选择 单位名称！");
    EXPECT_EQ(f.ctx.db->scalar("SELECT count(*) FROM UXS").toInt(), 0);

    w->takePartner({f.customer, "客户甲", "", "", ""});
    w->CheckBox2->setChecked(true);
    w->BitBtn1->click();
    const QString number = w->lastSaved();
    EXPECT_EQ(number, "XS240315-0001");
    EXPECT_FALSE(g->hasGoods(1)) << "continuous entry starts a new document";
    EXPECT_FALSE(w->CheckBox2->isChecked());

    EntryWindow edit(f.ctx, TfrmXS_In());
    edit.setMyNum(number);
    EXPECT_EQ(edit.StringGrid1->cell(1, c.name), "香蕉");
    EXPECT_EQ(edit.StringGrid1->cell(2, c.name), "苹果汁");
    EXPECT_EQ(edit.Edit1->text(), "客户甲");
    EXPECT_EQ(edit.Edit3->text(), "12");
    EXPECT_FALSE(edit.CheckBox2->isChecked());
    EXPECT_FALSE(edit.CheckBox1->isChecked());
    // Saved again unticked: posted under the same number, and the window closes.
    edit.show();
    edit.BitBtn1->click();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(f.ctx.db->scalar("SELECT theYC || theNum FROM UXS").toString(), "否XS240315-0001");
    EXPECT_EQ(f.ctx.db->scalar("SELECT count(*) FROM SList").toInt(), 2);
}
