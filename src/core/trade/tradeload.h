#pragma once

#include "trade/tradedocument.h"

#include <QString>
#include <optional>

namespace qv {

class Database;

// A stored sales issue or purchase receipt for editing, as the entry window shows it: the
// lines in their saved order on rows 1, 2, …, the header's partner, date, warehouse, handler,
// account and remark, myNum set, the received amount the full total (the window's totals
// step puts it there), "预存" unticked. The payee is not stored with a document: it is left
// empty for the window to keep its default. Nothing for a number that is not a live pre-saved
// document of the kind (only those may be edited), nor for the returns.
std::optional<TradeDocument> loadTradeDocument(Database &db, TradeKind kind, const QString &number);

} // namespace qv
