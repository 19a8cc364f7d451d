#include "masterdata/tfrmshop_m.h"

#include "app/appcontext.h"
#include "masterdata/goods.h"
#include "masterdata/tfrmshop_in.h"
#include "masterdata/tfrmshop_py.h"
#include "services/numbering.h"
#include "widgets/guarded.h"
#include "widgets/rowsetview.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableView>

namespace qv {

namespace {

// The parameter columns stand after 规格型号 and are headed by store texts, which may be
// anything (even another column's title): they are found by position.
constexpr int FirstParamColumn = 4;

} // namespace

TfrmShop_M::TfrmShop_M(AppContext &context, QWidget *parent)
    : ListWindow(context, QStringLiteral("TfrmShop_M"), QStringLiteral("商品管理"), parent)
{
    const auto textClause = [](GoodsFilterBox box) {
        return [box](const QString &text) { return goodsClause(box, text); };
    };
    categoryFilter = addChoiceFilter(QStringLiteral("商品分类"), DBComSType(*context.db),
                                     textClause(GoodsFilterBox::Category));
    nameFilter = addTextFilter(QStringLiteral("商品名称"), textClause(GoodsFilterBox::Name));
    numberFilter = addTextFilter(QStringLiteral("商品编码"), textClause(GoodsFilterBox::Number));
    modelFilter = addTextFilter(QStringLiteral("规格型号"), textClause(GoodsFilterBox::Model));
    unitFilter = addTextFilter(QStringLiteral("单        位"), textClause(GoodsFilterBox::Unit));
    remarkFilter = addTextFilter(QStringLiteral("备        注"), textClause(GoodsFilterBox::Remark));
    hidePurchasePriceBox = new QCheckBox(QStringLiteral("隐藏采购单价 （Alt 加 A 健）&A"), this);
    addFilterWidget(hidePurchasePriceBox);
    connect(hidePurchasePriceBox, &QCheckBox::clicked, this, [this] { runQuery(); });

    // Label printing comes with the print layouts; until then the button and the menu item
    // are there and do nothing.
    barcodeButton = addButton(QStringLiteral("条码"));
    barcodeButton->setEnabled(false);
    // The base runs the query on this click first; the button follows what it came to.
    connect(queryButton, &QPushButton::clicked, this, [this] { barcodeButton->setEnabled(hasQueried()); });

    addMenuItem(QStringLiteral("启用 &Q"), [this] { setState(true); });
    addMenuItem(QStringLiteral("停用 &T"), [this] { setState(false); });
    addMenuItem(QStringLiteral("条码 &C"), [] {});
    addMenuItem(QStringLiteral("修改 &M"), [this] { modify(); });
    addMenuItem(QStringLiteral("拼音码修改 &P"), [this] { editPinyin(); });
    // The discount dialog, the picture windows and the movement record come with their own
    // parts of the program; until then these items do nothing.
    addMenuItem(QStringLiteral("修改销售折扣 &Z"), [] {});
    addMenuItem(QStringLiteral("图片管理 &I"), [] {});
    addMenuItem(QStringLiteral("查看图片 &K"), [] {});
    addMenuItem(QStringLiteral("图片列表 &B"), [] {});
    addMenuItem(QStringLiteral("查看流动记录 &L"), [] {});
    addMenuItem(QStringLiteral("删除 &D"), [this] { deleteSelected(); });
}

void TfrmShop_M::runQuery()
{
    query();
    barcodeButton->setEnabled(hasQueried());
}

RowSet TfrmShop_M::fetch(const Condition &where)
{
    return queryGoods(*context().db, context().session.options, where);
}

void TfrmShop_M::arrangeColumns()
{
    setColumnWidth(QStringLiteral("商品分类"), 100);
    setColumnWidth(QStringLiteral("商品名称"), 200);
    setColumnWidth(QStringLiteral("规格型号"), 80);
    for (int i = 0; i < 3; ++i)
        grid->setColumnWidth(FirstParamColumn + i, 80);
    setColumnWidth(QStringLiteral("单位"), 60);
    setColumnWidth(QStringLiteral("采购单价"), 80);
    setColumnWidth(QStringLiteral("销售单价"), 80);
    setColumnWidth(QStringLiteral("销售折扣"), 60);
    setColumnWidth(QStringLiteral("备注"), 120);
    setColumnWidth(QStringLiteral("最低库存"), 60);
    setColumnWidth(QStringLiteral("最高库存"), 60);
    hideColumn(QStringLiteral("采购单价"), hidePurchasePriceBox->isChecked());
    const bool limits = context().session.options.stockAlert();
    hideColumn(QStringLiteral("最低库存"), !limits);
    hideColumn(QStringLiteral("最高库存"), !limits);
    hideColumn(QStringLiteral("ID"));
    hideColumn(QStringLiteral("thePY"));
}

QString TfrmShop_M::statusText() const { return QStringLiteral("商品数量：%1").arg(rows().size()); }

void TfrmShop_M::rowActivated()
{
    guarded(this, [this] { modify(); });
}

void TfrmShop_M::setState(bool enabled)
{
    setGoodsState(*context().db, currentValue(QStringLiteral("ID")).toInt(), enabled);
    Ref();
}

void TfrmShop_M::modify()
{
    AppContext &ctx = context();
    if (!ctx.session.mayModify())
        return;
    const int id = currentValue(QStringLiteral("ID")).toInt();
    const std::optional<GoodsFields> fields = loadGoods(*ctx.db, id);
    if (!fields)
        return;
    TfrmShop_In w(ctx, this);
    w.setEditing(id, *fields, [this] { Ref(); });
    w.exec();
}

void TfrmShop_M::editPinyin()
{
    AppContext &ctx = context();
    if (!ctx.session.mayModify())
        return;
    GoodsFields shown;
    shown.number = currentText(QStringLiteral("商品编码"));
    shown.category = currentText(QStringLiteral("商品分类"));
    shown.name = currentText(QStringLiteral("商品名称"));
    shown.model = currentText(QStringLiteral("规格型号"));
    shown.unit = currentText(QStringLiteral("单位"));
    shown.purchasePrice = currentText(QStringLiteral("采购单价"));
    shown.salesPrice = currentText(QStringLiteral("销售单价"));
    shown.remark = currentText(QStringLiteral("备注"));
    TfrmShop_PY w(ctx, currentValue(QStringLiteral("ID")).toInt(), shown, currentText(QStringLiteral("thePY")),
                  [this] { Ref(); }, this);
    w.exec();
}

void TfrmShop_M::deleteSelected()
{
    AppContext &ctx = context();
    if (!ctx.session.mayDelete())
        return;
    const int id = currentValue(QStringLiteral("ID")).toInt();
    if (goodsHasStock(*ctx.db, id))
        messages().warn(this, GoodsStockWarning, AppTitle);
    if (!confirmDelete())
        return;
    if (deleteGoods(*ctx.db, ctx.session, id).done())
        Ref();
}

} // namespace qv
