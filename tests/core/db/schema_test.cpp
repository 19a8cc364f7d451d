#include "app/appsetup.h"
#include "app/menucatalog.h"
#include "db/database.h"
#include "db/schema.h"
#include "testdb.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace qv;

namespace {

QStringList column(Database &db, const QString &sql) { return db.texts(sql); }

} // namespace

TEST(Schema, EveryTableAndColumnExistsWithItsName)
{
    test::TestStore s;
    const QStringList expectTables{"SDept", "SUser", "SMenu", "SLevel", "SDJ", "SShop", "SType", "SUnits",
                                   "SUType", "SWare", "SAccount", "SStaff", "UJH", "UCG_O", "UXS", "UXS_O",
                                   "UJH_List", "UCG_O_List", "UXS_List", "UXS_O_List", "UJH_FK", "UXS_O_FK",
                                   "UXS_SK", "UCG_O_SK", "USK", "UFK", "UDB", "UBS", "UBY", "UCZ", "UDB_List",
                                   "UBS_List", "UBY_List", "UCZ_O_List", "UCZ_I_List", "UKC", "SList", "UList",
                                   "UBB"};
    for (const QString &t : expectTables) {
        ASSERT_NE(findTable(t), nullptr) << t.toStdString();
        QSqlRecord rec = QSqlDatabase::database(QSqlDatabase::connectionNames().last()).record(t);
        QSqlQuery q = s.db->exec(QStringLiteral("PRAGMA table_info(%1)").arg(t));
        QStringList cols;
        while (q.next())
            cols << q.value(1).toString();
        EXPECT_FALSE(cols.isEmpty()) << t.toStdString();
        for (const ColumnDef &c : findTable(t)->columns)
            EXPECT_TRUE(cols.contains(c.name)) << t.toStdString() << "." << c.name.toStdString();
    }
    // A few columns later work depends on by name.
    const auto has = [&](const QString &t, const QString &c) {
        return column(*s.db, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(t)).contains(c);
    };
    EXPECT_TRUE(has("UXS", "theYS") && has("UXS", "theYC") && !has("UCG_O", "theYC"));
    EXPECT_TRUE(has("UJH", "theYF") && has("UXS_O", "theYF") && has("UCG_O", "theYS"));
    EXPECT_TRUE(has("UXS_List", "theJJ") && has("UXS_List", "theZK") && !has("UJH_List", "theZK"));
    EXPECT_TRUE(has("UBB", "BY3") && has("UBB", "SK2") && has("UBB", "CG5"));
    EXPECT_TRUE(has("USK", "theSK") && has("UFK", "theFK"));
}

TEST(Schema, InitialRowsOfANewDatabase)
{
    test::TestStore s;
    Database &db = *s.db;
    EXPECT_EQ(column(db, "SELECT ID || ':' || theName FROM SDJ ORDER BY ID"),
              QStringList({"1:采购入库单", "2:采购退货单", "3:付款单", "4:销售出库单", "5:销售退货单", "6:收款单",
                           "7:商品报损单", "8:商品报溢单", "9:商品调拨单", "10:商品拆装单"}));
    EXPECT_EQ(column(db, "SELECT theName FROM SUType ORDER BY ID"), QStringList({"两者皆是", "供应商", "客户"}));
    EXPECT_EQ(column(db, "SELECT theName || Remark || theState FROM SAccount"), QStringList({"现金启用"}));
    EXPECT_EQ(column(db, "SELECT theName FROM SStaff ORDER BY ID"), QStringList({"掌柜", "店小二"}));
    EXPECT_EQ(column(db, "SELECT theName FROM SWare"), QStringList({"商品仓库"}));
    EXPECT_EQ(column(db, "SELECT theTX||theKC||theJH||theXS||theJH1||theXS1||theCB||theFKC||theKCMin||'/'||theKCMax"
                         "||theCS1||theCS2||theCS3||theCS FROM SDept"),
              QStringList({"000011采购单价00/10000000产品批号生产日期有效期至0"}));
    EXPECT_EQ(column(db, "SELECT ID||theName||'['||thePass||']'||theState||Remark||theCK||theZH||theJSR||theSFKR"
                         "||theM||theD||theE FROM SUser"),
              QStringList({"1系统管理员[]启用商品仓库现金店小二掌柜是是是"}));
    // One SMenu row per item of menus 0..5, separators included; all granted to user 1.
    const QStringList codes = column(db, "SELECT MNum FROM SMenu ORDER BY MNum");
    EXPECT_EQ(codes.size(), 16 + 9 + 9 + 20 + 12 + 12);
    EXPECT_EQ(codes.first(), "000");
    EXPECT_EQ(codes.last(), "511");
    EXPECT_EQ(column(db, "SELECT MName FROM SMenu WHERE MNum IN ('000','003','200','208') ORDER BY MNum"),
              QStringList({"本店信息 ", "-", "销售出库单 ", "销售退货付款查询 "}));
    EXPECT_EQ(column(db, "SELECT MNum FROM SLevel WHERE UID=1 ORDER BY MNum"), codes);
}

TEST(Schema, StockPairIsUniqueAndMoneyDefaultsAreExact)
{
    test::TestStore s;
    s.db->exec("INSERT INTO UKC (WName, SID) VALUES ('商品仓库', 1)");
    EXPECT_THROW(s.db->exec("INSERT INTO UKC (WName, SID) VALUES ('商品仓库', 1)"), DbError);
    s.db->exec("INSERT INTO SShop (theName) VALUES ('x')");
    EXPECT_EQ(column(*s.db, "SELECT theZK||'/'||theKCMin||'/'||theKCMax||'/'||theJH FROM SShop"),
              QStringList({"100/0/10000000/0"}));
    s.db->exec("INSERT INTO UXS (theNum) VALUES ('XS')");
    EXPECT_EQ(column(*s.db, "SELECT theYC FROM UXS"), QStringList({"否"}));
}

TEST(Schema, InitRefusesAnExistingDatabaseAndOpeningRefusesForeignFiles)
{
    QTemporaryDir dir;
    EXPECT_EQ(initDataFolder(dir.path()), QString());
    EXPECT_TRUE(QDir(dir.path() + "/Image").exists());
    EXPECT_TRUE(QDir(dir.path() + "/Print").exists());
    const QString dbPath = dir.path() + "/Data/db.edb";
    const QByteArray before = [&] { QFile f(dbPath); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const QString again = initDataFolder(dir.path());
    EXPECT_TRUE(again.contains("已经存在")) << again.toStdString();
    QFile f(dbPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();

    // Missing file: refused, nothing created.
    const QString missing = dir.path() + "/none/db.edb";
    try {
        Database::openExisting(missing);
        ADD_FAILURE() << "opened a missing file";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(missing)));
    }
    EXPECT_FALSE(QFile::exists(missing));

    // A file that is not a database, and an SQLite file of another program.
    const QString text = dir.path() + "/text.edb";
    {
        QFile t(text);
        t.open(QIODevice::WriteOnly);
        t.write("hello, this is not a database at all, just some text bytes to fill it.");
    }
    EXPECT_THROW(Database::openExisting(text), DbError);
    const QString other = dir.path() + "/other.edb";
    {
        Database o = Database::createNew(other);
        o.exec("CREATE TABLE t (x)");
    }
    try {
        Database::openExisting(other);
        ADD_FAILURE() << "opened a foreign database";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains("不是本软件的数据库文件"));
    }
}

TEST(Transaction, AnErrorInsideLeavesNothingWritten)
{
    test::TestStore s;
    Database &db = *s.db;
    try {
        Transaction outer(db);
        db.exec("INSERT INTO SWare (theName, theState) VALUES ('二号仓', '启用')");
        {
            Transaction inner(db);
            db.exec("INSERT INTO SWare (theName, theState) VALUES ('三号仓', '启用')");
            db.exec("INSERT INTO NoSuchTable VALUES (1)");
            inner.commit();
        }
        outer.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(db.transactionDepth(), 0);
    EXPECT_EQ(column(db, "SELECT theName FROM SWare"), QStringList({"商品仓库"}));

    {
        Transaction tx(db);
        db.exec("INSERT INTO SWare (theName, theState) VALUES (?, '启用')", {QStringLiteral("O'Brien仓")});
        tx.commit();
    }
    EXPECT_EQ(column(db, "SELECT theName FROM SWare ORDER BY ID"), QStringList({"商品仓库", "O'Brien仓"}));
}
