#pragma once

#include <QString>

namespace qv {

// Program-wide values fixed at start-up.
struct AppInfo {
    QString AppPath;  // folder holding Data/, Image/, Print/ and bj.jpg, with a trailing "/"
    QString AppEdition = QStringLiteral("单机版");
    QString AppVersion = QStringLiteral("5.6.0.1");

    QString databasePath() const { return AppPath + QStringLiteral("Data/db.edb"); }
};

// The store's options, read once from the store row at start-up.
struct StoreOptions {
    QString StoreName;
    QString StockAlertOn = QStringLiteral("False"); // "True" or "False"
    QString DefMinStock;
    QString DefMaxStock;
    bool AutoPurchasePrice = false;
    bool AutoSalesPrice = false;
    bool LastPurchasePrice = false;
    bool LastSalesPrice = false;
    QString CostMethod;
    bool AllowNegative = false;
    QString ParamLabel1;
    QString ParamLabel2;
    QString ParamLabel3;
    bool PrintWithParams = false;

    bool stockAlert() const { return StockAlertOn == QStringLiteral("True"); }
};

// Who is logged in, on which business date, with which defaults and rights.
struct Session {
    int UserId = 0;
    QString CurUser;
    QString CurPass;
    QString WorkDate; // "yyyy-MM-dd"
    QString DefWare;
    QString DefAccount;
    QString DefHandler;
    QString DefPayee;
    QString CanModify = QStringLiteral("否");
    QString CanDelete = QStringLiteral("否");
    QString CanExport = QStringLiteral("否");

    StoreOptions options;

    // A right is refused only by the word "否".
    bool mayModify() const { return CanModify != QStringLiteral("否"); }
    bool mayDelete() const { return CanDelete != QStringLiteral("否"); }
    bool mayExport() const { return CanExport != QStringLiteral("否"); }
};

} // namespace qv
