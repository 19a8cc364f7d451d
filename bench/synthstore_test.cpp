#include "synthstore.h"

#include "app/appsetup.h"
#include "db/database.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace qv;

namespace {

const StoreSize Small{.goods = 300, .partners = 40, .warehouses = 3, .documents = 1500, .lines = 9000, .days = 60,
                      .lastDaySales = 80};

struct MadeStore {
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    StoreCounts counts;

    MadeStore(const StoreSize &size, quint32 seed)
    {
        const QString refused = initDataFolder(dir.path());
        if (!refused.isEmpty())
            throw std::runtime_error(refused.toStdString());
        db = std::make_unique<Database>(Database::openExisting(dir.path() + QStringLiteral("/Data/db.edb")));
        counts = generateStore(*db, size, seed);
    }
};

MadeStore &shared()
{
    static MadeStore store(Small, 7);
    return store;
}

qint64 count(Database &db, const QString &sql) { return db.scalar(sql).toLongLong(); }

// Every value of the tables a generation fills, in row order.
QByteArray digest(Database &db)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const char *t : {"SShop", "SUnits", "UJH", "UJH_List", "UXS", "UXS_List", "UCG_O", "UXS_O", "UKC", "SList",
                          "UList", "UXS_SK", "UJH_FK"}) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QString::fromLatin1(t)));
        while (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                h.addData(q.value(i).toString().toUtf8() + '\x1f');
    }
    return h.result();
}

} // namespace

TEST(SynthStore, MakesTheSizeAskedAsASoundBookWithEveryKindOfRow)
{
    MadeStore &s = shared();
    EXPECT_EQ(s.counts.goods, Small.goods);
    EXPECT_EQ(s.counts.partners, Small.partners);
    EXPECT_EQ(s.counts.documents, Small.documents + Small.lastDaySales);
    EXPECT_NEAR(double(s.counts.lines), Small.lines + 2.0 * Small.lastDaySales, Small.lines * 0.15);
    EXPECT_EQ(count(*s.db, "SELECT (SELECT COUNT(*) FROM UJH) + (SELECT COUNT(*) FROM UCG_O) + (SELECT COUNT(*) FROM "
                           "UXS) + (SELECT COUNT(*) FROM UXS_O)"),
              s.counts.documents);
    EXPECT_EQ(checkStore(*s.db), QStringList());

    struct Fact {
        const char *what;
        const char *sql; // a count that must be at least `least`
        qint64 least;
    };
    const Fact facts[] = {
        {"warehouses", "SELECT COUNT(*) FROM SWare", Small.warehouses},
        {"every partner kind", "SELECT COUNT(DISTINCT theType) FROM SUnits", 3},
        {"deleted receipts", "SELECT COUNT(*) FROM UJH WHERE theDel = '是'", 1},
        {"deleted sales issues", "SELECT COUNT(*) FROM UXS WHERE theDel = '是'", 1},
        {"pre-stored receipts", "SELECT COUNT(*) FROM UJH WHERE theYC = '是'", 1},
        {"pre-stored sales issues", "SELECT COUNT(*) FROM UXS WHERE theYC = '是'", 1},
        {"purchase returns", "SELECT COUNT(*) FROM UCG_O", 1},
        {"sales returns", "SELECT COUNT(*) FROM UXS_O", 1},
        {"reversed movements", "SELECT COUNT(*) FROM SList WHERE theType LIKE '%删除'", 1},
        {"discounted sales lines", "SELECT COUNT(*) FROM UXS_List WHERE theZK < 100", 1},
        {"sales lines with a cost", "SELECT COUNT(*) FROM UXS_List WHERE theJJ > 0", 1},
        {"weighed quantities", "SELECT COUNT(*) FROM UXS_List WHERE theCount % 10000 <> 0", 1},
        {"settlements after the document date",
         "SELECT COUNT(*) FROM UXS_SK s JOIN UXS h ON h.theNum = s.theNum WHERE s.SKDate > h.theDate", 1},
        {"documents left open", "SELECT COUNT(*) FROM UXS WHERE theYS > 0 AND theDel = '否'", 1},
        {"sales on the last business date", "SELECT COUNT(*) FROM UXS WHERE theDate = '2024-03-15'", Small.lastDaySales},
        {"the first business date", "SELECT COUNT(*) FROM UJH WHERE theDate = '2024-01-16'", 1},
        {"goods with a search code of their name's initials",
         "SELECT COUNT(*) FROM SShop WHERE length(thePY) = length(theName) AND thePY GLOB '[A-Z]*'", Small.goods / 2},
        {"amount in words", "SELECT COUNT(*) FROM UXS WHERE theDX LIKE '%元%'", 1},
    };
    for (const Fact &f : facts)
        EXPECT_GE(count(*s.db, QString::fromUtf8(f.sql)), f.least) << f.what;
    EXPECT_EQ(count(*s.db, "SELECT COUNT(*) FROM UJH WHERE theDate < '2024-01-16' OR theDate > '2024-03-15'"), 0);
}

TEST(SynthStore, SameSeedSameStoreAndAnotherSeedAnother)
{
    MadeStore again(Small, 7);
    MadeStore other(Small, 8);
    const QByteArray first = digest(*shared().db);
    EXPECT_EQ(digest(*again.db), first);
    EXPECT_NE(digest(*other.db), first);
}

TEST(SynthStore, RefusesADatabaseThatAlreadyHoldsData)
{
    EXPECT_THROW(generateStore(*shared().db, Small, 7), DbError);
}

TEST(SynthStore, CheckNamesEachKindOfDamage)
{
    Database &db = *shared().db;
    struct Damage {
        const char *sql;
        const char *rule;
    };
    const Damage damages[] = {
        {"UPDATE UKC SET theCount = theCount + 10000 WHERE ID = 1", "stock equals movements"},
        {"UPDATE SList SET WCount = WCount + 1 WHERE ID = 5", "movement stock-after figures"},
        {"UPDATE UKC SET theCount = -10000 WHERE ID = (SELECT MAX(ID) FROM UKC)", "no negative stock"},
        {"UPDATE SShop SET theNum = '0' WHERE ID = 2", "goods numbers by creation date"},
        {"UPDATE UXS SET theNum = 'XS' || substr(theNum, 3, 7) || '9999' WHERE ID = 3", "UXS numbers"},
        {"UPDATE UJH_List SET theSum = theSum + 1 WHERE ID = 4", "UJH totals equal lines"},
        {"UPDATE UXS_List SET theZK = 50 WHERE ID = 2", "UXS_List line amounts"},
        {"UPDATE UXS_O_List SET SID = 999999 WHERE ID = 1", "UXS_O_List belong to a header and goods"},
        {"UPDATE UCG_O SET MName = '无名' WHERE ID = 1", "UCG_O partner, name and warehouse"},
        {"DELETE FROM UJH_FK WHERE ID = 1", "UJH paid equals settlements"},
        {"DELETE FROM UList WHERE ID = (SELECT MIN(ID) FROM UList WHERE theType = '销售出库录入')", "UXS money log"},
        {"DELETE FROM SList WHERE ID = (SELECT MIN(ID) FROM SList WHERE theType = '销售退货')", "UXS_O movements"},
        {"UPDATE SUnits SET theYF = theYF + 1 WHERE ID = 2", "partner balances equal open documents"},
    };
    for (const Damage &d : damages) {
        Transaction tx(db); // never committed: each damage is undone before the next
        db.exec(QString::fromUtf8(d.sql));
        const QStringList problems = checkStore(db);
        const QString rule = QString::fromUtf8(d.rule) + QStringLiteral(": ");
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const QString &p) { return p.startsWith(rule); }))
            << d.sql << "\n  got: " << problems.join(QStringLiteral("; ")).toStdString();
    }
    EXPECT_EQ(checkStore(db), QStringList());
}
