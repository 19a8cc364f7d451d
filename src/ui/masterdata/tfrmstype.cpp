#include "masterdata/tfrmstype.h"

#include "app/appcontext.h"
#include "masterdata/categories.h"
#include "widgets/guarded.h"
#include "widgets/numericinput.h"
#include "widgets/showrefusal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

TfrmSType::TfrmSType(AppContext &context, QWidget *parent)
    : GridDialog(context, QStringLiteral("TfrmSType"), QStringLiteral("商品分类"), QStringLiteral("商品分类信息"), parent)
{
    nameEdit = new QLineEdit(entryBlock);
    nameEdit->setObjectName(QStringLiteral("theName"));
    nameEdit->setMaxLength(20);
    discountEdit = new QLineEdit(QStringLiteral("100"), entryBlock);
    discountEdit->setObjectName(QStringLiteral("theZK"));
    discountEdit->setMaxLength(3);
    acceptDigitInput(discountEdit);
    remarkEdit = new QLineEdit(entryBlock);
    remarkEdit->setObjectName(QStringLiteral("Remark"));
    remarkEdit->setMaxLength(50);
    auto *g = new QGridLayout(entryBlock);
    g->addWidget(new QLabel(QStringLiteral("商品分类："), entryBlock), 0, 0);
    g->addWidget(nameEdit, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("销售折扣："), entryBlock), 0, 2);
    g->addWidget(discountEdit, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("备        注："), entryBlock), 1, 0);
    g->addWidget(remarkEdit, 1, 1, 1, 3);
    g->setColumnStretch(1, 1);
    discountEdit->setFixedWidth(60);
    resize(520, 420);

    Database &db = *context.db;
    addMenuItem(QStringLiteral("启用 &Q"), [this, &db] {
        setCategoryState(db, currentId(), true);
        Ref();
    });
    addMenuItem(QStringLiteral("停用 &T"), [this, &db] {
        setCategoryState(db, currentId(), false);
        Ref();
    });
    addMenuItem(QStringLiteral("库存警戒设置 &K"), [this] { stockAlertSettings(); });
    // The discount dialog of a category comes with the price corrections; until then the
    // item is there and does nothing.
    addMenuItem(QStringLiteral("修改销售折扣 &Z"), [] {});
    addMenuItem(QStringLiteral("删除 &D"), [this] { deleteSelected(); });

    connect(newButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    guarded(this, [this] { Ref(); });
    nameEdit->setFocus();
}

RowSet TfrmSType::fetch() { return queryCategories(*context().db); }

void TfrmSType::arrangeColumns()
{
    setColumnWidth(QStringLiteral("销售折扣"), 60);
    setColumnWidth(QStringLiteral("备注"), 220);
    hideColumn(QStringLiteral("ID"));
}

void TfrmSType::clearEntry()
{
    nameEdit->clear();
    remarkEdit->clear();
}

void TfrmSType::newEntry()
{
    clearEntry();
    discountEdit->setText(QStringLiteral("100"));
    nameEdit->setFocus();
}

void TfrmSType::BitBtn1Click()
{
    guarded(this, [this] {
        const Outcome outcome =
            saveCategory(*context().db, nameEdit->text(), discountEdit->text(), remarkEdit->text());
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        inform(this, CategorySaved);
        Ref();
        nameEdit->setFocus();
    });
}

void TfrmSType::stockAlertSettings()
{
    if (!context().session.options.stockAlert()) {
        inform(this, QStringLiteral("请在 文件 菜单 里 本地信息 里 启用 库存警戒！"));
        return;
    }
    // The stock limits of a category are set in the stock query's alert dialog, which comes
    // with the stock query; until then nothing opens here.
}

void TfrmSType::deleteSelected()
{
    AppContext &ctx = context();
    if (!ctx.session.mayDelete())
        return;
    const int id = currentId();
    if (categoryHasGoods(*ctx.db, id))
        messages().warn(this, CategoryGoodsWarning, AppTitle);
    if (!confirmDelete())
        return;
    if (deleteCategory(*ctx.db, ctx.session, id).done())
        Ref();
}

} // namespace qv
