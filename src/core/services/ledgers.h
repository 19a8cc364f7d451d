#pragma once

#include "money/money.h"

#include <QString>

namespace qv {

class Database;
struct Session;

// Goods movement record: one SList row per stock posting, carrying the stock of the pair
// after the movement (read at the time of writing, so post the stock first).
void SaveSList(Database &db, const Session &session, const QString &kind, const QString &number,
               const QString &warehouse, int goodsId, Money qtyIn, Money qtyOut, Money price);

// Money flow log: one UList row per money movement through a settlement account.
void SaveList(Database &db, const Session &session, const QString &kind, const QString &number, Money moneyIn,
              Money moneyOut, const QString &account, const QString &person, const QString &user);

// Period totals of one day, month or year (the report work table UBB). Empty sums are zero.
struct PeriodTotals {
    Money CG1, CG2, CG3, CG4; int CG5 = 0;
    Money CT1, CT2, CT3, CT4; int CT5 = 0;
    Money FK1; int FK2 = 0;
    Money XS1, XS2, XS3, XS4; int XS5 = 0;
    Money XT1, XT2, XT3, XT4; int XT5 = 0;
    Money SK1; int SK2 = 0;
    Money BS1, BS2; int BS3 = 0;
    Money BY1, BY2; int BY3 = 0;
};
void SaveBB(Database &db, const QString &period, const PeriodTotals &totals);

// Runs a fixed statement of the program's own (never text a user typed).
void mySQL(Database &db, const QString &statement);

// Movement kinds (SList.theType).
namespace MoveKind {
inline const QString PurchaseIn = QStringLiteral("采购入库");
inline const QString PurchaseInDeleted = QStringLiteral("采购入库删除");
inline const QString PurchaseReturn = QStringLiteral("采购退货");
inline const QString PurchaseReturnDeleted = QStringLiteral("采购退货删除");
inline const QString SalesOut = QStringLiteral("销售出库");
inline const QString SalesOutDeleted = QStringLiteral("销售出库删除");
inline const QString SalesReturn = QStringLiteral("销售退货");
inline const QString SalesReturnDeleted = QStringLiteral("销售退货删除");
inline const QString TransferOut = QStringLiteral("调拨出库");
inline const QString TransferIn = QStringLiteral("调拨入库");
inline const QString TransferOutDeleted = QStringLiteral("调拨出库删除");
inline const QString TransferInDeleted = QStringLiteral("调拨入库删除");
inline const QString Loss = QStringLiteral("商品报损");
inline const QString LossDeleted = QStringLiteral("商品报损删除");
inline const QString Surplus = QStringLiteral("商品报溢");
inline const QString SurplusDeleted = QStringLiteral("商品报溢删除");
inline const QString AssemblyOut = QStringLiteral("拆装出库");
inline const QString AssemblyIn = QStringLiteral("拆装入库");
inline const QString AssemblyOutDeleted = QStringLiteral("拆装出库删除");
inline const QString AssemblyInDeleted = QStringLiteral("拆装入库删除");
inline const QString StockEdit = QStringLiteral("修改库存");
inline const QString GoodsImport = QStringLiteral("商品导入");
} // namespace MoveKind

// Money flow kinds (UList.theType).
namespace FlowKind {
inline const QString PurchaseEntry = QStringLiteral("采购入库录入");
inline const QString PurchasePayment = QStringLiteral("采购入库付款");
inline const QString PurchaseDeleted = QStringLiteral("采购入库删除");
inline const QString PurchaseReturnEntry = QStringLiteral("采购退货录入");
inline const QString PurchaseReturnReceipt = QStringLiteral("采购退货收款");
inline const QString PurchaseReturnDeleted = QStringLiteral("采购退货删除");
inline const QString SalesEntry = QStringLiteral("销售出库录入");
inline const QString SalesReceipt = QStringLiteral("销售出库收款");
inline const QString SalesDeleted = QStringLiteral("销售出库删除");
inline const QString SalesReturnEntry = QStringLiteral("销售退货录入");
inline const QString SalesReturnPayment = QStringLiteral("销售退货付款");
inline const QString SalesReturnDeleted = QStringLiteral("销售退货删除");
inline const QString PaymentEntry = QStringLiteral("付款单录入");
inline const QString PaymentDeleted = QStringLiteral("付款单删除");
inline const QString ReceiptEntry = QStringLiteral("收款单录入");
inline const QString ReceiptDeleted = QStringLiteral("收款单删除");
} // namespace FlowKind

} // namespace qv
