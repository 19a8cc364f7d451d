#pragma once

#include "money/money.h"
#include "services/numbering.h"
#include "trade/tradedocument.h"

#include <QString>

namespace qv {

class Database;

// Everything that tells one trade document from its siblings. The save and the loader are
// written once over these; a fifth member would be a fifth row, not a fifth copy.
struct TradeKindDef {
    TradeKind kind;
    DocKind docKind; // header table and number prefix
    QString header;  // "UXS"
    QString lines;   // "UXS_List"
    QString outstandingColumn; // theYS / theYF of the header: what is still to be settled

    // Settlement row of the money moved with the document.
    QString settlement;       // "UXS_SK"
    QString settlementDate;   // "SKDate"
    QString settlementPerson; // "theSKR"

    bool stockOut;     // goods leave the warehouse (KC_Do) or come in (KC_Up)
    bool checksStock;  // refuses to take out more than is on hand unless AllowNegative
    QString moveKind;  // SList.theType
    QString flowKind;  // UList.theType
    bool moneyIn;      // the money with the document comes in (UList.theIn) or goes out
    // Moves the partner's balance by what is left outstanding.
    void (*postBalance)(Database &db, int partnerId, Money amount);

    bool hasDiscount;     // discount column on the lines, and the line cost theJJ
    bool canPreSave;      // theYC: may be stored unposted and edited until posted
    bool stampsSupplier;  // the supplier's name goes into SShop.MName of each goods
    bool costsLines;      // each line sets the goods' cost price (myShopCB)
    bool offersTillReceipt; // may print the small till receipt instead of the form
    enum class PriceWriteBack { None, SalesPrice, PurchasePrice } priceWriteBack;

    // Captions and the check messages, as the window says them.
    QString dateName;       // "销售日期"
    QString amountName;     // "收款金额" / "付款金额"
    QString noPartner;
    QString amountEmpty;
    QString amountTooHigh;
    QString noAccount;
    QString noPerson;
};

const TradeKindDef &tradeKind(TradeKind kind);

} // namespace qv
