#include "masterfixture.h"

#include "masterdata/categories.h"
#include "masterdata/goods.h"
#include "masterdata/namelists.h"
#include "masterdata/partners.h"

#include <functional>
#include <gtest/gtest.h>

using namespace qv;
using test::u8;

// Every write that needs a right does nothing without it, says nothing (no refusal text)
// and comes back NotAllowed even when its fields would also be refused; with the right
// (anything but "否") it goes ahead to its checks.
TEST(MasterDataRights, WritesUnderARightDoNothingWithoutIt)
{
    struct Ids {
        int goods, category, partner, warehouse;
    };
    enum Right { Modify, Delete };
    struct Case {
        const char *name;
        Right right;
        Outcome::Kind withRight;
        std::function<Outcome(Database &, const Session &, const Ids &)> act;
    };
    GoodsFields edited;
    edited.number = QStringLiteral("N2");
    edited.name = u8("改名");
    edited.unit = u8("个");
    PartnerFields partner;
    partner.name = u8("改名");
    const Case cases[] = {
        {"goods edit", Modify, Outcome::Kind::Done,
         [&](Database &db, const Session &s, const Ids &i) { return saveGoods(db, s, i.goods, edited); }},
        {"goods edit with a faulty price", Modify, Outcome::Kind::Refused,
         [&](Database &db, const Session &s, const Ids &i) {
             GoodsFields f = edited;
             f.salesPrice = QStringLiteral("1.2.3");
             return saveGoods(db, s, i.goods, f);
         }},
        {"pinyin edit", Modify, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return saveGoodsPinyin(db, s, i.goods, "X"); }},
        {"goods discount", Modify, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return setGoodsDiscount(db, s, i.goods, "5"); }},
        {"category discount", Modify, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return setCategoryDiscount(db, s, i.category, "5"); }},
        {"partner edit", Modify, Outcome::Kind::Done,
         [&](Database &db, const Session &s, const Ids &i) { return savePartner(db, s, i.partner, partner); }},
        {"goods delete", Delete, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return deleteGoods(db, s, i.goods); }},
        {"category delete", Delete, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return deleteCategory(db, s, i.category); }},
        {"partner delete", Delete, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) { return deletePartner(db, s, i.partner); }},
        {"warehouse delete", Delete, Outcome::Kind::Done,
         [](Database &db, const Session &s, const Ids &i) {
             return deleteNameListEntry(db, s, wareList(), i.warehouse);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestStore s;
        Database &db = *s.db;
        Ids ids;
        ids.category = test::addCategory(db, u8("水果"), 90);
        GoodsFields g;
        g.number = QStringLiteral("N1");
        g.name = u8("苹果");
        g.unit = u8("斤");
        g.category = u8("水果");
        ids.goods = saveGoods(db, s.session, 0, g).id;
        PartnerFields p;
        p.name = u8("甲");
        ids.partner = savePartner(db, s.session, 0, p).id;
        ids.warehouse = saveNameListEntry(db, wareList(), u8("二号"), QString()).id;
        const std::string before = test::masterSnapshot(db);

        Session refused = s.session;
        (c.right == Modify ? refused.CanModify : refused.CanDelete) = u8("否");
        // The other right does not stand in for it.
        (c.right == Modify ? refused.CanDelete : refused.CanModify) = u8("是");
        const Outcome o = c.act(db, refused, ids);
        EXPECT_TRUE(o.notAllowed());
        EXPECT_TRUE(o.refusal.message.isEmpty());
        EXPECT_EQ(test::masterSnapshot(db), before);

        Session granted = s.session;
        (c.right == Modify ? granted.CanModify : granted.CanDelete) = QString();
        const Outcome allowed = c.act(db, granted, ids);
        EXPECT_EQ(allowed.kind, c.withRight);
        EXPECT_EQ(test::masterSnapshot(db) != before, allowed.done());
    }
}
