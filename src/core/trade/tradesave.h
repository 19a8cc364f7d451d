#pragma once

#include "app/refusal.h"
#include "trade/tradedocument.h"

#include <variant>

namespace qv {

class Database;
struct Session;

using TradeSaveResult = std::variant<TradeSaved, Refusal>;

// Saves a trade document as its entry window's "保存" does: the checks in the document's
// order (the first failing one is the answer, nothing written), then the header, the lines
// with their stock, movement, price and cost postings, and the money side, all in one
// transaction: an engine error anywhere leaves nothing of the save behind (DbError is thrown).
//
// Beyond the window's own checks, a price, discount, quantity or received amount that is not
// a number, or is below zero, is refused naming its line and column; a discount must be a
// whole percentage. Amounts and totals are computed here from the lines, exactly.
// Returns have no pre-save and are never edited: their preSave flag is ignored, and a myNum
// on them is refused like any number that is not a live pre-saved document of the kind.
TradeSaveResult saveTradeDocument(Database &db, const Session &session, TradeKind kind, const TradeDocument &doc);

inline TradeSaveResult saveSalesIssue(Database &db, const Session &session, const TradeDocument &doc)
{
    return saveTradeDocument(db, session, TradeKind::SalesIssue, doc);
}
inline TradeSaveResult savePurchaseReceipt(Database &db, const Session &session, const TradeDocument &doc)
{
    return saveTradeDocument(db, session, TradeKind::PurchaseReceipt, doc);
}
inline TradeSaveResult savePurchaseReturn(Database &db, const Session &session, const TradeDocument &doc)
{
    return saveTradeDocument(db, session, TradeKind::PurchaseReturn, doc);
}
inline TradeSaveResult saveSalesReturn(Database &db, const Session &session, const TradeDocument &doc)
{
    return saveTradeDocument(db, session, TradeKind::SalesReturn, doc);
}

} // namespace qv
