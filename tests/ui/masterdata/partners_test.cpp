#include "masterdata/partnerform.h"
#include "masterdata/partners.h"
#include "masterdata/tfrmnewunits.h"
#include "masterdata/tfrmunits_in.h"
#include "masterdata/tfrmunits_m.h"
#include "masterdata/tfrmunits_v.h"
#include "masterdatafixture.h"
#include "text/texttopy.h"
#include "trade/entrywindow.h"
#include "widgets/rowsetview.h"

#include <QCheckBox>
#include <QComboBox>
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

QString focusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

constexpr int NameColumn = 1;

} // namespace

TEST(PartnerEntry, RefusalsShowTheirMessageFocusTheFieldAndWriteNothing)
{
    struct Case {
        const char *name, *contact, *receivable, *message, *focus;
    };
    const Case cases[] = {
        {"", "", "", "单位名称 不能为空，请重新录入！", "theName"},
        {"甲商行", "张三", "", "单位名称及联系人 已存在，请重新录入！", "theName"},
        {"乙商行", "", "1.2.3", "应收金额 必须是数字，请重新录入！", "theYS"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        MasterFixture f;
        f.addPartner("甲商行", "JSH", "张三", "客户");
        TfrmUnits_In w(f.ctx);
        w.show();
        QApplication::setActiveWindow(&w);
        w.form->nameEdit->setText(QString::fromUtf8(c.name));
        w.form->contactEdit->setText(QString::fromUtf8(c.contact));
        w.form->receivableEdit->setText(QString::fromUtf8(c.receivable));
        w.form->remarkEdit->setFocus();
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        EXPECT_EQ(f.messages.texts(), QStringList({QString::fromUtf8(c.message)}));
        EXPECT_EQ(focusedName(), c.focus);
        EXPECT_EQ(f.count("SELECT count(*) FROM SUnits"), 1);
    }
}

TEST(PartnerEntry, ContinuousEntryKeepsTypeAndBalancesAndAcceptsTheSameNameWithAnotherContact)
{
    MasterFixture f;
    TfrmUnits_In w(f.ctx);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.windowTitle(), "往来单位录入");
    EXPECT_EQ(w.Lab_ID->text(), "0");
    EXPECT_TRUE(w.continuousBox->isChecked());
    EXPECT_EQ(w.form->typeBox->currentText(), "两者皆是");
    EXPECT_EQ(w.form->typeBox->count(), 3);
    w.form->receivableEdit->clear();
    QTest::keyClicks(w.form->receivableEdit, "1x2.5");
    EXPECT_EQ(w.form->receivableEdit->text(), "12.5");
    EXPECT_EQ(w.form->receivableEdit->maxLength(), 10);
    w.form->typeBox->setCurrentIndex(w.form->typeBox->findText("客户"));
    w.form->payableEdit->setText("3");
    for (const char *contact : {"张三", "李四"}) {
        w.form->nameEdit->setText("同名商行");
        w.form->contactEdit->setText(QString::fromUtf8(contact));
        w.form->phoneEdit->setText("123");
        w.form->addressEdit->setText("东街");
        w.form->remarkEdit->setText("备");
        QTest::mouseClick(w.saveButton, Qt::LeftButton);
        for (QLineEdit *e : {w.form->nameEdit, w.form->contactEdit, w.form->phoneEdit, w.form->addressEdit,
                             w.form->remarkEdit})
            EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
        EXPECT_EQ(w.form->typeBox->currentText(), "客户");
        EXPECT_EQ(w.form->receivableEdit->text(), "12.5");
        EXPECT_EQ(focusedName(), "theName");
    }
    EXPECT_TRUE(f.messages.shown.isEmpty());
    QSqlQuery q = f.db().exec("SELECT theType, theYS, theYF, thePro, theState, theDel, thePY FROM SUnits ORDER BY ID");
    int rows = 0;
    while (q.next()) {
        ++rows;
        EXPECT_EQ(q.value(0).toString(), "客户");
        EXPECT_EQ(Money::fromDb(q.value(1)), *Money::parse("12.5"));
        EXPECT_EQ(Money::fromDb(q.value(2)), Money::units(3));
        EXPECT_EQ(q.value(4).toString(), "启用");
        EXPECT_EQ(q.value(5).toString(), "否");
        EXPECT_EQ(q.value(6).toString(), TextToPY("同名商行"));
    }
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(f.count("SELECT count(*) FROM UList"), 0) << "opening balances write no ledger row";
}

TEST(PartnerEntry, OneSaveWithoutContinuousEntryIsAnnouncedAndCloses)
{
    MasterFixture f;
    TfrmUnits_In w(f.ctx);
    w.show();
    w.continuousBox->setChecked(false);
    w.form->nameEdit->setText("丙店");
    QTest::mouseClick(w.saveButton, Qt::LeftButton);
    EXPECT_EQ(f.messages.texts(), QStringList({"恭喜！恭喜！ 往来单位信息 保存成功！"}));
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(f.db().scalar("SELECT theType FROM SUnits").toString(), "两者皆是");
    EXPECT_EQ(Money::fromDb(f.db().scalar("SELECT theYS FROM SUnits")), Money());
}

namespace {

struct PartnerListFixture : MasterFixture {
    int jia, yi;
    PartnerListFixture()
    {
        jia = addPartner("甲商行", "JSH", "张三", "供应商");
        yi = addPartner("乙公司", "YGS", "李四", "客户");
        db().exec("UPDATE SUnits SET theYS=1250000, theYF=30000, thePho='555', theAdd='东街', Remark='老客' WHERE ID=?",
                  {yi});
    }
};

} // namespace

TEST(PartnerList, InertUntilQueriedThenShowsTheColumnsAndFindsByPinyin)
{
    PartnerListFixture f;
    TfrmUnits_M w(f.ctx);
    w.show();
    EXPECT_EQ(w.windowTitle(), "往来单位管理");
    EXPECT_EQ(w.grid->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(test::menuCaptions(w.menu), QStringList({"启用 &Q", "停用 &T", "修改 &M", "删除 &D"}));
    QTest::keyClicks(w.remarkFilter, "r");
    QTest::keyClicks(w.addressFilter, "a");
    QTest::keyClicks(w.phoneFilter, "p");
    QTest::keyClicks(w.contactFilter, "c");
    QTest::keyClicks(w.nameFilter, "n");
    w.typeFilter->setCurrentIndex(w.typeFilter->findText("客户"));
    emit w.typeFilter->activated(w.typeFilter->currentIndex());
    for (const char *caption : {"单位名称", "联  系  人", "联系电话", "地        址", "备        注", "单位类型"})
        EXPECT_TRUE(w.filterBox(QString::fromUtf8(caption))->isChecked()) << caption;
    w.query();
    PartnerFilter all;
    all.name = "n";
    all.contact = "c";
    all.phone = "p";
    all.address = "a";
    all.remark = "r";
    all.type = "客户";
    EXPECT_EQ(w.Lab_where.sql, partnerCondition(all).sql);
    EXPECT_EQ(w.Lab_where.values, partnerCondition(all).values);

    for (const char *caption : {"联  系  人", "联系电话", "地        址", "备        注", "单位类型"})
        w.filterBox(QString::fromUtf8(caption))->setChecked(false);
    w.nameFilter->clear();
    w.query();
    EXPECT_EQ(w.statusLine->text(), "往来单位数量：2");
    EXPECT_EQ(test::gridTitles(w.grid), QStringList({"单位类型", "单位名称", "联系人", "联系电话", "地址", "备注", "状态",
                                                     "thePY", "ID", "theYS", "theYF"}));
    const int widths[] = {-1, 200, 120, 160, 200, 180};
    for (int c = 1; c < 6; ++c)
        EXPECT_EQ(w.grid->columnWidth(c), widths[c]);
    for (int c = 7; c < 11; ++c)
        EXPECT_TRUE(w.grid->isColumnHidden(c)) << "balances and keys are not shown";
    EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"甲商行", "乙公司"}));
    w.nameFilter->setText("ygs");
    w.query();
    EXPECT_EQ(gridColumn(w.grid, NameColumn), QStringList({"乙公司"}));
}

TEST(PartnerList, ModifyShowsTheBalancesDisabledAndNeverChangesThem)
{
    PartnerListFixture f;
    TfrmUnits_M w(f.ctx);
    w.show();
    w.query();
    test::selectRow(w.grid, NameColumn, "乙公司");
    onModal([&](QDialog *d) {
        auto *e = qobject_cast<TfrmUnits_In *>(d);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->windowTitle(), "往来单位修改");
        EXPECT_EQ(e->Lab_ID->text(), QString::number(f.yi));
        EXPECT_FALSE(e->continuousBox->isChecked() || e->continuousBox->isVisible());
        EXPECT_EQ(e->form->typeBox->currentText(), "客户");
        EXPECT_EQ(e->form->contactEdit->text(), "李四");
        EXPECT_EQ(e->form->phoneEdit->text(), "555");
        EXPECT_EQ(e->form->addressEdit->text(), "东街");
        EXPECT_EQ(e->form->remarkEdit->text(), "老客");
        EXPECT_EQ(e->form->receivableEdit->text(), "125");
        EXPECT_EQ(e->form->payableEdit->text(), "3");
        EXPECT_FALSE(e->form->receivableEdit->isEnabled() || e->form->payableEdit->isEnabled());
        e->form->receivableEdit->setText("0");
        e->form->nameEdit->setText("乙公司二部");
        e->form->typeBox->setCurrentIndex(e->form->typeBox->findText("两者皆是"));
        QTest::mouseClick(e->saveButton, Qt::LeftButton);
    });
    menuItem(w.menu, "修改 &M")->trigger();
    EXPECT_EQ(f.messages.texts(), QStringList({"恭喜！恭喜！ 往来单位信息 保存成功！"}));
    EXPECT_TRUE(gridColumn(w.grid, NameColumn).contains("乙公司二部")) << "the list reloaded";
    EXPECT_EQ(Money::fromDb(f.db().scalar("SELECT theYS FROM SUnits WHERE ID=?", {f.yi})), Money::units(125));
    EXPECT_EQ(f.db().scalar("SELECT theType FROM SUnits WHERE ID=?", {f.yi}).toString(), "两者皆是");
    EXPECT_EQ(f.db().scalar("SELECT thePY FROM SUnits WHERE ID=?", {f.yi}).toString(), "YGSEB");
}

TEST(PartnerList, ModifyAndDeleteDoNothingWithoutTheirRightAndDeleteAsksFirst)
{
    struct Case {
        const char *action;
        const char *right; // the word held for the right the action needs
        bool answer;
        QStringList opened;
        QStringList shown;
        bool deleted;
    };
    const QString question = "确认要删除吗？该删除将不可恢复！";
    const Case cases[] = {
        {"修改 &M", "否", true, {}, {}, false},
        {"double click", "否", true, {}, {}, false},
        {"修改 &M", "是", true, {"TfrmUnits_In"}, {}, false},
        {"double click", "是", true, {"TfrmUnits_In"}, {}, false},
        {"删除 &D", "否", true, {}, {}, false},
        {"删除 &D", "是", false, {}, {question}, false},
        {"删除 &D", "是", true, {}, {question}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.right + (c.answer ? " yes" : " no"));
        PartnerListFixture f;
        const bool deleting = QString::fromUtf8(c.action) == "删除 &D";
        (deleting ? f.ctx.session.CanDelete : f.ctx.session.CanModify) = QString::fromUtf8(c.right);
        f.messages.answer = c.answer;
        TfrmUnits_M w(f.ctx);
        w.show();
        w.query();
        test::selectRow(w.grid, NameColumn, "甲商行");
        const QStringList opened = modalsOpenedBy([&] {
            if (QString::fromUtf8(c.action) == "double click")
                test::doubleClickCurrentRow(w.grid);
            else
                menuItem(w.menu, QString::fromUtf8(c.action))->trigger();
        });
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(f.messages.texts(), c.shown);
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(f.messages.shown.last().caption, "删除");
            EXPECT_TRUE(f.messages.askedDefaultNo.last());
        }
        EXPECT_EQ(f.db().scalar("SELECT theDel FROM SUnits WHERE ID=?", {f.jia}).toString(), c.deleted ? "是" : "否");
        EXPECT_EQ(gridColumn(w.grid, NameColumn).contains("甲商行"), !c.deleted);
    }
}

TEST(PartnerView, ShowsAPartnerByIdDeletedOrNotAndNothingForAnUnknownId)
{
    PartnerListFixture f;
    f.db().exec("UPDATE SUnits SET theDel='是' WHERE ID=?", {f.yi});
    Tfrmunits_v w(f.ctx, f.yi);
    w.show();
    EXPECT_EQ(w.windowTitle(), "往来单位查看");
    const PartnerFields shown = w.form->fields();
    EXPECT_EQ(shown.name, "乙公司");
    EXPECT_EQ(shown.contact, "李四");
    EXPECT_EQ(shown.phone, "555");
    EXPECT_EQ(shown.address, "东街");
    EXPECT_EQ(shown.remark, "老客");
    EXPECT_EQ(shown.receivable, "125");
    EXPECT_EQ(shown.payable, "3");
    for (QLineEdit *e : w.form->findChildren<QLineEdit *>())
        EXPECT_TRUE(e->isReadOnly());
    EXPECT_EQ(w.form->typeBox, nullptr);
    QTest::mouseClick(w.exitButton, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());

    Tfrmunits_v none(f.ctx, 9999);
    for (QLineEdit *e : none.form->findChildren<QLineEdit *>())
        EXPECT_TRUE(e->text().isEmpty());
}

TEST(PartnerQuickAdd, ASearchThatFindsNothingAddsThePartnerOfTheCallersKindIntoTheHeader)
{
    struct Case {
        const EntryDescriptor &(*descriptor)();
        const char *type;
    };
    for (const Case &c : {Case{&TfrmXS_In, "客户"}, Case{&TfrmJH_In, "供应商"}}) {
        SCOPED_TRACE(c.type);
        MasterFixture f;
        // A disabled partner is not offered by the search, yet its name is taken.
        f.addPartner("老店", "LD", "赵六", "两者皆是", "停用");
        EntryWindow w(f.ctx, c.descriptor());
        w.show();
        QApplication::setActiveWindow(&w);
        w.Edit1->setText("老店");
        w.Edit7->setText("王五");
        w.Edit8->setText("777");
        w.Edit9->setText("西街");
        onModal([&](QDialog *d) {
            auto *n = qobject_cast<TfrmNewUnits *>(d);
            ASSERT_NE(n, nullptr);
            QApplication::setActiveWindow(n);
            EXPECT_EQ(n->windowTitle(), "往来单位录入");
            const PartnerFields typed = n->form->fields();
            EXPECT_EQ(typed.name, "老店");
            EXPECT_EQ(typed.contact, "王五");
            EXPECT_EQ(typed.phone, "777");
            EXPECT_EQ(typed.address, "西街");
            EXPECT_EQ(n->form->typeBox, nullptr);
            n->form->remarkEdit->setFocus();
            QTest::mouseClick(n->saveButton, Qt::LeftButton);
            EXPECT_EQ(f.messages.last(), "单位名称 已存在，请重新录入！");
            EXPECT_EQ(focusedName(), "theName");
            EXPECT_TRUE(n->isVisible());
            n->form->nameEdit->setText("新店");
            QTest::mouseClick(n->saveButton, Qt::LeftButton);
        });
        w.Edit1->setFocus();
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        const int id = f.db().scalar("SELECT ID FROM SUnits WHERE theName='新店'").toInt();
        ASSERT_NE(id, 0);
        EXPECT_EQ(w.Edit1->text(), "新店");
        EXPECT_EQ(w.Lab_Units->text(), QString::number(id));
        EXPECT_EQ(w.partnerId(), id);
        EXPECT_EQ(f.db().scalar("SELECT theType FROM SUnits WHERE ID=?", {id}).toString(), c.type);
        EXPECT_EQ(f.db().scalar("SELECT thePro FROM SUnits WHERE ID=?", {id}).toString(), "王五");
        EXPECT_EQ(f.messages.texts(), QStringList({"单位名称 已存在，请重新录入！"})) << "no message on success";
    }
}
