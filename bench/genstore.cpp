// Makes a synthetic store for benchmarks and manual trials:
//   qorvan_genstore DIR [--goods N] [--partners N] [--warehouses N] [--documents N] [--lines N]
//                       [--days N] [--last-day-sales N] [--seed N] [--check]
//   qorvan_genstore DIR --check-only
// DIR gets the program's folder layout (Data/db.edb, Image/, Print/); an existing database
// there is refused, never overwritten. --check-only checks the book of an existing store.
#include "synthstore.h"

#include "app/appsetup.h"
#include "db/database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

using namespace qv;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates a synthetic Qorvan store."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("folder to create the store in"));
    StoreSize size;
    struct Number {
        const char *name;
        int *value;
    };
    const Number numbers[] = {{"goods", &size.goods},         {"partners", &size.partners},
                              {"warehouses", &size.warehouses}, {"documents", &size.documents},
                              {"lines", &size.lines},         {"days", &size.days},
                              {"last-day-sales", &size.lastDaySales}};
    for (const Number &n : numbers)
        parser.addOption({QString::fromLatin1(n.name), QStringLiteral("default %1").arg(*n.value), QStringLiteral("N")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("default 1"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("check"), QStringLiteral("check the book's consistency afterwards")});
    parser.addOption({QStringLiteral("check-only"), QStringLiteral("only check the book of an existing store")});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    for (const Number &n : numbers) {
        if (!parser.isSet(QString::fromLatin1(n.name)))
            continue;
        bool ok = false;
        *n.value = parser.value(QString::fromLatin1(n.name)).toInt(&ok);
        if (!ok || *n.value < 0) {
            std::fprintf(stderr, "--%s needs a whole number\n", n.name);
            return 2;
        }
    }
    const quint32 seed = parser.isSet(QStringLiteral("seed")) ? parser.value(QStringLiteral("seed")).toUInt() : 1;

    const QString dir = parser.positionalArguments().first();
    const bool checkOnly = parser.isSet(QStringLiteral("check-only"));
    if (!checkOnly) {
        const QString refused = initDataFolder(dir);
        if (!refused.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(refused));
            return 1;
        }
    }
    const QString path = QFileInfo(dir + QStringLiteral("/Data/db.edb")).absoluteFilePath();
    try {
        Database db = Database::openExisting(path);
        QElapsedTimer timer;
        if (!checkOnly) {
            timer.start();
            const StoreCounts c = generateStore(db, size, seed);
            const double seconds = timer.elapsed() / 1000.0;
            std::printf("generated %s in %.1f s (%.1f MB)\n", qPrintable(path), seconds,
                        QFileInfo(path).size() / 1048576.0);
            std::printf("  goods %lld, partners %lld, documents %lld (deleted %lld, pre-stored %lld), lines %lld\n",
                        c.goods, c.partners, c.documents, c.deleted, c.preStored, c.lines);
            std::printf("  stock rows %lld, movements %lld, settlements %lld, money log rows %lld\n", c.stockRows,
                        c.movements, c.settlements, c.moneyRows);
        }
        if (checkOnly || parser.isSet(QStringLiteral("check"))) {
            timer.restart();
            const QStringList problems = checkStore(db);
            std::printf("checked in %.1f s: %s\n", timer.elapsed() / 1000.0,
                        problems.isEmpty() ? "consistent" : "INCONSISTENT");
            for (const QString &p : problems)
                std::printf("  %s\n", qPrintable(p));
            if (!problems.isEmpty())
                return 1;
        }
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
