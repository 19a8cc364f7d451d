#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace qv {

// The four trade documents. They share one entry window shape, one save and one loader;
// what differs between them is held by their TradeKindDef (tradekinds.h).
enum class TradeKind { SalesIssue, PurchaseReceipt, PurchaseReturn, SalesReturn };

// One grid row as the entry window holds it. Numbers stay the text typed in the cells: the
// save reads them itself and refuses what is not a number.
struct TradeLine {
    int row = 0;     // grid row, 1..99; lines are saved in row order
    int goodsId = 0; // SShop.ID; 0 = the row carries no goods and is not a line
    QString code;    // goods code and name, for the messages that name a line
    QString name;
    QString model;    // model and unit: shown only, never saved
    QString unit;
    QString price;
    QString discount; // whole percentage, sales issue only (100 = none)
    QString quantity;
    // What the grid shows as the amount. The save does not trust it: it recomputes every
    // amount exactly from price, discount and quantity, so the stored amounts and totals
    // always agree with their lines.
    QString amount;
    QString remark;
    // Sales issue only: the goods' purchase price put on the line by the goods search, the cost
    // of the line when the warehouse has no stock row for the goods. Empty (cost 0) on lines
    // loaded from a stored document.
    QString purchasePrice;
};

struct TradeHeader {
    int partnerId = 0; // SUnits.ID; 0 = no partner chosen
    QString partnerName;
    QDate date; // the document date picked in the window
    QString warehouse;
    QString handler;
    QString account;
    QString person;   // payee or payer: who received or paid the money
    QString remark;
    QString received; // amount received or paid now, as typed
    bool preSave = false;     // "预存": store without posting (sales issue, purchase receipt)
    QString myNum;            // number of the stored document being edited; empty for a new one
    bool tillReceipt = false; // "打印小票" (sales issue)
};

struct TradeDocument {
    TradeHeader header;
    std::vector<TradeLine> lines;
};

// What a successful save hands back to the window.
struct TradeSaved {
    QString number;
    bool edited = false;      // a stored document was saved again: refresh its list and close
    bool printNow = false;    // posted now: the window prints the document after the commit
    bool tillReceipt = false; // print the small till receipt instead of the document form
};

// The fields a refusal asks the window to focus.
namespace TradeField {
inline const QString Partner = QStringLiteral("partner");
inline const QString Date = QStringLiteral("date");
inline const QString Warehouse = QStringLiteral("warehouse");
inline const QString Handler = QStringLiteral("handler");
inline const QString Grid = QStringLiteral("grid");
inline const QString Amount = QStringLiteral("amount"); // received / paid box
inline const QString Account = QStringLiteral("account");
inline const QString Person = QStringLiteral("person"); // payee / payer
} // namespace TradeField

} // namespace qv
