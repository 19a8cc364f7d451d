#pragma once

#include "app/refusal.h"
#include "app/session.h"
#include "money/money.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace qv {

class Database;

// Reads the store row into the option globals. No row at all leaves every option empty/false.
StoreOptions FindDept(Database &db);

// Every field of the store settings window.
struct StoreSettings {
    QString theName, thePhone, theAdd, theGG, theZH, theSW;
    QString theT1, theT2, theGS;
    bool theTX = false;
    QString theKCMin, theKCMax; // as typed; empty means 0
    bool theFKC = false;
    bool theJH = false, theXS = false;
    bool theJH1 = false, theXS1 = false;
    QString theCB;
    QString theCS1, theCS2, theCS3;
    bool theCS = false;
};

// The six cost words, in the order the settings window offers them.
const QStringList &costMethods();

StoreSettings loadStoreSettings(Database &db);

// Checks and writes the settings (every row of the store table, as the program assumes one).
// Returns the refusal, or nothing when saved.
std::optional<Refusal> saveStoreSettings(Database &db, const StoreSettings &s);

// The condition the stock query uses to show rows outside their goods' limits.
inline const QString StockAlertCondition = QStringLiteral(" AND ((theCount < theKCMin) OR (theCount > theKCMax))");
// True when the alert is on and some warehouse stock row of a live goods item lies outside
// the goods' minimum and maximum.
bool stockAlertRaised(Database &db, const StoreOptions &options);

} // namespace qv
