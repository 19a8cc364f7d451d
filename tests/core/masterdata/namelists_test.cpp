#include "masterfixture.h"

#include "masterdata/namelists.h"
#include "services/numbering.h"
#include "services/postings.h"

#include <functional>
#include <gtest/gtest.h>

using namespace qv;
using test::u8;

namespace {

struct Member {
    const NameListKind &kind;
    QStringList (*dropDown)(Database &);
    const char *caption, *group, *label, *emptyName, *nameTaken, *saved;
};

const Member members[] = {
    {wareList(), DBComWare, "仓库设置", "仓库信息", "仓库名称：", "仓库名称 不能为空，请重新录入！",
     "仓库名称 已存在，请重新录入！", "恭喜！恭喜！ 仓库信息 保存成功！"},
    {staffList(), DBComStaff, "经手人管理", "经手人信息", "经手人姓名：", "经手人姓名 不能为空，请重新录入！",
     "经手人姓名 已存在，请重新录入！", "恭喜！恭喜！ 经手人信息 保存成功！"},
    {accountList(), DBComAccount, "收付款方式设置", "收付款方式信息", "收付款方式：",
     "收付款方式 不能为空，请重新录入！", "收付款方式 已存在，请重新录入！", "恭喜！恭喜！ 收付款方式 保存成功！"},
};

QStringList namesOf(const RowSet &rows, const QString &heading)
{
    QStringList out;
    for (int r = 0; r < rows.size(); ++r)
        out << rows.text(r, heading);
    return out;
}

} // namespace

// Each of the three lists through the one implementation: its texts, the refusals, the new
// entry in the list and the drop-downs, and a disabled entry that still blocks its name.
TEST(NameLists, EachMemberSavesListsAndRefusesWithItsOwnTexts)
{
    for (const Member &m : members) {
        const NameListKind &k = m.kind;
        SCOPED_TRACE(k.table.toStdString());
        EXPECT_EQ(k.caption, u8(m.caption));
        EXPECT_EQ(k.group, u8(m.group));
        EXPECT_EQ(k.nameLabel, u8(m.label));
        EXPECT_EQ(k.saved, u8(m.saved));

        test::TestStore s;
        Database &db = *s.db;
        const QStringList initial = m.dropDown(db);
        const std::string before = test::masterSnapshot(db);
        const Outcome empty = saveNameListEntry(db, k, QString(), u8("备注"));
        EXPECT_EQ(empty.refusal.message, u8(m.emptyName));
        EXPECT_EQ(empty.refusal.field, QStringLiteral("theName"));
        EXPECT_EQ(test::masterSnapshot(db), before);

        const Outcome added = saveNameListEntry(db, k, u8("O'Neil 一号"), u8("50% 备注"));
        ASSERT_TRUE(added.done());
        const RowSet rows = queryNameList(db, k);
        EXPECT_EQ(rows.columns.front().name, k.heading);
        EXPECT_EQ(namesOf(rows, k.heading), QStringList(initial) << u8("O'Neil 一号"));
        EXPECT_EQ(rows.text(rows.size() - 1, u8("备注")), u8("50% 备注"));
        EXPECT_EQ(rows.text(rows.size() - 1, u8("状态")), u8("启用"));
        EXPECT_EQ(rows.value(rows.size() - 1, QStringLiteral("ID")).toInt(), added.id);
        EXPECT_EQ(m.dropDown(db), QStringList(initial) << u8("O'Neil 一号"));

        setNameListState(db, k, added.id, false);
        EXPECT_EQ(m.dropDown(db), initial);
        EXPECT_EQ(queryNameList(db, k).size(), rows.size());
        const std::string disabled = test::masterSnapshot(db);
        const Outcome again = saveNameListEntry(db, k, u8("O'Neil 一号"), QString());
        EXPECT_EQ(again.refusal.message, u8(m.nameTaken));
        EXPECT_EQ(test::masterSnapshot(db), disabled);
    }
}

// Only a warehouse is guarded, by any stock row of its name, even of quantity 0; handlers
// and accounts go even while documents name them.
TEST(NameLists, DeleteGuardAndPhysicalDelete)
{
    struct Case {
        const char *name;
        const NameListKind &kind;
        Money stock; // a stock row of this quantity, for warehouses
        bool stocked;
        bool refused;
    };
    const Case cases[] = {
        {"warehouse without stock", wareList(), {}, false, false},
        {"warehouse with stock", wareList(), test::amount("5"), true, true},
        {"warehouse with a stock row of 0", wareList(), {}, true, true},
        {"handler named by documents", staffList(), {}, false, false},
        {"account named by documents", accountList(), {}, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        Database &db = *s.db;
        const int id = saveNameListEntry(db, c.kind, u8("二号"), QString()).id;
        const int other = saveNameListEntry(db, c.kind, u8("三号"), QString()).id;
        const int goods = test::addGoodsRow(db, u8("螺丝"));
        if (c.stocked)
            KC_Up(db, u8("二号"), goods, c.stock);
        KC_Up(db, u8("三号"), goods, test::amount("1"));
        db.exec(QStringLiteral("INSERT INTO UXS (theNum, WName, UName, AName, theDel) VALUES ('XS1', ?, ?, ?, '否')"),
                {u8("二号"), u8("二号"), u8("二号")});
        const std::string before = test::masterSnapshot(db);

        const std::optional<Refusal> guard = nameListDeleteGuard(db, c.kind, id);
        const Outcome o = deleteNameListEntry(db, s.session, c.kind, id);
        EXPECT_EQ(guard.has_value(), c.refused);
        EXPECT_EQ(o.refused(), c.refused);
        if (c.refused) {
            EXPECT_EQ(o.refusal.message, u8("该仓库有商品库存，不能删除！"));
            EXPECT_EQ(test::masterSnapshot(db), before);
        } else {
            EXPECT_TRUE(o.done());
            EXPECT_FALSE(db.exists(QStringLiteral("SELECT ID FROM %1 WHERE ID = ?").arg(c.kind.table), {id}));
            EXPECT_TRUE(db.exists(QStringLiteral("SELECT ID FROM %1 WHERE ID = ?").arg(c.kind.table), {other}));
            EXPECT_EQ(db.scalar(QStringLiteral("SELECT WName FROM UXS WHERE theNum = 'XS1'")).toString(), u8("二号"));
        }
    }
}
