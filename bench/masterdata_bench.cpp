// The master-data windows on a big catalogue: the goods list with no filter, with a typed
// pinyin search and with a category, the partner list, the save of new goods (its duplicate
// test and insert) and the looks taken before a delete.
#include "benchstore.h"

#include "masterdata/categories.h"
#include "masterdata/goods.h"
#include "masterdata/namelists.h"
#include "masterdata/partners.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

using namespace qv;
using namespace qv::bench;

namespace {

struct Samples {
    QString pinyin;   // the first letters of a goods item's code, as a user types them
    QString category; // the category of most goods
    int categoryId = 0;
    int goodsId = 0;
    int warehouseId = 0;
} samples;

[[maybe_unused]] const int sampled = addSetup([] {
    Database &db = store().db;
    QSqlQuery g = db.exec(QStringLiteral("SELECT ID, thePY FROM SShop WHERE theDel = '否' AND length(thePY) >= 2 "
                                         "ORDER BY ID LIMIT 1 OFFSET (SELECT COUNT(*) / 2 FROM SShop)"));
    if (g.next()) {
        samples.goodsId = g.value(0).toInt();
        samples.pinyin = g.value(1).toString().left(2);
    }
    QSqlQuery c = db.exec(QStringLiteral("SELECT t.ID, t.theName FROM SType t JOIN SShop s ON s.theType = t.theName "
                                         "GROUP BY t.ID ORDER BY COUNT(*) DESC LIMIT 1"));
    if (c.next()) {
        samples.categoryId = c.value(0).toInt();
        samples.category = c.value(1).toString();
    }
    samples.warehouseId = db.scalar(QStringLiteral("SELECT ID FROM SWare ORDER BY ID LIMIT 1")).toInt();
});

void BM_queryGoods(benchmark::State &state, const GoodsFilter *(*filter)())
{
    BenchStore &s = store();
    const Condition where = goodsCondition(*filter());
    int rows = 0;
    for (auto _ : state) {
        const RowSet r = queryGoods(s.db, s.session.options, where);
        rows = r.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}

const GoodsFilter *noFilter()
{
    static const GoodsFilter f;
    return &f;
}
const GoodsFilter *pinyinFilter()
{
    static GoodsFilter f;
    f.name = samples.pinyin;
    return &f;
}
const GoodsFilter *categoryFilter()
{
    static GoodsFilter f;
    f.category = samples.category;
    return &f;
}
BENCHMARK_CAPTURE(BM_queryGoods, no_filter, noFilter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_queryGoods, pinyin_two_letters, pinyinFilter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_queryGoods, category, categoryFilter)->Unit(benchmark::kMillisecond);

void BM_queryPartners(benchmark::State &state)
{
    BenchStore &s = store();
    int rows = 0;
    for (auto _ : state) {
        const RowSet r = queryPartners(s.db, {});
        rows = r.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_queryPartners)->Unit(benchmark::kMillisecond);

// New goods saved inside one transaction that is never committed: the store stays as generated.
void BM_saveGoods_new(benchmark::State &state)
{
    BenchStore &s = store();
    Transaction tx(s.db);
    GoodsFields f;
    f.category = samples.category;
    f.unit = QStringLiteral("个");
    f.purchasePrice = QStringLiteral("12.5");
    int n = 0;
    for (auto _ : state) {
        ++n;
        f.number = QStringLiteral("B%1").arg(n);
        f.name = QStringLiteral("基准商品%1").arg(n);
        const Outcome o = saveGoods(s.db, s.session, 0, f);
        benchmark::DoNotOptimize(o.id);
    }
}
BENCHMARK(BM_saveGoods_new);

void BM_deleteLooks(benchmark::State &state)
{
    BenchStore &s = store();
    for (auto _ : state) {
        bool stocked = goodsHasStock(s.db, samples.goodsId);
        bool used = categoryHasGoods(s.db, samples.categoryId);
        auto guard = nameListDeleteGuard(s.db, wareList(), samples.warehouseId);
        benchmark::DoNotOptimize(stocked);
        benchmark::DoNotOptimize(used);
        benchmark::DoNotOptimize(guard);
    }
}
BENCHMARK(BM_deleteLooks);

} // namespace
