#pragma once

#include "money/money.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace qv {

class Database;
struct StoreOptions;

// The ten numbered document kinds, with their header table and number prefix.
enum class DocKind { Purchase, PurchaseReturn, Sales, SalesReturn, Payment, Receipt, Transfer, Loss, Surplus, Assembly };
struct DocKindInfo {
    QString table;  // "UJH"
    QString prefix; // "CG"
};
const DocKindInfo &docKindInfo(DocKind kind);

// prefix + yymmdd of the business date + separator + daily sequence (four digits, five from
// 10000). The sequence counts every header of that kind with theDate = workDate, deleted ones too.
QString NewDJNum(Database &db, const QString &workDate, DocKind kind, const QString &separator = QStringLiteral("-"));
// yymmdd + four-digit sequence of goods created on the business date.
QString NewSPNum(Database &db, const QString &workDate);

// Proposed prices for a goods line. Purchase: the goods' purchase price, or with
// LastPurchasePrice the price of the latest live receipt line of this goods from this supplier.
// Sales: the same with the sales price and LastSalesPrice; nothing (empty) when the goods do not
// exist and there is no earlier sale. A partner id of 0 stands for "no partner chosen".
Money myRetJHPrice(Database &db, const StoreOptions &options, int goodsId, int partnerId);
std::optional<Money> myRetXSPrice(Database &db, const StoreOptions &options, int goodsId, int partnerId);

// Discount percent of a category: 100 for an empty name or unless exactly one row matches.
int myRetZK(Database &db, const QString &category);

// Names offered by the drop-downs (enabled rows only, except the partner kinds).
QStringList DBComSType(Database &db);
QStringList DBComWare(Database &db);
QStringList DBComAccount(Database &db);
QStringList DBComStaff(Database &db);
QStringList DBComSUType(Database &db);
// DBComUser lives with the login (app/login.h).

} // namespace qv
