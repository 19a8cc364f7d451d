#include "app/appcontext.h"
#include "db/database.h"
#include "messagerecorder.h"
#include "testdb.h"
#include "widgets/listwindow.h"
#include "widgets/rowsetview.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;

namespace {

// A small member of the family: the partner table with two text filters and a kind choice.
class PartnerList : public ListWindow {
public:
    explicit PartnerList(AppContext &ctx) : ListWindow(ctx, "TestList", "测试列表")
    {
        nameEdit = addTextFilter("单位名称", [](const QString &t) {
            return Condition().add(" AND (theName" + LikeEscaped + " OR thePY" + LikeEscaped + ")",
                                   {containsPattern(t), containsPattern(t)});
        });
        kindBox = addChoiceFilter("单位类型", {"供应商", "客户"},
                                  [](const QString &t) { return Condition().add(" AND (theType = ?)", {t}); });
        phoneEdit = addTextFilter("联系电话", [](const QString &t) {
            return Condition().add(" AND (thePho" + LikeEscaped + ")", {containsPattern(t)});
        });
        deleteItem = addMenuItem("删除 &D", [this] { ++deletes; });
    }
    RowSet fetch(const Condition &where) override
    {
        ++fetches;
        return fetchRows(*context().db,
                         "SELECT theName AS 单位名称, theYS AS 应收, ID FROM SUnits WHERE theDel='否'" + where.sql +
                             " ORDER BY ID",
                         where.values, {"应收"});
    }
    void arrangeColumns() override
    {
        setColumnWidth("单位名称", 200);
        hideColumn("ID");
    }
    QString statusText() const override { return QStringLiteral("往来单位数量：%1").arg(rows().size()); }

    QLineEdit *nameEdit;
    QComboBox *kindBox;
    QLineEdit *phoneEdit;
    QAction *deleteItem;
    int fetches = 0;
    int deletes = 0;
};

struct Fixture {
    test::TestStore store;
    test::MessageRecorder messages;
    AppContext ctx;
    Fixture()
    {
        ctx.db = store.db.get();
        ctx.session = store.session;
        const char *rows[][5] = {{"乙公司", "YGS", "客户", "555", "30"},
                                 {"甲's 100%商行", "JSSH", "供应商", "123", "5.5"},
                                 {"丙店", "BD", "客户", "1234", "-2"}};
        for (auto &r : rows)
            ctx.db->exec("INSERT INTO SUnits (theName, thePY, theType, thePho, theYS, theDel, theState) "
                         "VALUES (?, ?, ?, ?, ?, '否', '启用')",
                         {QString(r[0]), QString(r[1]), QString(r[2]), QString(r[3]), Money::parse(r[4])->toDb()});
    }
};

QStringList column(const QTableView *grid, int col)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, col).data().toString();
    return out;
}

} // namespace

TEST(ListWindowBase, EmptyAndInertUntilTheFirstQuery)
{
    Fixture f;
    PartnerList w(f.ctx);
    w.show();
    EXPECT_EQ(w.grid->model()->rowCount(), 0);
    EXPECT_EQ(w.fetches, 0);
    EXPECT_FALSE(w.excelButton->isEnabled());
    EXPECT_EQ(w.grid->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::mouseClick(w.queryButton, Qt::LeftButton);
    EXPECT_EQ(w.grid->model()->rowCount(), 3);
    EXPECT_TRUE(w.excelButton->isEnabled());
    EXPECT_EQ(w.grid->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(w.statusLine->text(), "往来单位数量：3");
    EXPECT_TRUE(w.grid->isColumnHidden(2));
    EXPECT_EQ(w.grid->columnWidth(0), 200);
    EXPECT_EQ(column(w.grid, 1), QStringList({"30", "5.5", "-2"}));
}

TEST(ListWindowBase, ControlsTickTheirBoxesAndTheConditionFollowsTheFilterOrder)
{
    Fixture f;
    PartnerList w(f.ctx);
    w.show();
    QTest::keyClicks(w.phoneEdit, "12");
    EXPECT_TRUE(w.filterBox("联系电话")->isChecked());
    EXPECT_FALSE(w.filterBox("单位名称")->isChecked());
    w.kindBox->setCurrentIndex(0);
    emit w.kindBox->activated(0);
    EXPECT_TRUE(w.filterBox("单位类型")->isChecked());
    QTest::keyClicks(w.nameEdit, "100%");
    w.query();
    EXPECT_EQ(w.Lab_where.sql, " AND (theName LIKE ? ESCAPE '\\' OR thePY LIKE ? ESCAPE '\\')"
                               " AND (theType = ?) AND (thePho LIKE ? ESCAPE '\\')");
    EXPECT_EQ(w.Lab_where.values, QVariantList({"%100\\%%", "%100\\%%", "供应商", "%12%"}));
    EXPECT_EQ(column(w.grid, 0), QStringList({"甲's 100%商行"}));

    // Unticking drops the clause; typed text is taken literally, pinyin codes match too.
    w.filterBox("单位类型")->setChecked(false);
    w.filterBox("联系电话")->setChecked(false);
    w.nameEdit->setText("%");
    w.query();
    EXPECT_EQ(column(w.grid, 0), QStringList({"甲's 100%商行"}));
    w.nameEdit->setText("bd");
    w.query();
    EXPECT_EQ(column(w.grid, 0), QStringList({"丙店"}));
}

TEST(ListWindowBase, TitleClicksSortTheLoadedRowsAscendingThenDescending)
{
    Fixture f;
    PartnerList w(f.ctx);
    w.show();
    w.query();
    const int fetches = w.fetches;
    QHeaderView *header = w.grid->horizontalHeader();
    const auto clickTitle = [&](int col) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(col) + 5, header->height() / 2));
    };
    clickTitle(1);
    EXPECT_EQ(column(w.grid, 1), QStringList({"-2", "5.5", "30"}));
    EXPECT_EQ(w.grid->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::red));
    EXPECT_TRUE(w.grid->model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    clickTitle(1);
    EXPECT_EQ(column(w.grid, 1), QStringList({"30", "5.5", "-2"}));
    EXPECT_EQ(w.grid->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::blue));
    clickTitle(0);
    EXPECT_FALSE(w.grid->model()->headerData(1, Qt::Horizontal, Qt::FontRole).isValid());
    EXPECT_EQ(w.fetches, fetches) << "sorting never queries again";
}

TEST(ListWindowBase, MenuItemsDoNothingOnAnEmptyListAndDeleteAsksWithNoPreselected)
{
    Fixture f;
    PartnerList w(f.ctx);
    w.show();
    w.nameEdit->setText("没有的名字");
    w.query();
    w.deleteItem->trigger();
    EXPECT_EQ(w.deletes, 0);
    w.nameEdit->clear();
    w.query();
    w.deleteItem->trigger();
    EXPECT_EQ(w.deletes, 1);
    f.messages.answers = {false};
    EXPECT_FALSE(w.confirmDelete());
    EXPECT_EQ(f.messages.last(), "确认要删除吗？该删除将不可恢复！");
    EXPECT_EQ(f.messages.shown.last().caption, "删除");
    EXPECT_TRUE(f.messages.askedDefaultNo.last());
}
