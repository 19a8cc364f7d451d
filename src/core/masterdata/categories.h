#pragma once

#include "db/rowset.h"
#include "masterdata/outcome.h"

#include <QString>

namespace qv {

class Database;
struct Session;

// Goods categories (SType): the category window TfrmSType, and the discount dialog TfrmSZK
// for a category or a single goods item.

inline const QString CategorySaved = savedMessage(QStringLiteral("商品分类信息"));
// The warning before deleting a category that live goods still name (the delete goes ahead on Yes).
inline const QString CategoryGoodsWarning = QStringLiteral("该商品分类有商品信息，请谨慎删除！");
// Shown after either discount edit.
inline const QString DiscountSaved = QStringLiteral("商品分类折扣 修改 保存成功！");

// The category list: 商品分类, 销售折扣, 备注, 状态, ID.
RowSet queryCategories(Database &db);

// Adds a category ("保存"; a category is never edited, only its discount). Checks: name not
// empty, discount not empty, discount a whole number of at most three digits, no category of
// that name, enabled or not. The new category is enabled.
Outcome saveCategory(Database &db, const QString &name, const QString &discountText, const QString &remark);

// "启用 &Q" / "停用 &T"; disabled categories leave the category drop-downs (DBComSType).
void setCategoryState(Database &db, int id, bool enabled);
// True when live goods carry the category's name: the delete warns first.
bool categoryHasGoods(Database &db, int id);
// Removes the category row; goods keep the category text. Needs CanDelete.
Outcome deleteCategory(Database &db, const Session &session, int id);

// The discount dialog in category mode: the category's discount and that of every goods item
// of that category, whatever its state. In goods mode: that one goods item only. Checks:
// discount not empty, a whole number of at most three digits. Both need CanModify.
Outcome setCategoryDiscount(Database &db, const Session &session, int categoryId, const QString &discountText);
Outcome setGoodsDiscount(Database &db, const Session &session, int goodsId, const QString &discountText);

} // namespace qv
