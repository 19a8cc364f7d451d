#include "db/schema.h"

#include "app/menucatalog.h"
#include "db/database.h"

namespace qv {

namespace {

// Compact column notation: "name" is text, "name:kind" with kinds
//   id, t<width>, m (money), m=<default units>, i (integer), i=<default>, b (yes/no), t=<literal>.
ColumnDef parseColumn(const QString &model)
{
    const int colon = model.indexOf(u':');
    ColumnDef c;
    c.name = colon < 0 ? model : model.left(colon);
    const QString k = colon < 0 ? QString() : model.mid(colon + 1);
    if (k.isEmpty()) {
        c.kind = ColumnKind::Text;
    } else if (k == u"id") {
        c.kind = ColumnKind::AutoNumber;
    } else if (k.startsWith(u'm')) {
        c.kind = ColumnKind::Money;
        const qint64 units = k.startsWith(u"m=") ? k.mid(2).toLongLong() : 0;
        c.defaultValue = QString::number(units * 10000);
    } else if (k.startsWith(u'i')) {
        c.kind = ColumnKind::Integer;
        c.defaultValue = k.startsWith(u"i=") ? k.mid(2) : QStringLiteral("0");
    } else if (k == u"b") {
        c.kind = ColumnKind::YesNo;
        c.defaultValue = QStringLiteral("0");
    } else if (k.startsWith(u"t=")) {
        c.kind = ColumnKind::Text;
        c.defaultValue = u'\'' + k.mid(2) + u'\'';
    } else if (k.startsWith(u't')) {
        c.kind = ColumnKind::Text;
        c.width = k.mid(1).toInt();
    }
    return c;
}

TableDef table(const QString &name, const QStringList &cols)
{
    TableDef t{name, {}};
    t.columns.push_back(parseColumn(QStringLiteral("ID:id")));
    for (const QString &c : cols)
        t.columns.push_back(parseColumn(c));
    return t;
}

QStringList tradeHeader(const QString &outstanding, bool prestore)
{
    QStringList c{"theDate:t10", "theNum:t15", "UID:i", "MName:t50", "theDel:t2", "theHJ:m", "theSJ:m",
                  outstanding + ":m", "AName:t20", "WName:t20", "UName:t20", "IName:t20", "Remark:t100",
                  "theCount:m", "theDX:t50", "myDate:t10"};
    if (prestore)
        c << "theYC:t=否";
    return c;
}

const QStringList lineColumns{"theNum:t15", "SID:i", "thePrice:m", "theCount:m", "theSum:m", "Remark:t100", "theBH:i"};

QStringList withExtra(QStringList base, const QStringList &extra)
{
    base << extra;
    return base;
}

std::vector<TableDef> buildSchema()
{
    std::vector<TableDef> s;
    // System tables
    s.push_back(table("SDept", {"theName:t50", "thePhone:t100", "theAdd:t100", "theGG:t100", "theZH:t100",
                                "theSW:t100", "theT1:t100", "theT2:t100", "theGS:t100", "theTX:b", "theKC:m",
                                "theJH:b", "theXS:b", "theJH1:b", "theXS1:b", "theCB:t12", "theFKC:b",
                                "theKCMin:m", "theKCMax:m", "theCS1:t10", "theCS2:t10", "theCS3:t10", "theCS:b"}));
    s.push_back(table("SUser", {"theName:t20", "thePass:t12", "theState:t2", "Remark:t50", "theCK:t20",
                                "theZH:t20", "theJSR:t20", "theSFKR:t20", "theM:t2", "theD:t2", "theE:t2"}));
    s.push_back(table("SMenu", {"MNum:t3", "MName:t50"}));
    s.push_back(table("SLevel", {"UID:i", "MNum:t3"}));
    s.push_back(table("SDJ", {"theName:t20"}));
    // Master data
    s.push_back(table("SShop", {"theNum:t20", "theType:t20", "theName:t100", "theStand:t50", "theUnit:t10",
                                "theJH:m", "theXS:m", "theCB:m", "theZK:i=100", "theKCMin:m", "theKCMax:m=1000",
                                "Remark:t100", "thePY:t255", "theState:t2", "theDel:t2", "theDate:t10",
                                "theCD:t20", "thePH:t20", "MName:t50", "theCS1:t20", "theCS2:t20", "theCS3:t20"}));
    s.push_back(table("SType", {"theName:t20", "Remark:t50", "theState:t2", "theZK:i=100"}));
    s.push_back(table("SUnits", {"theName:t50", "thePro:t20", "thePho:t50", "theAdd:t100", "Remark:t100",
                                 "thePY:t255", "theState:t2", "theDel:t2", "theType:t10", "theYS:m", "theYF:m"}));
    s.push_back(table("SUType", {"theName:t10"}));
    for (const char *t : {"SWare", "SAccount", "SStaff"})
        s.push_back(table(t, {"theName:t20", "Remark:t50", "theState:t2"}));
    // Trade documents, their lines and settlement rows
    s.push_back(table("UJH", tradeHeader("theYF", true)));
    s.push_back(table("UCG_O", tradeHeader("theYS", false)));
    s.push_back(table("UXS", tradeHeader("theYS", true)));
    s.push_back(table("UXS_O", tradeHeader("theYF", false)));
    s.push_back(table("UJH_List", lineColumns));
    s.push_back(table("UCG_O_List", lineColumns));
    s.push_back(table("UXS_List", withExtra(lineColumns, {"theZK:i=100", "theJJ:m"})));
    s.push_back(table("UXS_O_List", lineColumns));
    const QStringList pay{"theNum:t15", "FKDate:t10", "theMoney:m", "AName:t20", "theFKR:t20", "Remark:t50"};
    const QStringList receive{"theNum:t15", "SKDate:t10", "theMoney:m", "AName:t20", "theSKR:t20", "Remark:t50"};
    s.push_back(table("UJH_FK", pay));
    s.push_back(table("UXS_O_FK", pay));
    s.push_back(table("UXS_SK", receive));
    s.push_back(table("UCG_O_SK", receive));
    // Money documents
    const QStringList money{"theDate:t10", "theNum:t15", "UID:i", "MName:t50", "theDel:t2"};
    const QStringList moneyTail{"AName:t20", "UName:t20", "IName:t20", "Remark:t100", "theDX:t50", "myDate:t10"};
    s.push_back(table("USK", withExtra(withExtra(money, {"theSK:m"}), moneyTail)));
    s.push_back(table("UFK", withExtra(withExtra(money, {"theFK:m"}), moneyTail)));
    // Stock documents
    s.push_back(table("UDB", {"theDate:t10", "theNum:t15", "theDel:t2", "DName:t20", "WName:t20", "UName:t20",
                              "IName:t20", "Remark:t100", "theSum:m", "theDX:t50", "myDate:t10", "theCount:m"}));
    for (const char *t : {"UBS", "UBY"})
        s.push_back(table(t, {"theDate:t10", "theNum:t15", "theDel:t2", "WName:t20", "UName:t20", "IName:t20",
                              "Remark:t100", "theSum:m", "theDX:t50", "myDate:t10", "theCount:m"}));
    s.push_back(table("UCZ", {"theDate:t10", "theNum:t15", "theDel:t2", "DName:t20", "WName:t20", "UName:t20",
                              "IName:t20", "Remark:t100", "myDate:t10"}));
    for (const char *t : {"UDB_List", "UBS_List", "UBY_List", "UCZ_O_List", "UCZ_I_List"})
        s.push_back(table(t, lineColumns));
    // Balances, ledgers, scratch
    s.push_back(table("UKC", {"WName:t20", "SID:i", "theCount:m", "theCB:m"}));
    s.push_back(table("SList", {"theDate:t10", "UName:t20", "theType:t12", "theNum:t15", "WName:t20", "SID:i",
                                "ICount:m", "OCount:m", "SPrice:m", "WCount:m"}));
    s.push_back(table("UList", {"theDate:t10", "theType:t12", "theNum:t15", "theIn:m", "theOut:m", "MName:t20",
                                "UName:t20", "IName:t20"}));
    QStringList bb{"theDate:t10"};
    for (const auto &[prefix, money, counter] : std::initializer_list<std::tuple<const char *, int, int>>{
             {"CG", 4, 5}, {"CT", 4, 5}, {"FK", 1, 2}, {"XS", 4, 5}, {"XT", 4, 5}, {"SK", 1, 2}, {"BS", 2, 3}, {"BY", 2, 3}}) {
        for (int i = 1; i <= money; ++i)
            bb << QStringLiteral("%1%2:m").arg(prefix).arg(i);
        bb << QStringLiteral("%1%2:i").arg(prefix).arg(counter);
    }
    s.push_back(table("UBB", bb));
    return s;
}

QString columnSql(const ColumnDef &c)
{
    switch (c.kind) {
    case ColumnKind::AutoNumber:
        return c.name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnKind::Text: {
        QString s = c.name + (c.width > 0 ? QStringLiteral(" VARCHAR(%1)").arg(c.width) : QStringLiteral(" TEXT"));
        if (!c.defaultValue.isEmpty())
            s += QStringLiteral(" DEFAULT ") + c.defaultValue;
        return s;
    }
    case ColumnKind::Money:
        return c.name + QStringLiteral(" INTEGER NOT NULL DEFAULT ") + c.defaultValue;
    case ColumnKind::Integer:
        return c.name + QStringLiteral(" INTEGER DEFAULT ") + c.defaultValue;
    case ColumnKind::YesNo:
        return c.name + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
    }
    return c.name;
}

// Lookups the program makes all the time: document numbers and their lines, business dates,
// goods and partner references, and the one stock row per warehouse and goods.
const char *const indexStatements[] = {
    "CREATE UNIQUE INDEX UKC_Pair ON UKC(WName, SID)",
    "CREATE INDEX UKC_SID ON UKC(SID)",
    "CREATE INDEX SShop_Date ON SShop(theDate)",
    "CREATE INDEX SShop_Num ON SShop(theNum)",
    "CREATE INDEX SShop_Name ON SShop(theName)",
    "CREATE INDEX SUnits_Name ON SUnits(theName)",
    "CREATE INDEX SLevel_UID ON SLevel(UID, MNum)",
    "CREATE INDEX SUser_Name ON SUser(theName)",
    "CREATE INDEX SList_SID ON SList(SID)",
    "CREATE INDEX SList_Date ON SList(theDate)",
    "CREATE INDEX UList_Date ON UList(theDate)",
    // Last purchase and sales price of a goods item from one partner: without these the
    // header of each line is looked up through all of the partner's documents.
    "CREATE INDEX UJH_NumUID ON UJH(theNum, UID)",
    "CREATE INDEX UXS_NumUID ON UXS(theNum, UID)",
    // The price history of a goods item (its last sales price to a customer, the purchase
    // prices the cost methods read) walks the goods' lines oldest or newest first and needs
    // only each line's number and price: held in the index, no line row is read.
    "CREATE INDEX UJH_List_SIDHistory ON UJH_List(SID, ID, theNum, thePrice)",
    "CREATE INDEX UXS_List_SIDHistory ON UXS_List(SID, ID, theNum, thePrice)",
    // ...and the receipt of each line is checked for warehouse and deletion from the index.
    "CREATE INDEX UJH_NumWare ON UJH(theNum, WName, theDel)",
};

const char *const documentTables[] = {"UJH", "UCG_O", "UXS", "UXS_O", "USK", "UFK", "UDB", "UBS", "UBY", "UCZ"};
const char *const lineTables[] = {"UJH_List", "UCG_O_List", "UXS_List", "UXS_O_List", "UDB_List",
                                  "UBS_List", "UBY_List", "UCZ_O_List", "UCZ_I_List",
                                  "UJH_FK", "UXS_O_FK", "UXS_SK", "UCG_O_SK"};

} // namespace

const std::vector<TableDef> &schemaTables()
{
    static const std::vector<TableDef> tables = buildSchema();
    return tables;
}

const TableDef *findTable(const QString &name)
{
    for (const TableDef &t : schemaTables())
        if (t.name == name)
            return &t;
    return nullptr;
}

void createSchema(Database &db)
{
    Transaction tx(db);
    db.exec(QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId));
    db.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    for (const TableDef &t : schemaTables()) {
        QStringList cols;
        for (const ColumnDef &c : t.columns)
            cols << columnSql(c);
        db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, cols.join(QStringLiteral(", "))));
    }
    for (const char *sql : indexStatements)
        db.exec(QString::fromUtf8(sql));
    for (const char *t : documentTables) {
        db.exec(QStringLiteral("CREATE INDEX %1_Num ON %1(theNum)").arg(QString::fromUtf8(t)));
        db.exec(QStringLiteral("CREATE INDEX %1_Date ON %1(theDate)").arg(QString::fromUtf8(t)));
        db.exec(QStringLiteral("CREATE INDEX %1_MyDate ON %1(myDate)").arg(QString::fromUtf8(t)));
    }
    for (const char *t : lineTables)
        db.exec(QStringLiteral("CREATE INDEX %1_Num ON %1(theNum)").arg(QString::fromUtf8(t)));
    // The purchase and sales lines have their goods index in the price-history indexes above.
    for (const char *t : {"UCG_O_List", "UXS_O_List"})
        db.exec(QStringLiteral("CREATE INDEX %1_SID ON %1(SID)").arg(QString::fromUtf8(t)));
    for (const char *t : {"UJH", "UCG_O", "UXS", "UXS_O"})
        db.exec(QStringLiteral("CREATE INDEX %1_UID ON %1(UID)").arg(QString::fromUtf8(t)));

    // Initial rows
    const char *const kinds[] = {"采购入库单", "采购退货单", "付款单", "销售出库单", "销售退货单",
                                 "收款单", "商品报损单", "商品报溢单", "商品调拨单", "商品拆装单"};
    int id = 0;
    for (const char *k : kinds)
        db.exec(QStringLiteral("INSERT INTO SDJ (ID, theName) VALUES (?, ?)"), {++id, QString::fromUtf8(k)});
    for (const char *k : {"两者皆是", "供应商", "客户"})
        db.exec(QStringLiteral("INSERT INTO SUType (theName) VALUES (?)"), {QString::fromUtf8(k)});
    const auto named = [&db](const char *tableName, const char *name) {
        db.exec(QStringLiteral("INSERT INTO %1 (theName, Remark, theState) VALUES (?, '', '启用')")
                    .arg(QString::fromUtf8(tableName)),
                {QString::fromUtf8(name)});
    };
    named("SAccount", "现金");
    named("SStaff", "掌柜");
    named("SStaff", "店小二");
    named("SWare", "商品仓库");
    db.exec(QStringLiteral(
                "INSERT INTO SDept (theName, thePhone, theAdd, theGG, theZH, theSW, theT1, theT2, theGS, "
                "theTX, theKC, theJH, theXS, theJH1, theXS1, theCB, theFKC, theKCMin, theKCMax, "
                "theCS1, theCS2, theCS3, theCS) "
                "VALUES (?, ?, ?, ?, '', '', '', '', '', 0, 0, 0, 0, 1, 1, '采购单价', 0, 0, ?, "
                "'产品批号', '生产日期', '有效期至', 0)"),
            {QStringLiteral("Qorvan商贸"), QStringLiteral("电话："), QStringLiteral("地址："),
             QStringLiteral("谢谢惠顾，欢迎再次光临！"), qlonglong(1000) * 10000});
    db.exec(QStringLiteral("INSERT INTO SUser (theName, thePass, theState, Remark, theCK, theZH, theJSR, theSFKR, "
                           "theM, theD, theE) VALUES ('系统管理员', '', '启用', '', '商品仓库', '现金', '店小二', "
                           "'掌柜', '是', '是', '是')"));
    for (const MenuItemDef *item : grantableMenuItems())
        db.exec(QStringLiteral("INSERT INTO SMenu (MNum, MName) VALUES (?, ?)"), {item->code(), item->menuName()});
    db.exec(QStringLiteral("INSERT INTO SLevel (UID, MNum) SELECT 1, MNum FROM SMenu ORDER BY MNum"));
    tx.commit();
}

} // namespace qv
