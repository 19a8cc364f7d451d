#pragma once

#include "db/condition.h"
#include "db/rowset.h"
#include "masterdata/outcome.h"
#include "money/money.h"

#include <QString>
#include <optional>
#include <variant>

namespace qv {

class Database;
struct Session;
struct StoreOptions;

// The goods catalogue (SShop): the goods entry and edit window TfrmShop_In, the quick add
// TfrmNewShop of the document windows, the goods list TfrmShop_M and the pinyin edit
// TfrmShop_PY. Categories and the discount edits are in categories.h.

// The fields of the goods entry window, as typed.
struct GoodsFields {
    QString number;                 // 商品编码 (theNum)
    QString category;               // 商品分类 (theType): the drop-down's text, may be empty
    QString name;                   // 商品名称 (theName)
    QString model;                  // 规格型号 (theStand)
    QString unit;                   // 单位 (theUnit)
    QString purchasePrice;          // 采购单价 (theJH); empty means 0
    QString salesPrice;             // 销售单价 (theXS); empty means 0
    QString remark;                 // 备注 (Remark)
    QString minStock;               // 最低库存 (theKCMin); empty means 0
    QString maxStock;               // 最高库存 (theKCMax); empty means 0
    QString param1, param2, param3; // the parameters named ParamLabel1..3 (theCS1..3)
};

// Saved message of a new goods item when continuous entry is off.
inline const QString GoodsSaved = savedMessage(QStringLiteral("商品信息"));
// The warning before deleting goods that have a stock row (the delete goes ahead on Yes).
inline const QString GoodsStockWarning = QStringLiteral("该商品有库存，请谨慎删除！");
inline const QString GoodsPinyinSaved = savedMessage(QStringLiteral("商品名称拼音码"));

// The number proposed for new goods (and after each save in continuous entry): NewSPNum.
QString nextGoodsNumber(Database &db, const Session &session);
// The fields the quick add starts with: a new number and the store's default stock limits.
GoodsFields quickAddFields(Database &db, const Session &session);
// The fields of a goods row for the edit window (read by ID, deleted or not); nothing when
// there is no such row. Prices and limits come back as general number text.
std::optional<GoodsFields> loadGoods(Database &db, int id);

// Saves the entry window: id 0 adds new goods, otherwise edits goods `id`.
// Checks, the first failing one answering: number, name, unit not empty; purchase price,
// sales price, minimum and maximum stock are numbers; for new goods, no live goods with the
// same name, model, unit, category and number ("同一商品信息 已存在，请重新录入！").
// The pinyin code is made from the name and the discount taken from the category (100 when
// the category is empty or unknown) on every save, so an edit replaces a hand-made code and a
// goods-only discount. New goods start enabled with cost = purchase price, dated WorkDate.
// Editing needs CanModify (NotAllowed otherwise); adding needs no right.
Outcome saveGoods(Database &db, const Session &session, int id, const GoodsFields &fields);

// What the quick add hands the caller's line grid for the new goods.
struct NewGoodsLine {
    int id = 0;
    QString number, name, model, unit, remark;
    Money purchasePrice, salesPrice;
    int discount = 100;
};
// Adds goods from a document window: the checks and the insert of saveGoods for new goods.
std::variant<NewGoodsLine, Refusal> quickAddGoods(Database &db, const Session &session, const GoodsFields &fields);

// The goods list's filter block: a box that is ticked holds its value (the category
// drop-down's text or the typed text); an unticked box is nothing.
struct GoodsFilter {
    std::optional<QString> category; // "商品分类": exact
    std::optional<QString> name;     // "商品名称": name or pinyin code contains the text
    std::optional<QString> number;   // "商品编码"
    std::optional<QString> model;    // "规格型号"
    std::optional<QString> unit;     // "单        位"
    std::optional<QString> remark;   // "备        注"
};
// The boxes in the order their clauses join the condition.
enum class GoodsFilterBox { Category, Name, Number, Model, Unit, Remark };
// The clause one ticked box adds; typed text is matched literally (% and _ are no wildcards).
Condition goodsClause(GoodsFilterBox box, const QString &value);
// Lab_where of the goods list: the clauses of the ticked boxes in the order above.
Condition goodsCondition(const GoodsFilter &filter);

// The goods list (Ref): live goods matching the condition, ordered by category, name and
// unit. Columns 商品编码, 商品分类, 商品名称, 规格型号, the three parameters headed by the
// store's ParamLabel1..3, 单位, 采购单价, 销售单价, 销售折扣, 备注, 最低库存, 最高库存, 状态,
// ID, thePY; prices and stock limits are money columns.
RowSet queryGoods(Database &db, const StoreOptions &options, const Condition &where);

// "启用 &Q" / "停用 &T".
void setGoodsState(Database &db, int id, bool enabled);
// True when any stock row (of any quantity) holds the goods: the delete warns first.
bool goodsHasStock(Database &db, int id);
// Marks the goods deleted (theDel "是"); stock rows, documents and movements stay.
// Needs CanDelete.
Outcome deleteGoods(Database &db, const Session &session, int id);
// TfrmShop_PY: replaces the pinyin code ("拼音码 不能为空，请重新录入！" when empty).
// Needs CanModify.
Outcome saveGoodsPinyin(Database &db, const Session &session, int id, const QString &code);

} // namespace qv
