#include "masterfixture.h"

#include "masterdata/categories.h"
#include "masterdata/goods.h"
#include "services/numbering.h"
#include "services/postings.h"

#include <functional>
#include <gtest/gtest.h>

using namespace qv;
using test::u8;

namespace {

GoodsFields apples()
{
    GoodsFields f;
    f.number = QStringLiteral("SP0001");
    f.category = u8("水果");
    f.name = u8("苹果");
    f.model = u8("一级");
    f.unit = u8("斤");
    f.purchasePrice = QStringLiteral("4.5");
    f.salesPrice = QStringLiteral("6");
    f.remark = u8("山东");
    f.minStock = QStringLiteral("10");
    f.maxStock = QStringLiteral("200");
    f.param1 = QStringLiteral("B20240301");
    f.param2 = QStringLiteral("2024-03-01");
    f.param3 = QStringLiteral("2024-09-01");
    return f;
}

GoodsFields named(const char *number, const char *name, const char *category = "")
{
    GoodsFields f;
    f.number = QString::fromUtf8(number);
    f.name = QString::fromUtf8(name);
    f.category = QString::fromUtf8(category);
    f.unit = u8("个");
    return f;
}

int saveNew(test::TestStore &s, const GoodsFields &f)
{
    const Outcome o = saveGoods(*s.db, s.session, 0, f);
    EXPECT_TRUE(o.done()) << o.refusal.message.toStdString();
    return o.id;
}

QStringList namesOf(const RowSet &rows)
{
    QStringList out;
    for (int r = 0; r < rows.size(); ++r)
        out << rows.text(r, u8("商品名称"));
    return out;
}

} // namespace

// The entry window and the quick add check the same fields in the same order; a refused
// save writes nothing, whether it adds or edits.
TEST(GoodsSave, RefusesTheFirstFaultyFieldAndWritesNothing)
{
    struct Case {
        const char *name;
        std::function<void(GoodsFields &)> spoil;
        const char *message;
        const char *field;
    };
    const Case cases[] = {
        {"number empty", [](GoodsFields &f) { f.number.clear(); }, "商品编码 不能为空，请重新录入！", "theNum"},
        {"number before name",
         [](GoodsFields &f) {
             f.number.clear();
             f.name.clear();
             f.unit.clear();
         },
         "商品编码 不能为空，请重新录入！", "theNum"},
        {"name empty",
         [](GoodsFields &f) {
             f.name.clear();
             f.unit.clear();
         },
         "商品名称 不能为空，请重新录入！", "theName"},
        {"unit empty",
         [](GoodsFields &f) {
             f.unit.clear();
             f.purchasePrice = "x";
         },
         "单位 不能为空，请重新录入！", "theUnit"},
        {"purchase price of two points",
         [](GoodsFields &f) {
             f.purchasePrice = "1.2.3";
             f.salesPrice = "y";
         },
         "采购单价 必须是数字，请重新录入！", "theJH"},
        {"sales price", [](GoodsFields &f) { f.salesPrice = "."; }, "销售单价 必须是数字，请重新录入！", "theXS"},
        {"minimum stock", [](GoodsFields &f) { f.minStock = "1,5"; }, "最低库存 必须是数字，请重新录入！", "theKCMin"},
        {"maximum stock", [](GoodsFields &f) { f.maxStock = "1e3"; }, "最高库存 必须是数字，请重新录入！", "theKCMax"},
    };
    test::TestStore s;
    const int existing = saveNew(s, named("OLD1", "旧货"));
    const std::string before = test::masterSnapshot(*s.db);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GoodsFields f = apples();
        c.spoil(f);
        const Outcome added = saveGoods(*s.db, s.session, 0, f);
        const Outcome edited = saveGoods(*s.db, s.session, existing, f);
        const auto quick = quickAddGoods(*s.db, s.session, f);
        for (const Refusal &r : {added.refusal, edited.refusal, std::get<Refusal>(quick)}) {
            EXPECT_EQ(r.message, u8(c.message));
            EXPECT_EQ(r.field, QString::fromLatin1(c.field));
        }
        EXPECT_TRUE(added.refused() && edited.refused());
        EXPECT_EQ(test::masterSnapshot(*s.db), before);
    }
}

// The same goods are refused only when every identifying field matches, the number too; an
// edit is never tested.
TEST(GoodsSave, SameGoodsAreThoseAlikeInEveryFieldTheNumberToo)
{
    struct Case {
        const char *name;
        std::function<void(GoodsFields &)> change;
        bool firstDeleted;
        bool refused;
    };
    const Case cases[] = {
        {"identical", [](GoodsFields &) {}, false, true},
        {"other prices and remark",
         [](GoodsFields &f) {
             f.salesPrice = "9";
             f.remark = "x";
         },
         false, true},
        {"another number", [](GoodsFields &f) { f.number = "SP0002"; }, false, false},
        {"another model", [](GoodsFields &f) { f.model = u8("二级"); }, false, false},
        {"another unit", [](GoodsFields &f) { f.unit = u8("箱"); }, false, false},
        {"another category", [](GoodsFields &f) { f.category.clear(); }, false, false},
        {"the first one deleted", [](GoodsFields &) {}, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        const int first = saveNew(s, apples());
        if (c.firstDeleted)
            deleteGoods(*s.db, s.session, first);
        GoodsFields second = apples();
        c.change(second);
        const Outcome o = saveGoods(*s.db, s.session, 0, second);
        EXPECT_EQ(o.refused(), c.refused);
        if (c.refused) {
            EXPECT_EQ(o.refusal.message, u8("同一商品信息 已存在，请重新录入！"));
            EXPECT_EQ(std::get<Refusal>(quickAddGoods(*s.db, s.session, second)).message, o.refusal.message);
        }
        EXPECT_EQ(test::rowCount(*s.db, "SShop"), c.refused ? 1 : 2);

        // Editing other goods into an exact copy of the first is not refused.
        if (!c.refused && !c.firstDeleted) {
            EXPECT_TRUE(saveGoods(*s.db, s.session, o.id, apples()).done());
        }
    }
}

TEST(GoodsSave, NewGoodsTakeTheCategoryDiscountAndStartAsTheEntryWindowWritesThem)
{
    struct Case {
        const char *category;
        int discount;
    };
    const Case cases[] = {{"饮料", 90}, {"", 100}, {"没有这个分类", 100}};
    test::TestStore s;
    test::addCategory(*s.db, u8("饮料"), 90);
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.category);
        GoodsFields f = apples();
        f.number = QStringLiteral("N%1").arg(++n);
        f.category = u8(c.category);
        f.name = u8("O'Brien 苹果");
        const int id = saveNew(s, f);
        Database &db = *s.db;
        EXPECT_EQ(test::cell(db, "SShop", id, "theZK").toInt(), c.discount);
        EXPECT_EQ(test::textCell(db, "SShop", id, "theName"), f.name);
        EXPECT_EQ(test::textCell(db, "SShop", id, "thePY"), QStringLiteral("OBRIENPG"));
        EXPECT_EQ(test::moneyCell(db, "SShop", id, "theCB"), test::amount("4.5"));
        EXPECT_EQ(test::moneyCell(db, "SShop", id, "theXS"), test::amount("6"));
        EXPECT_EQ(test::moneyCell(db, "SShop", id, "theKCMax"), test::amount("200"));
        EXPECT_EQ(test::textCell(db, "SShop", id, "theState"), u8("启用"));
        EXPECT_EQ(test::textCell(db, "SShop", id, "theDel"), u8("否"));
        EXPECT_EQ(test::textCell(db, "SShop", id, "theDate"), s.session.WorkDate);
        EXPECT_EQ(test::textCell(db, "SShop", id, "theCS3"), f.param3);
        // What the edit window is filled with is what was saved.
        const std::optional<GoodsFields> loaded = loadGoods(db, id);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->purchasePrice, f.purchasePrice);
        EXPECT_EQ(loaded->minStock, f.minStock);
        EXPECT_EQ(loaded->category, f.category);
        EXPECT_EQ(loaded->param1, f.param1);
    }
}

TEST(GoodsSave, EmptyNumberFieldsSaveAsZero)
{
    test::TestStore s;
    const int id = saveNew(s, named("N1", "空价"));
    for (const char *column : {"theJH", "theXS", "theCB", "theKCMin", "theKCMax"}) {
        SCOPED_TRACE(column);
        EXPECT_TRUE(test::moneyCell(*s.db, "SShop", id, column).isZero());
    }
}

// An edit makes the pinyin code from the name and the discount from the category again,
// whatever was set by hand in between; it leaves cost, state and creation date alone.
TEST(GoodsSave, EditResetsPinyinCodeAndDiscount)
{
    test::TestStore s;
    Database &db = *s.db;
    test::addCategory(db, u8("水果"), 90);
    const int id = saveNew(s, apples());
    db.exec(QStringLiteral("UPDATE SShop SET theCB = ?, theDate = '2023-01-01' WHERE ID = ?"),
            {test::amount("3.3").toDb(), id});
    setGoodsState(db, id, false);
    ASSERT_TRUE(saveGoodsPinyin(db, s.session, id, QStringLiteral("HONGFUSHI")).done());
    ASSERT_TRUE(setGoodsDiscount(db, s.session, id, QStringLiteral("50")).done());
    ASSERT_EQ(test::textCell(db, "SShop", id, "thePY"), QStringLiteral("HONGFUSHI"));

    GoodsFields f = apples();
    f.name = u8("香蕉");
    f.purchasePrice = QStringLiteral("7");
    ASSERT_TRUE(saveGoods(db, s.session, id, f).done());
    EXPECT_EQ(test::textCell(db, "SShop", id, "thePY"), QStringLiteral("XJ"));
    EXPECT_EQ(test::cell(db, "SShop", id, "theZK").toInt(), 90);
    EXPECT_EQ(test::moneyCell(db, "SShop", id, "theJH"), test::amount("7"));
    EXPECT_EQ(test::moneyCell(db, "SShop", id, "theCB"), test::amount("3.3"));
    EXPECT_EQ(test::textCell(db, "SShop", id, "theState"), u8("停用"));
    EXPECT_EQ(test::textCell(db, "SShop", id, "theDate"), QStringLiteral("2023-01-01"));
    EXPECT_EQ(test::rowCount(db, "SShop"), 1);
}

TEST(GoodsSave, ContinuousEntryProposesConsecutiveNumbers)
{
    test::TestStore s;
    saveNew(s, named("2403140001", "昨天的"));
    s.db->exec(QStringLiteral("UPDATE SShop SET theDate = '2024-03-14'"));
    QStringList numbers;
    for (const char *name : {"甲", "乙", "丙"}) {
        GoodsFields f = named("", name);
        f.number = nextGoodsNumber(*s.db, s.session);
        numbers << f.number;
        saveNew(s, f);
    }
    EXPECT_EQ(numbers, (QStringList{"2403150001", "2403150002", "2403150003"}));
    EXPECT_EQ(nextGoodsNumber(*s.db, s.session), NewSPNum(*s.db, s.session.WorkDate));
}

TEST(GoodsQuickAdd, HandsBackTheNewGoodsAsTheLineGridNeedsThem)
{
    test::TestStore s;
    Database &db = *s.db;
    test::addCategory(db, u8("水果"), 85);
    s.session.options.DefMinStock = QStringLiteral("5");
    s.session.options.DefMaxStock = QStringLiteral("500");
    const GoodsFields start = quickAddFields(db, s.session);
    EXPECT_EQ(start.number, NewSPNum(db, s.session.WorkDate));
    EXPECT_EQ(start.minStock, QStringLiteral("5"));
    EXPECT_EQ(start.maxStock, QStringLiteral("500"));

    GoodsFields f = apples();
    f.number = start.number;
    const auto result = quickAddGoods(db, s.session, f);
    ASSERT_TRUE(std::holds_alternative<NewGoodsLine>(result));
    const NewGoodsLine &line = std::get<NewGoodsLine>(result);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT ID FROM SShop WHERE theNum = ?"), {start.number}).toInt(), line.id);
    EXPECT_EQ(line.number, start.number);
    EXPECT_EQ(line.name, f.name);
    EXPECT_EQ(line.model, f.model);
    EXPECT_EQ(line.unit, f.unit);
    EXPECT_EQ(line.remark, f.remark);
    EXPECT_EQ(line.purchasePrice, test::amount("4.5"));
    EXPECT_EQ(line.salesPrice, test::amount("6"));
    EXPECT_EQ(line.discount, 85);
    EXPECT_EQ(test::cell(db, "SShop", line.id, "theZK").toInt(), 85);
}

// Goods with stock get a warning, not a refusal: the delete still flags them, and stock rows
// stay.
TEST(GoodsDelete, FlagsTheGoodsEvenWithStockAndTheListForgetsThem)
{
    test::TestStore s;
    Database &db = *s.db;
    const int stocked = saveNew(s, named("A1", "有库存"));
    const int emptyRow = saveNew(s, named("A2", "零库存"));
    const int none = saveNew(s, named("A3", "无库存"));
    KC_Up(db, u8("商品仓库"), stocked, test::amount("3"));
    KC_Up(db, u8("商品仓库"), emptyRow, test::amount("0"));
    EXPECT_TRUE(goodsHasStock(db, stocked));
    EXPECT_TRUE(goodsHasStock(db, emptyRow));
    EXPECT_FALSE(goodsHasStock(db, none));

    EXPECT_TRUE(deleteGoods(db, s.session, stocked).done());
    EXPECT_EQ(test::textCell(db, "SShop", stocked, "theDel"), u8("是"));
    EXPECT_EQ(myRetKC(db, u8("商品仓库"), stocked), test::amount("3"));
    EXPECT_EQ(namesOf(queryGoods(db, s.session.options, {})), (QStringList{u8("无库存"), u8("零库存")}));
}

TEST(GoodsPinyin, EmptyCodeIsRefused)
{
    test::TestStore s;
    const int id = saveNew(s, apples());
    const Outcome o = saveGoodsPinyin(*s.db, s.session, id, QString());
    EXPECT_EQ(o.refusal.message, u8("拼音码 不能为空，请重新录入！"));
    EXPECT_EQ(test::textCell(*s.db, "SShop", id, "thePY"), QStringLiteral("PG"));
}

// The filter boxes of the goods list: the name box also finds the pinyin code, and typed
// text is taken literally, wildcards and quotes included.
TEST(GoodsList, FilterBoxesFindTypedTextLiterally)
{
    test::TestStore s;
    struct Goods {
        const char *number, *category, *name, *model, *unit, *remark;
    };
    const Goods goods[] = {
        {"G01", "水果", "苹果", "一级", "斤", "山东"},
        {"G02", "饮料", "100%纯果汁", "1L", "瓶", "折扣_价"},
        {"G03", "饮料", "100纯水", "500ml", "瓶", "折扣价"},
        {"G04", "", "a_b 工具", "", "把", ""},
        {"G05", "", "ab 工具", "", "把", ""},
        {"G06", "水果", "李's 梨", "", "斤", ""},
        {"X10", "水果", "苹果", "二级", "箱", "山东"},
    };
    for (const Goods &g : goods) {
        GoodsFields f;
        f.number = u8(g.number);
        f.category = u8(g.category);
        f.name = u8(g.name);
        f.model = u8(g.model);
        f.unit = u8(g.unit);
        f.remark = u8(g.remark);
        saveNew(s, f);
    }
    const int gone = saveNew(s, named("G99", "苹果干", "水果"));
    deleteGoods(*s.db, s.session, gone);

    struct Case {
        const char *name;
        GoodsFilter filter;
        QStringList numbers; // in list order: category, name, unit
    };
    const Case cases[] = {
        {"nothing ticked", {}, {"G04", "G05", "G06", "G01", "X10", "G02", "G03"}},
        {"pinyin initials", {.name = u8("PG")}, {"G01", "X10"}},
        {"pinyin in lower case", {.name = u8("pg")}, {"G01", "X10"}},
        {"part of the name", {.name = u8("果")}, {"G01", "X10", "G02"}},
        {"percent sign", {.name = u8("%")}, {"G02"}},
        {"underscore", {.name = u8("_")}, {"G04"}},
        {"apostrophe", {.name = u8("'s")}, {"G06"}},
        {"category is exact", {.category = u8("水")}, {}},
        {"category", {.category = u8("饮料")}, {"G02", "G03"}},
        {"number", {.number = u8("G0")}, {"G04", "G05", "G06", "G01", "G02", "G03"}},
        {"remark underscore", {.remark = u8("_")}, {"G02"}},
        {"every box", {u8("水果"), u8("苹"), u8("X"), u8("二"), u8("箱"), u8("东")}, {"X10"}},
        {"every box, one not matching", {u8("水果"), u8("苹"), u8("X"), u8("二"), u8("斤"), u8("东")}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const RowSet rows = queryGoods(*s.db, s.session.options, goodsCondition(c.filter));
        QStringList numbers;
        for (int r = 0; r < rows.size(); ++r)
            numbers << rows.text(r, u8("商品编码"));
        EXPECT_EQ(numbers, c.numbers);
    }
}

// The parameter columns are headed by the store's labels, whatever they hold.
TEST(GoodsList, ColumnsAndParameterHeadings)
{
    test::TestStore s;
    StoreOptions options = s.session.options;
    options.ParamLabel1 = u8("批\"号");
    options.ParamLabel2 = u8("日期 AS x, theJH");
    options.ParamLabel3 = u8("产地'");
    GoodsFields f = apples();
    f.purchasePrice = QStringLiteral("4.50");
    f.salesPrice = QStringLiteral("0.3");
    const int id = saveNew(s, f);
    const RowSet rows = queryGoods(*s.db, options, {});
    QStringList headings;
    for (const RowSet::Column &c : rows.columns)
        headings << c.name;
    EXPECT_EQ(headings, (QStringList{u8("商品编码"), u8("商品分类"), u8("商品名称"), u8("规格型号"),
                                     options.ParamLabel1, options.ParamLabel2, options.ParamLabel3, u8("单位"),
                                     u8("采购单价"), u8("销售单价"), u8("销售折扣"), u8("备注"), u8("最低库存"),
                                     u8("最高库存"), u8("状态"), u8("ID"), u8("thePY")}));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.text(0, options.ParamLabel1), f.param1);
    EXPECT_EQ(rows.text(0, options.ParamLabel2), f.param2);
    EXPECT_EQ(rows.text(0, options.ParamLabel3), f.param3);
    EXPECT_EQ(rows.text(0, u8("采购单价")), QStringLiteral("4.5"));
    EXPECT_EQ(rows.text(0, u8("销售单价")), QStringLiteral("0.3"));
    EXPECT_EQ(rows.text(0, u8("最高库存")), QStringLiteral("200"));
    EXPECT_EQ(rows.text(0, u8("销售折扣")), QStringLiteral("100"));
    EXPECT_EQ(rows.text(0, u8("状态")), u8("启用"));
    EXPECT_EQ(rows.value(0, QStringLiteral("ID")).toInt(), id);
}
