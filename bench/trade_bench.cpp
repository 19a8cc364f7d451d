// The trade document save on a big book: a full 99-line sales issue (stock check, line costs,
// stock, movements, receipt, balance, money log) and a full 99-line purchase receipt costed
// by moving weighted average. Each round saves inside a transaction that is rolled back
// afterwards (outside the timing), so every round meets the same book; the final commit of
// a real save is therefore not in these figures (BM_PostingRoundCommitted shows its cost).
#include "benchstore.h"

#include "money/money.h"
#include "trade/tradesave.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>

using namespace qv;
using namespace qv::bench;

namespace {

constexpr int Lines = 99;

struct TradeSamples {
    TradeDocument sales, purchase;
    Session salesSession, purchaseSession;
} trade;

// 99 goods with stock in one warehouse, one line each; received or paid in full.
TradeDocument fullDocument(Database &db, const QString &warehouse, const QString &partnerType, bool discount)
{
    TradeDocument doc;
    TradeHeader &h = doc.header;
    QSqlQuery p = db.exec(QStringLiteral("SELECT ID, theName FROM SUnits WHERE theType <> ? AND theDel = '否' "
                                         "ORDER BY ID LIMIT 1"),
                          {partnerType});
    if (p.next()) {
        h.partnerId = p.value(0).toInt();
        h.partnerName = p.value(1).toString();
    }
    const Session &session = store().session;
    h.date = QDate::fromString(session.WorkDate, QStringLiteral("yyyy-MM-dd"));
    h.warehouse = warehouse;
    h.handler = session.DefHandler.isEmpty() ? QStringLiteral("店小二") : session.DefHandler;
    h.account = session.DefAccount.isEmpty() ? QStringLiteral("现金") : session.DefAccount;
    h.person = session.DefPayee.isEmpty() ? QStringLiteral("掌柜") : session.DefPayee;

    // Goods spread over the book, each with at least 2 on hand in the warehouse.
    QSqlQuery g = db.exec(QStringLiteral("SELECT S.ID, S.theNum, S.theName, S.theXS, S.theJH, S.theZK FROM UKC K "
                                         "JOIN SShop S ON S.ID = K.SID WHERE K.WName = ? AND K.theCount >= ? "
                                         "AND S.theDel = '否' ORDER BY K.ID % 97, K.ID LIMIT ?"),
                          {warehouse, Money::units(2).toDb(), Lines});
    Money total;
    while (g.next()) {
        TradeLine l;
        l.row = int(doc.lines.size()) + 1;
        l.goodsId = g.value(0).toInt();
        l.code = g.value(1).toString();
        l.name = g.value(2).toString();
        const Money price = Money::fromDb(discount ? g.value(3) : g.value(4));
        const int pct = discount ? g.value(5).toInt() : 100;
        l.price = price.toString();
        l.discount = QString::number(pct);
        l.quantity = QStringLiteral("1.5");
        l.purchasePrice = Money::fromDb(g.value(4)).toString();
        total += Money::lineAmount(price, Money::fromRaw(15000), pct);
        doc.lines.push_back(l);
    }
    h.received = total.toString();
    return doc;
}

[[maybe_unused]] const int sampled = addSetup([] {
    Database &db = store().db;
    const QString warehouse = db.scalar(QStringLiteral("SELECT WName FROM UKC GROUP BY WName "
                                                       "ORDER BY COUNT(*) DESC LIMIT 1"))
                                  .toString();
    trade.sales = fullDocument(db, warehouse, QStringLiteral("供应商"), true);
    trade.purchase = fullDocument(db, warehouse, QStringLiteral("客户"), false);
    trade.salesSession = store().session;
    trade.salesSession.options.AllowNegative = false; // the stock check runs on every line
    trade.purchaseSession = store().session;
    trade.purchaseSession.options.CostMethod = QStringLiteral("移动加权平均");
});

void BM_SaveTradeDocument(benchmark::State &state, TradeKind kind)
{
    BenchStore &s = store();
    const bool sales = kind == TradeKind::SalesIssue;
    const TradeDocument &doc = sales ? trade.sales : trade.purchase;
    const Session &session = sales ? trade.salesSession : trade.purchaseSession;
    if (doc.lines.size() != size_t(Lines) || doc.header.partnerId == 0) {
        state.SkipWithError("the store has too few stocked goods or no partner");
        return;
    }
    QString number;
    for (auto _ : state) {
        auto tx = std::make_unique<Transaction>(s.db);
        const TradeSaveResult r = saveTradeDocument(s.db, session, kind, doc);
        if (const Refusal *refusal = std::get_if<Refusal>(&r)) {
            state.SkipWithError(refusal->message.toStdString().c_str());
            break;
        }
        number = std::get<TradeSaved>(r).number;
        state.PauseTiming();
        tx.reset(); // rolled back: the next round meets the same book
        state.ResumeTiming();
    }
    state.SetLabel(number.toStdString());
    state.counters["lines"] = Lines;
}
BENCHMARK_CAPTURE(BM_SaveTradeDocument, sales_issue_99_lines, TradeKind::SalesIssue)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveTradeDocument, purchase_receipt_99_lines_moving_average, TradeKind::PurchaseReceipt)
    ->Unit(benchmark::kMillisecond);

} // namespace
