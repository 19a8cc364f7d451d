#include "masterfixture.h"

#include "masterdata/partners.h"
#include "services/postings.h"

#include <functional>
#include <gtest/gtest.h>

using namespace qv;
using test::u8;

namespace {

PartnerFields partner(const char *name, const char *contact = "")
{
    PartnerFields f;
    f.name = QString::fromUtf8(name);
    f.contact = QString::fromUtf8(contact);
    return f;
}

QStringList namesOf(const RowSet &rows)
{
    QStringList out;
    for (int r = 0; r < rows.size(); ++r)
        out << rows.text(r, u8("单位名称"));
    return out;
}

} // namespace

// Entry window and quick add check the name and the opening balances in that order.
TEST(PartnerSave, RefusesTheFirstFaultyFieldAndWritesNothing)
{
    struct Case {
        const char *name, *receivable, *payable, *message, *field;
    };
    const Case cases[] = {
        {"", "x", "x", "单位名称 不能为空，请重新录入！", "theName"},
        {"甲", "1.2.3", "y", "应收金额 必须是数字，请重新录入！", "theYS"},
        {"甲", "", "1..", "应付金额 必须是数字，请重新录入！", "theYF"},
        {"甲", "100", "-", "应付金额 必须是数字，请重新录入！", "theYF"},
    };
    test::TestStore s;
    const std::string before = test::masterSnapshot(*s.db);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        PartnerFields f = partner(c.name);
        f.receivable = u8(c.receivable);
        f.payable = u8(c.payable);
        for (const Outcome &o : {savePartner(*s.db, s.session, 0, f), quickAddPartner(*s.db, u8("xs"), f)}) {
            EXPECT_TRUE(o.refused());
            EXPECT_EQ(o.refusal.message, u8(c.message));
            EXPECT_EQ(o.refusal.field, QString::fromLatin1(c.field));
        }
        EXPECT_EQ(test::masterSnapshot(*s.db), before);
    }
}

// The entry window refuses the same name with the same contact; the quick add refuses the
// same name whatever the contact. Deleted partners do not count.
TEST(PartnerSave, DuplicateRulesOfEntryWindowAndQuickAdd)
{
    struct Case {
        const char *name;
        PartnerFields second;
        bool firstDeleted;
        const char *entryRefusal; // empty: accepted
        const char *quickRefusal;
    };
    const Case cases[] = {
        {"same name and contact", partner("甲商行", "王'五"), false, "单位名称及联系人 已存在，请重新录入！",
         "单位名称 已存在，请重新录入！"},
        {"same name, other contact", partner("甲商行", "李四"), false, "", "单位名称 已存在，请重新录入！"},
        {"same name, no contact", partner("甲商行"), false, "", "单位名称 已存在，请重新录入！"},
        {"other name", partner("乙商行", "王'五"), false, "", ""},
        {"the first one deleted", partner("甲商行", "王'五"), true, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (bool quick : {false, true}) {
            test::TestStore s;
            const Outcome first = savePartner(*s.db, s.session, 0, partner("甲商行", "王'五"));
            ASSERT_TRUE(first.done());
            if (c.firstDeleted)
                deletePartner(*s.db, s.session, first.id);
            const Outcome o =
                quick ? quickAddPartner(*s.db, u8("jh"), c.second) : savePartner(*s.db, s.session, 0, c.second);
            const QString expected = u8(quick ? c.quickRefusal : c.entryRefusal);
            EXPECT_EQ(o.refusal.message, expected) << (quick ? "quick add" : "entry window");
            EXPECT_EQ(test::rowCount(*s.db, "SUnits"), expected.isEmpty() ? 2 : 1);
        }
    }
}

TEST(PartnerQuickAdd, TypeFollowsTheCallingWindow)
{
    struct Case {
        const char *caller, *type;
    };
    const Case cases[] = {
        {"jh", "供应商"}, {"cgth", "供应商"}, {"fk", "供应商"}, {"xs", "客户"},     {"xsth", "客户"},
        {"sk", "客户"},   {"db", "两者皆是"}, {"", "两者皆是"}, {"XS", "两者皆是"},
    };
    test::TestStore s;
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caller);
        PartnerFields f = partner("单位");
        f.name += QString::number(++n);
        f.type = u8("客户"); // the entry window's drop-down plays no part
        f.receivable = QStringLiteral("12.5");
        const Outcome o = quickAddPartner(*s.db, u8(c.caller), f);
        ASSERT_TRUE(o.done());
        EXPECT_EQ(test::textCell(*s.db, "SUnits", o.id, "theName"), f.name);
        EXPECT_EQ(test::textCell(*s.db, "SUnits", o.id, "theType"), u8(c.type));
        EXPECT_EQ(test::moneyCell(*s.db, "SUnits", o.id, "theYS"), test::amount("12.5"));
    }
}

// Opening balances are written once; an edit changes the other fields and never a balance.
TEST(PartnerSave, EditNeverChangesBalances)
{
    test::TestStore s;
    Database &db = *s.db;
    PartnerFields f = partner("苹果公司", "张三");
    f.receivable = QStringLiteral("100");
    f.payable = QStringLiteral("0.3");
    const Outcome added = savePartner(db, s.session, 0, f);
    ASSERT_TRUE(added.done());
    EXPECT_EQ(test::textCell(db, "SUnits", added.id, "theType"), u8("两者皆是"));
    EXPECT_EQ(test::textCell(db, "SUnits", added.id, "thePY"), QStringLiteral("PGGS"));
    EXPECT_EQ(test::rowCount(db, "UList"), 0);
    YS_Up(db, added.id, test::amount("30"));

    PartnerFields edit = partner("香蕉公司", "李四");
    edit.type = u8("客户");
    edit.phone = QStringLiteral("123");
    edit.address = u8("北京");
    edit.remark = u8("老客户");
    edit.receivable = QStringLiteral("999");
    edit.payable = QStringLiteral("not a number either");
    ASSERT_TRUE(savePartner(db, s.session, added.id, edit).done());

    const std::optional<PartnerView> v = viewPartner(db, added.id);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->name, edit.name);
    EXPECT_EQ(v->contact, edit.contact);
    EXPECT_EQ(v->phone, edit.phone);
    EXPECT_EQ(v->address, edit.address);
    EXPECT_EQ(v->remark, edit.remark);
    EXPECT_EQ(v->receivable, test::amount("130"));
    EXPECT_EQ(v->payable, test::amount("0.3"));
    EXPECT_EQ(test::textCell(db, "SUnits", added.id, "theType"), u8("客户"));
    EXPECT_EQ(test::textCell(db, "SUnits", added.id, "thePY"), QStringLiteral("XJGS"));

    // The edit still needs a name.
    EXPECT_EQ(savePartner(db, s.session, added.id, partner("")).refusal.message, u8("单位名称 不能为空，请重新录入！"));
}

TEST(PartnerView, ShowsDeletedPartnersAndNothingForUnknownOnes)
{
    test::TestStore s;
    PartnerFields f = partner("旧客户", "赵六");
    f.payable = QStringLiteral("8");
    const Outcome o = savePartner(*s.db, s.session, 0, f);
    ASSERT_TRUE(deletePartner(*s.db, s.session, o.id).done());
    EXPECT_EQ(test::textCell(*s.db, "SUnits", o.id, "theDel"), u8("是"));
    const std::optional<PartnerView> v = viewPartner(*s.db, o.id);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->name, f.name);
    EXPECT_EQ(v->payable, test::amount("8"));
    EXPECT_FALSE(viewPartner(*s.db, o.id + 100));
}

TEST(PartnerList, FilterBoxesFindTypedTextLiterally)
{
    test::TestStore s;
    struct Row {
        const char *name, *type, *contact, *phone, *address, *remark;
    };
    const Row partners[] = {
        {"苹果公司", "供应商", "张三", "010-1", "北京", "老"},
        {"100%果园", "客户", "李四", "020_2", "上海", ""},
        {"100果园", "客户", "王五", "0202", "上海", ""},
        {"O'Hara 贸易", "两者皆是", "O'Hara", "", "广州", "外贸"},
    };
    for (const Row &r : partners) {
        PartnerFields f = partner(r.name, r.contact);
        f.type = u8(r.type);
        f.phone = u8(r.phone);
        f.address = u8(r.address);
        f.remark = u8(r.remark);
        f.receivable = QStringLiteral("1.25");
        savePartner(*s.db, s.session, 0, f);
    }
    deletePartner(*s.db, s.session, savePartner(*s.db, s.session, 0, partner("苹果旧公司")).id);

    struct Case {
        const char *name;
        PartnerFilter filter;
        QStringList names; // by type, then name
    };
    const Case cases[] = {
        {"nothing ticked", {}, {"O'Hara 贸易", "苹果公司", "100%果园", "100果园"}},
        {"pinyin initials", {.name = u8("pggs")}, {"苹果公司"}},
        {"percent sign", {.name = u8("%")}, {"100%果园"}},
        {"apostrophe", {.name = u8("O'H")}, {"O'Hara 贸易"}},
        {"underscore in the phone", {.phone = u8("_")}, {"100%果园"}},
        {"type is exact", {.type = u8("客")}, {}},
        {"type", {.type = u8("客户")}, {"100%果园", "100果园"}},
        {"every box", {u8("果"), u8("王"), u8("02"), u8("海"), u8(""), u8("客户")}, {"100果园"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(namesOf(queryPartners(*s.db, partnerCondition(c.filter))), c.names);
    }

    const RowSet rows = queryPartners(*s.db, {});
    QStringList headings;
    for (const RowSet::Column &c : rows.columns)
        headings << c.name;
    EXPECT_EQ(headings, (QStringList{u8("单位类型"), u8("单位名称"), u8("联系人"), u8("联系电话"), u8("地址"),
                                     u8("备注"), u8("状态"), u8("thePY"), u8("ID"), u8("theYS"), u8("theYF")}));
    EXPECT_EQ(rows.text(0, u8("theYS")), QStringLiteral("1.25"));
}
