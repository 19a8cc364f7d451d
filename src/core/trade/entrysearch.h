#pragma once

#include "db/rowset.h"
#include "money/money.h"

#include <QList>
#include <QString>

namespace qv {

class Database;
struct StoreOptions;

// Searches the entry windows make while a document is typed: partners for the header, goods
// for a line, and the price history of a goods with a partner.

// Enabled, live partners whose name or pinyin code holds `name` and whose contact, telephone
// and address hold the other texts (empty texts match everything); partners of kind
// `excludedType` ("供应商" or "客户") are left out. Columns: 单位名称, 联系人, 联系电话, 地址,
// 备注, ID.
RowSet searchPartners(Database &db, const QString &excludedType, const QString &name, const QString &contact,
                      const QString &phone, const QString &address);

// Which price a goods search shows and which it carries hidden.
enum class PickerPrice { Sales, Purchase };

// Enabled, live goods matching `text` in name, pinyin code, number and (unless numberOnly
// matching is asked for, as the purchase return does) model, leaving out the goods
// already on the document. Columns: 商品编码, 商品分类, 商品名称, 规格型号, the three parameter
// labels, 单位, 销售单价 or 采购单价, 备注, ID, theZK, and theJH or theXS.
RowSet searchGoods(Database &db, const StoreOptions &options, PickerPrice price, const QString &text,
                   const QList<int> &excludeIds, bool withSpecification = true);

// Identities of all enabled, live goods matching `text`, documents' own lines included.
QList<int> matchingGoodsIds(Database &db, const QString &text, bool withSpecification = true);

// A goods as a document line needs it.
struct GoodsPick {
    int id = 0;
    QString code, name, model, unit, remark;
    Money purchasePrice, salesPrice;
    int discount = 100;
};
GoodsPick goodsPickFromRow(const RowSet &rows, int row, PickerPrice price);
GoodsPick loadGoodsPick(Database &db, int goodsId);

// The history of a goods with a partner on live sales issues ("XS") or purchase receipts
// ("CG"), newest first, pre-saved documents included.
RowSet historyPrices(Database &db, const QString &kind, int partnerId, int goodsId);

} // namespace qv
