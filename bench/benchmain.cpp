// The benchmark program. Runs every case against a store made by qorvan_genstore:
//   qorvan_bench [--store=DIR] [--plans] [--pragma=NAME=VALUE ...] [benchmark options]
// DIR defaults to $QORVAN_BENCH_STORE, else build/bench-store. --plans records the statements
// the cases run and prints their query plans afterwards (the timings of such a run are not
// representative: the recording itself costs time). --pragma tries an engine setting on the
// connection (cache_size=-65536, mmap_size=268435456) against the program's defaults.
#include "benchstore.h"
#include "queryplans.h"
#include "synthstore.h"

#include "app/login.h"
#include "app/store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace qv::bench {

namespace {

std::unique_ptr<BenchStore> opened;

std::vector<std::function<void()>> &setups()
{
    static std::vector<std::function<void()>> list;
    return list;
}

} // namespace

BenchStore &store() { return *opened; }

int addSetup(std::function<void()> setup)
{
    setups().push_back(std::move(setup));
    return int(setups().size());
}

} // namespace qv::bench

using namespace qv;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString dir = qEnvironmentVariable("QORVAN_BENCH_STORE", QStringLiteral("build/bench-store"));
    bool plans = false;
    QStringList pragmas;
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--store=", 8) == 0)
            dir = QString::fromLocal8Bit(argv[i] + 8);
        else if (std::strncmp(argv[i], "--pragma=", 9) == 0)
            pragmas << QString::fromLocal8Bit(argv[i] + 9);
        else if (std::strcmp(argv[i], "--plans") == 0)
            plans = true;
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 2;

    const QString path = QFileInfo(dir + QStringLiteral("/Data/db.edb")).absoluteFilePath();
    try {
        Database db = Database::openExisting(path);
        for (const QString &p : pragmas) {
            db.exec(QStringLiteral("PRAGMA ") + p);
            benchmark::AddCustomContext("pragma " + p.toStdString(), "set");
        }
        auto result = login(db, QStringLiteral("系统管理员"), QString(), synthLastDay());
        if (!std::holds_alternative<Session>(result)) {
            std::fprintf(stderr, "cannot log in to %s\n", qPrintable(path));
            return 1;
        }
        Session session = std::get<Session>(result);
        session.options = FindDept(db);
        bench::opened = std::make_unique<bench::BenchStore>(bench::BenchStore{std::move(db), session});
        for (const auto &setup : bench::setups())
            setup();
        std::unique_ptr<bench::StatementTrace> trace;
        if (plans)
            trace = std::make_unique<bench::StatementTrace>(bench::store().db);
        benchmark::AddCustomContext("store", path.toStdString());
        benchmark::RunSpecifiedBenchmarks();
        if (trace) {
            std::printf("\nStatements run by the cases, with their query plans:\n");
            const int scanning = trace->report(stdout);
            std::printf("%d statement(s) scan\n", scanning);
        }
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    benchmark::Shutdown();
    bench::opened.reset();
    return 0;
}
