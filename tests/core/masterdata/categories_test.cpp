#include "masterfixture.h"

#include "masterdata/categories.h"
#include "masterdata/goods.h"
#include "services/numbering.h"

#include <gtest/gtest.h>

using namespace qv;
using test::u8;

namespace {

int addGoods(test::TestStore &s, const char *number, const char *category)
{
    GoodsFields f;
    f.number = QString::fromUtf8(number);
    f.name = QString::fromUtf8(number);
    f.unit = u8("个");
    f.category = QString::fromUtf8(category);
    return saveGoods(*s.db, s.session, 0, f).id;
}

} // namespace

TEST(CategorySave, RefusesInOrderAndWritesNothing)
{
    struct Case {
        const char *name, *discount, *message, *field;
    };
    const Case cases[] = {
        {"", "", "商品分类 不能为空，请重新录入！", "theName"},
        {"新分类", "", "销售折扣 不能为空，请重新录入！", "theZK"},
        {"新分类", "9.5", "销售折扣 必须是数字，请重新录入！", "theZK"},
        {"新分类", "-5", "销售折扣 必须是数字，请重新录入！", "theZK"},
        {"新分类", "1000", "销售折扣 必须是数字，请重新录入！", "theZK"},
        {"新分类", "８０", "销售折扣 必须是数字，请重新录入！", "theZK"},
        {"水果", "100", "商品分类 已存在，请重新录入！", "theName"},
        {"停用的分类", "100", "商品分类 已存在，请重新录入！", "theName"},
        {"水果", "abc", "销售折扣 必须是数字，请重新录入！", "theZK"},
    };
    test::TestStore s;
    test::addCategory(*s.db, u8("水果"), 90);
    test::addCategory(*s.db, u8("停用的分类"), 90, u8("停用"));
    const std::string before = test::masterSnapshot(*s.db);
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.discount);
        const Outcome o = saveCategory(*s.db, u8(c.name), u8(c.discount), QString());
        EXPECT_TRUE(o.refused());
        EXPECT_EQ(o.refusal.message, u8(c.message));
        EXPECT_EQ(o.refusal.field, QString::fromLatin1(c.field));
        EXPECT_EQ(test::masterSnapshot(*s.db), before);
    }
}

// A new category is listed and offered by the drop-downs; disabled, it stays listed but
// leaves the drop-downs.
TEST(CategorySave, NewCategoryIsListedAndOfferedUntilDisabled)
{
    test::TestStore s;
    Database &db = *s.db;
    const Outcome saved = saveCategory(db, u8("O'Neil 五金"), u8("0"), u8("进口"));
    ASSERT_TRUE(saved.done());
    EXPECT_TRUE(saveCategory(db, u8("饮料"), u8("95"), QString()).done());
    const RowSet rows = queryCategories(db);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.text(0, u8("商品分类")), u8("O'Neil 五金"));
    EXPECT_EQ(rows.text(0, u8("销售折扣")), QStringLiteral("0"));
    EXPECT_EQ(rows.text(0, u8("备注")), u8("进口"));
    EXPECT_EQ(rows.text(0, u8("状态")), u8("启用"));
    EXPECT_EQ(rows.value(0, QStringLiteral("ID")).toInt(), saved.id);
    EXPECT_EQ(DBComSType(db), (QStringList{u8("O'Neil 五金"), u8("饮料")}));

    setCategoryState(db, saved.id, false);
    EXPECT_EQ(DBComSType(db), QStringList{u8("饮料")});
    EXPECT_EQ(queryCategories(db).text(0, u8("状态")), u8("停用"));
    setCategoryState(db, saved.id, true);
    EXPECT_EQ(DBComSType(db).size(), 2);
}

// The category edit reaches every goods item of the category (disabled and deleted ones too)
// and nothing else; the goods edit reaches that one item only.
TEST(CategoryDiscount, CategoryEditReachesItsGoodsAndGoodsEditOnlyOne)
{
    test::TestStore s;
    Database &db = *s.db;
    const int fruit = test::addCategory(db, u8("O'Neil 水果"), 100);
    test::addCategory(db, u8("饮料"), 100);
    const int apple = addGoods(s, "A1", "O'Neil 水果");
    const int pear = addGoods(s, "A2", "O'Neil 水果");
    const int removed = addGoods(s, "A3", "O'Neil 水果");
    const int juice = addGoods(s, "B1", "饮料");
    const int loose = addGoods(s, "C1", "");
    setGoodsState(db, pear, false);
    deleteGoods(db, s.session, removed);

    ASSERT_TRUE(setCategoryDiscount(db, s.session, fruit, u8("90")).done());
    const auto discount = [&db](int id) { return test::cell(db, "SShop", id, "theZK").toInt(); };
    EXPECT_EQ(test::cell(db, "SType", fruit, "theZK").toInt(), 90);
    EXPECT_EQ(myRetZK(db, u8("O'Neil 水果")), 90);
    EXPECT_EQ(discount(apple), 90);
    EXPECT_EQ(discount(pear), 90);
    EXPECT_EQ(discount(removed), 90);
    EXPECT_EQ(discount(juice), 100);
    EXPECT_EQ(discount(loose), 100);

    ASSERT_TRUE(setGoodsDiscount(db, s.session, apple, u8("0")).done());
    EXPECT_EQ(discount(apple), 0);
    EXPECT_EQ(discount(pear), 90);
    EXPECT_EQ(test::cell(db, "SType", fruit, "theZK").toInt(), 90);

    // The same checks as the category window, nothing written on a refusal.
    const std::string before = test::masterSnapshot(db);
    EXPECT_EQ(setCategoryDiscount(db, s.session, fruit, QString()).refusal.message,
              u8("销售折扣 不能为空，请重新录入！"));
    EXPECT_EQ(setGoodsDiscount(db, s.session, apple, u8("1.5")).refusal.message,
              u8("销售折扣 必须是数字，请重新录入！"));
    EXPECT_EQ(test::masterSnapshot(db), before);
}

// Goods warn before the delete but do not stop it; goods keep the category's name.
TEST(CategoryDelete, RemovesTheRowAndGoodsKeepTheName)
{
    test::TestStore s;
    Database &db = *s.db;
    const int used = test::addCategory(db, u8("水果"), 90);
    const int onlyDeleted = test::addCategory(db, u8("旧货"), 90);
    const int unused = test::addCategory(db, u8("空"), 90);
    const int apple = addGoods(s, "A1", "水果");
    deleteGoods(db, s.session, addGoods(s, "A2", "旧货"));
    EXPECT_TRUE(categoryHasGoods(db, used));
    EXPECT_FALSE(categoryHasGoods(db, onlyDeleted));
    EXPECT_FALSE(categoryHasGoods(db, unused));

    ASSERT_TRUE(deleteCategory(db, s.session, used).done());
    EXPECT_FALSE(db.exists(QStringLiteral("SELECT ID FROM SType WHERE ID = ?"), {used}));
    EXPECT_EQ(test::textCell(db, "SShop", apple, "theType"), u8("水果"));
    EXPECT_EQ(DBComSType(db), (QStringList{u8("旧货"), u8("空")}));
}
