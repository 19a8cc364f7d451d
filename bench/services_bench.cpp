// The posting services on a big book: document numbers on a busy day, the proposed sales
// price with two years of history, the six cost methods, and one posting round of a sales line.
#include "benchstore.h"
#include "queryplans.h"

#include "services/costing.h"
#include "services/ledgers.h"
#include "services/numbering.h"
#include "services/postings.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <random>

using namespace qv;
using namespace qv::bench;

namespace {

struct SalesPair {
    int goods, partner;
};
struct PurchaseLine {
    int goods;
    QString warehouse;
    Money price, quantity;
};
struct StockPair {
    QString warehouse;
    int goods;
};

struct Samples {
    std::vector<SalesPair> soldBefore, neverSold;
    std::vector<PurchaseLine> received;
    std::vector<StockPair> stocked;
    std::vector<int> customers;
    QString salesNumber; // the next sales issue number of the business date
} samples;

constexpr int SampleSize = 1024;

// Row ids spread evenly at random over a table, the same ones on every run.
std::vector<qint64> randomIds(Database &db, const QString &table, quint32 seed)
{
    const qint64 top = db.scalar(QStringLiteral("SELECT MAX(ID) FROM %1").arg(table)).toLongLong();
    std::mt19937_64 r(seed);
    std::vector<qint64> ids;
    for (int i = 0; i < SampleSize * 2 && top > 0; ++i)
        ids.push_back(1 + qint64(r() % quint64(top)));
    return ids;
}

[[maybe_unused]] const int sampled = addSetup([] {
    Database &db = store().db;
    for (qint64 id : randomIds(db, QStringLiteral("UXS_List"), 11)) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT L.SID, H.UID FROM UXS_List L JOIN UXS H ON H.theNum = L.theNum "
                                             "WHERE L.ID = ? AND H.theDel = '否'"),
                              {id});
        if (q.next() && samples.soldBefore.size() < SampleSize)
            samples.soldBefore.push_back({q.value(0).toInt(), q.value(1).toInt()});
    }
    // The same goods offered to partners who never bought anything: the lookup must find out
    // that there is no earlier sale.
    std::vector<int> suppliers;
    QSqlQuery s = db.exec(QStringLiteral("SELECT ID FROM SUnits WHERE theType = '供应商' ORDER BY ID"));
    while (s.next())
        suppliers.push_back(s.value(0).toInt());
    for (size_t i = 0; i < samples.soldBefore.size() && !suppliers.empty(); ++i)
        samples.neverSold.push_back({samples.soldBefore[i].goods, suppliers[i % suppliers.size()]});
    for (qint64 id : randomIds(db, QStringLiteral("UJH_List"), 12)) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT L.SID, H.WName, L.thePrice, L.theCount FROM UJH_List L JOIN UJH H "
                                             "ON H.theNum = L.theNum WHERE L.ID = ?"),
                              {id});
        if (q.next() && samples.received.size() < SampleSize)
            samples.received.push_back({q.value(0).toInt(), q.value(1).toString(), Money::fromDb(q.value(2)),
                                        Money::fromDb(q.value(3))});
    }
    for (qint64 id : randomIds(db, QStringLiteral("UKC"), 13)) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT WName, SID FROM UKC WHERE ID = ? AND theCount >= ?"),
                              {id, Money::units(1).toDb()});
        if (q.next() && samples.stocked.size() < SampleSize)
            samples.stocked.push_back({q.value(0).toString(), q.value(1).toInt()});
    }
    QSqlQuery c = db.exec(QStringLiteral("SELECT ID FROM SUnits WHERE theType <> '供应商' ORDER BY ID"));
    while (c.next())
        samples.customers.push_back(c.value(0).toInt());
    samples.salesNumber = NewDJNum(db, store().session.WorkDate, DocKind::Sales);
});

template <typename T> const T &cycle(const std::vector<T> &v, size_t &i) { return v[i++ % v.size()]; }

void BM_NewDJNum(benchmark::State &state, DocKind kind)
{
    BenchStore &s = store();
    QString number;
    for (auto _ : state) {
        number = qv::NewDJNum(s.db, s.session.WorkDate, kind);
        benchmark::DoNotOptimize(number);
    }
    state.SetLabel(number.toStdString());
}
BENCHMARK_CAPTURE(BM_NewDJNum, sales_busy_day, DocKind::Sales);
BENCHMARK_CAPTURE(BM_NewDJNum, purchase_ordinary_day, DocKind::Purchase);

void BM_myRetXSPrice(benchmark::State &state, const std::vector<SalesPair> *pairs)
{
    BenchStore &s = store();
    if (pairs->empty() || !s.session.options.LastSalesPrice) {
        state.SkipWithError("no sample pairs, or the last sales price option is off");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        const SalesPair &p = cycle(*pairs, i);
        auto price = qv::myRetXSPrice(s.db, s.session.options, p.goods, p.partner);
        benchmark::DoNotOptimize(price);
    }
}
BENCHMARK_CAPTURE(BM_myRetXSPrice, sold_before, &samples.soldBefore);
BENCHMARK_CAPTURE(BM_myRetXSPrice, never_sold_to_partner, &samples.neverSold);

// Each run works inside one transaction that is never committed: the store stays as generated.
void BM_myShopCB(benchmark::State &state, const char *costWord)
{
    BenchStore &s = store();
    StoreOptions options = s.session.options;
    options.CostMethod = QString::fromUtf8(costWord);
    Transaction tx(s.db);
    size_t i = 0;
    for (auto _ : state) {
        const PurchaseLine &l = cycle(samples.received, i);
        qv::myShopCB(s.db, options, l.goods, l.quantity, l.warehouse, l.price, true);
    }
    state.SetLabel(costWord);
}
BENCHMARK_CAPTURE(BM_myShopCB, moving_average, "移动加权平均");
BENCHMARK_CAPTURE(BM_myShopCB, first_in, "先进先出");
BENCHMARK_CAPTURE(BM_myShopCB, last_in, "后进先出");
BENCHMARK_CAPTURE(BM_myShopCB, highest, "最高单价");
BENCHMARK_CAPTURE(BM_myShopCB, lowest, "最低单价");
BENCHMARK_CAPTURE(BM_myShopCB, purchase_price, "采购单价");

const Money LineQuantity = Money::units(1);
const Money LinePrice = Money::fromRaw(125000); // 12.5
const Money LineAmount = LinePrice * LineQuantity;

// What saving one sales line with money taken posts, as one user action: a transaction of
// its own, rolled back after each round so that every round meets the same book.
void BM_PostingRound(benchmark::State &state)
{
    BenchStore &s = store();
    const Session &session = s.session;
    size_t i = 0, j = 0;
    for (auto _ : state) {
        const StockPair &p = cycle(samples.stocked, i);
        const int customer = cycle(samples.customers, j);
        Transaction tx(s.db);
        KC_Do(s.db, p.warehouse, p.goods, LineQuantity);
        SaveSList(s.db, session, MoveKind::SalesOut, samples.salesNumber, p.warehouse, p.goods, Money(), LineQuantity,
                  LinePrice);
        YS_Up(s.db, customer, LineAmount);
        SaveList(s.db, session, FlowKind::SalesEntry, samples.salesNumber, LineAmount, Money(), session.DefAccount,
                 session.DefPayee, session.CurUser);
    }
}
BENCHMARK(BM_PostingRound);

// The same round committed, as a real save ends: this is where the engine waits for the disk.
// Between rounds, untimed, everything the round wrote is taken back (the movement and money
// rows with their number sequences too), so the store stays as generated.
void BM_PostingRoundCommitted(benchmark::State &state)
{
    BenchStore &s = store();
    Database &db = s.db;
    const Session &session = s.session;
    const auto sequence = [&db](const char *table) {
        TracePause untraced;
        return db.scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {QString::fromLatin1(table)});
    };
    // The stock posting is an insert that turns into an update for an existing pair, and
    // still takes a stock row number each time.
    const QVariant movements = sequence("SList"), flows = sequence("UList"), stockRows = sequence("UKC");
    size_t i = 0, j = 0;
    for (auto _ : state) {
        const StockPair &p = cycle(samples.stocked, i);
        const int customer = cycle(samples.customers, j);
        {
            Transaction tx(db);
            KC_Do(db, p.warehouse, p.goods, LineQuantity);
            SaveSList(db, session, MoveKind::SalesOut, samples.salesNumber, p.warehouse, p.goods, Money(), LineQuantity,
                      LinePrice);
            YS_Up(db, customer, LineAmount);
            SaveList(db, session, FlowKind::SalesEntry, samples.salesNumber, LineAmount, Money(), session.DefAccount,
                     session.DefPayee, session.CurUser);
            tx.commit();
        }
        state.PauseTiming();
        {
            TracePause untraced;
            Transaction tx(db);
            db.exec(QStringLiteral("UPDATE UKC SET theCount = theCount + ? WHERE WName = ? AND SID = ?"),
                    {LineQuantity.toDb(), p.warehouse, p.goods});
            db.exec(QStringLiteral("UPDATE SUnits SET theYS = theYS - ? WHERE ID = ?"), {LineAmount.toDb(), customer});
            db.exec(QStringLiteral("DELETE FROM SList WHERE ID > ?"), {movements});
            db.exec(QStringLiteral("DELETE FROM UList WHERE ID > ?"), {flows});
            db.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = 'SList'"), {movements});
            db.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = 'UList'"), {flows});
            db.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = 'UKC'"), {stockRows});
            tx.commit();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PostingRoundCommitted);

// The transaction alone, to tell its cost from that of the statements in a round.
void BM_EmptyTransaction(benchmark::State &state)
{
    BenchStore &s = store();
    for (auto _ : state)
        Transaction tx(s.db);
}
BENCHMARK(BM_EmptyTransaction);

// The round's four steps one by one, inside one open transaction.
enum class Step { KC_Do, SaveSList, YS_Up, SaveList };
void BM_PostingStep(benchmark::State &state, Step step)
{
    BenchStore &s = store();
    const Session &session = s.session;
    Transaction tx(s.db);
    size_t i = 0, j = 0;
    for (auto _ : state) {
        const StockPair &p = cycle(samples.stocked, i);
        switch (step) {
        case Step::KC_Do:
            KC_Do(s.db, p.warehouse, p.goods, LineQuantity);
            break;
        case Step::SaveSList:
            SaveSList(s.db, session, MoveKind::SalesOut, samples.salesNumber, p.warehouse, p.goods, Money(),
                      LineQuantity, LinePrice);
            break;
        case Step::YS_Up:
            YS_Up(s.db, cycle(samples.customers, j), LineAmount);
            break;
        case Step::SaveList:
            SaveList(s.db, session, FlowKind::SalesEntry, samples.salesNumber, LineAmount, Money(),
                     session.DefAccount, session.DefPayee, session.CurUser);
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_PostingStep, KC_Do, Step::KC_Do);
BENCHMARK_CAPTURE(BM_PostingStep, SaveSList, Step::SaveSList);
BENCHMARK_CAPTURE(BM_PostingStep, YS_Up, Step::YS_Up);
BENCHMARK_CAPTURE(BM_PostingStep, SaveList, Step::SaveList);

} // namespace
