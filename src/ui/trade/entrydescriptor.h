#pragma once

#include "services/numbering.h"
#include "trade/entrygrid.h"
#include "trade/entrysearch.h"
#include "trade/tradedocument.h"

#include <QString>

namespace qv {

// What makes one member of the entry-window family: its grid, the partners it offers, the
// price a new line gets and the captions of its blocks. One window implementation reads it.
struct EntryDescriptor {
    QString className;   // "TfrmXS_In"
    QString caption;     // "销售出库单"
    QString callerCode;  // "xs": how pickers and quick-add windows know who asked
    DocKind kind = DocKind::Sales;
    TradeKind tradeKind = TradeKind::SalesIssue;
    LineColumns columns;

    // Goods lines
    PickerPrice pickerPrice = PickerPrice::Sales;
    enum class LinePrice { SalesProposal, PurchaseProposal, PurchasePrice, SalesPrice };
    LinePrice linePrice = LinePrice::SalesPrice;
    bool matchSpecification = true;  // the purchase return matches name, pinyin and number only
    bool oneMatchFillsRemark = false;
    QString gridGroup = QStringLiteral("商品信息 在商品编码处录入商品名称或商品名称拼音首字母或商品编码，按回车或鼠标双击...");

    // Partner header
    QString headerGroup;
    QString partnerLabel;
    QString partnerHint = QStringLiteral("录入单位名称的拼音首字母，按回车或双击...");
    QString excludedPartnerType;     // "供应商" or "客户"
    bool searchFillsContacts = false; // the contact boxes are filled by the partner search
    bool emptyNameClearsContacts = false;
    QString dateLabel;

    // Money block
    QString moneyGroup;
    QString amountLabel;   // "收款金额："
    QString accountLabel;  // "收款方式："
    QString payeeLabel;    // "收  款  人："

    bool hasPreSave = false;
    QString preSaveHint;
    bool hasTillReceipt = false;
    bool editable = false;           // a stored pre-saved document can be opened again
    bool closesAfterSave = false;    // without continuous entry; returns stay open

    QString historyKind;             // "XS", "CG" or empty
    QString historyNoPartner, historyNoGoods;
};

const EntryDescriptor &TfrmXS_In();
const EntryDescriptor &TfrmJH_In();
const EntryDescriptor &TfrmCG_O_In();
const EntryDescriptor &TfrmXS_O_In();

} // namespace qv
