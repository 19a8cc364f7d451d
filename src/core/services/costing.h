#pragma once

#include "money/money.h"

#include <QString>

namespace qv {

class Database;
struct StoreOptions;

// True for one of the six cost words of the store settings.
bool isCostMethod(const QString &word);

// Sets the cost price of goods coming in at a known price (purchase receipt lines, assembly
// goods in), by the store's cost method, into SShop.theCB and the receiving warehouse's
// UKC.theCB. stockPosted tells whether the line's quantity is already in the stock row
// (false for a pre-stored receipt line). Throws DbError for a cost word outside the six;
// callers check isCostMethod before writing anything.
void myShopCB(Database &db, const StoreOptions &options, int goodsId, Money quantity, const QString &warehouse,
              Money price, bool stockPosted);

} // namespace qv
