#include "trade/tradesave.h"

#include "app/session.h"
#include "db/database.h"
#include "services/costing.h"
#include "services/ledgers.h"
#include "services/numbering.h"
#include "services/postings.h"
#include "text/numtochar.h"
#include "trade/tradekinds.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace qv {

namespace {

const QString Yes = QStringLiteral("是");
const QString No = QStringLiteral("否");

// A line with its numbers read and its amount computed.
struct ReadLine {
    const TradeLine *line = nullptr;
    Money price, quantity, amount;
    int discount = 100;
    Money purchasePrice; // the hidden purchase price, 0 when empty
};

// The document as the save writes it.
struct ReadDocument {
    std::vector<ReadLine> lines; // in row order
    Money total, totalQuantity, received, outstanding;
};

// Amounts and totals must fit the money columns; a discount above a hundredfold is a slip.
constexpr __int128 MoneyLimit = std::numeric_limits<std::int64_t>::max();
constexpr int MaxDiscount = 10000;

QString cellName(const TradeLine &l, const QString &column)
{
    return QStringLiteral("第 %1 行 %2").arg(l.row).arg(column);
}

// A number cell of a line: a number, and not below zero (the grid's keys let no sign in).
std::optional<Refusal> readCell(const TradeLine &l, const QString &column, const QString &text, Money &out)
{
    const std::optional<Money> v = Money::parse(text);
    if (!v)
        return Refusal{notANumber(cellName(l, column)), TradeField::Grid};
    if (v->isNegative())
        return Refusal{cellName(l, column) + QStringLiteral(" 不能小于零，请重新录入！"), TradeField::Grid};
    out = *v;
    return std::nullopt;
}

Refusal outOfRange(const QString &what) { return Refusal{what + QStringLiteral(" 超出范围，请重新录入！"), TradeField::Grid}; }

// Reads every line in row order: price, discount, quantity, each amount computed exactly
// (price × quantity × discount / 100, rounded once), and the totals.
std::optional<Refusal> readLines(const TradeKindDef &def, const std::vector<TradeLine> &lines, ReadDocument &out)
{
    std::vector<const TradeLine *> rows;
    for (const TradeLine &l : lines)
        if (l.goodsId != 0)
            rows.push_back(&l);
    std::stable_sort(rows.begin(), rows.end(), [](const TradeLine *a, const TradeLine *b) { return a->row < b->row; });

    __int128 total = 0, quantity = 0;
    for (const TradeLine *l : rows) {
        ReadLine r;
        r.line = l;
        if (auto refusal = readCell(*l, QStringLiteral("单价"), l->price, r.price))
            return refusal;
        if (def.hasDiscount) {
            Money discount;
            if (auto refusal = readCell(*l, QStringLiteral("折扣"), l->discount, discount))
                return refusal;
            // A whole percentage: the grid takes digits only, and the line stores an integer.
            if (discount.raw() % Money::Scale != 0)
                return Refusal{cellName(*l, QStringLiteral("折扣")) + QStringLiteral(" 必须是整数，请重新录入！"),
                               TradeField::Grid};
            if (discount > Money::units(MaxDiscount))
                return outOfRange(cellName(*l, QStringLiteral("折扣")));
            r.discount = int(discount.raw() / Money::Scale);
        }
        if (auto refusal = readCell(*l, QStringLiteral("数量"), l->quantity, r.quantity))
            return refusal;
        if (def.hasDiscount && !l->purchasePrice.trimmed().isEmpty()) {
            if (auto refusal = readCell(*l, QStringLiteral("进价"), l->purchasePrice, r.purchasePrice))
                return refusal;
        }
        // The amount as the grid shows it, once it is known to fit a money column.
        const __int128 product = __int128(r.price.raw()) * r.quantity.raw();
        if (product > MoneyLimit * Money::Scale
            || product * r.discount / (__int128(Money::Scale) * 100) >= MoneyLimit)
            return outOfRange(cellName(*l, QStringLiteral("金额")));
        r.amount = Money::lineAmount(r.price, r.quantity, r.discount);
        total += r.amount.raw();
        quantity += r.quantity.raw();
        if (total > MoneyLimit)
            return outOfRange(QStringLiteral("合计金额"));
        if (quantity > MoneyLimit)
            return outOfRange(QStringLiteral("合计数量"));
        out.lines.push_back(r);
    }
    out.total = Money::fromRaw(std::int64_t(total));
    out.totalQuantity = Money::fromRaw(std::int64_t(quantity));
    return std::nullopt;
}

// Goods going out: none may take more than the warehouse holds. Should a goods stand on two
// lines, the second is checked against what the first leaves.
std::optional<Refusal> checkStock(Database &db, const QString &warehouse, const std::vector<ReadLine> &lines)
{
    QHash<int, Money> taken;
    for (const ReadLine &r : lines) {
        Money &already = taken[r.line->goodsId];
        already += r.quantity;
        if ((myRetKC(db, warehouse, r.line->goodsId) - already).isNegative())
            return Refusal{QStringLiteral("商品 %1 %2 库存不足，不能出库！").arg(r.line->code, r.line->name),
                           TradeField::Grid};
    }
    return std::nullopt;
}

// Only a live, pre-saved document of the kind may be saved again; saving a posted one would
// post it twice, and one that is gone would leave lines without a header.
bool editable(Database &db, const TradeKindDef &def, const QString &number)
{
    if (!def.canPreSave)
        return false;
    return db.exists(QStringLiteral("SELECT 1 FROM %1 WHERE theNum = ? AND theDel = ? AND theYC = ?").arg(def.header),
                     {number, No, Yes});
}

// The checks, in the window's order, plus the number checks the window's keys cannot make.
std::optional<Refusal> check(Database &db, const Session &session, const TradeKindDef &def, const TradeDocument &doc,
                             ReadDocument &out)
{
    const TradeHeader &h = doc.header;
    if (!h.myNum.isEmpty() && !editable(db, def, h.myNum))
        return Refusal{QStringLiteral("单据 %1 不是可修改的预存单据，不能保存！").arg(h.myNum), QString()};
    if (h.partnerId == 0)
        return Refusal{def.noPartner, TradeField::Partner};
    if (h.warehouse.isEmpty())
        return Refusal{QStringLiteral("请选择 仓库名称！"), TradeField::Warehouse};
    if (h.handler.isEmpty())
        return Refusal{QStringLiteral("请选择 经手人！"), TradeField::Handler};
    if (!h.date.isValid())
        return Refusal{QStringLiteral("请选择 %1！").arg(def.dateName), TradeField::Date};
    if (std::none_of(doc.lines.begin(), doc.lines.end(), [](const TradeLine &l) { return l.goodsId != 0; }))
        return Refusal{QStringLiteral("商品信息 不能为空！ 请重新选择！"), TradeField::Grid};
    if (auto refusal = readLines(def, doc.lines, out))
        return refusal;
    if (def.checksStock && !session.options.AllowNegative) {
        if (auto refusal = checkStock(db, h.warehouse, out.lines))
            return refusal;
    }
    if (h.received.trimmed().isEmpty())
        return Refusal{def.amountEmpty, TradeField::Amount};
    const std::optional<Money> received = Money::parse(h.received);
    if (!received)
        return Refusal{notANumber(def.amountName), TradeField::Amount};
    if (received->isNegative())
        return Refusal{QStringLiteral("%1 不能小于零，请重新录入 %1！").arg(def.amountName), TradeField::Amount};
    out.received = *received;
    out.outstanding = out.total - out.received;
    if (out.outstanding.isNegative())
        return Refusal{def.amountTooHigh, TradeField::Amount};
    if (h.account.isEmpty())
        return Refusal{def.noAccount, TradeField::Account};
    if (h.person.isEmpty())
        return Refusal{def.noPerson, TradeField::Person};
    // An unknown cost word would leave the goods without a cost half-way through the lines.
    if (def.costsLines && !isCostMethod(session.options.CostMethod))
        return Refusal{QStringLiteral("成本核算方法“%1”无效，请在系统设置中重新选择！").arg(session.options.CostMethod),
                       QString()};
    return std::nullopt;
}

void writeHeader(Database &db, const Session &session, const TradeKindDef &def, const TradeHeader &h,
                 const ReadDocument &d, const QString &number, bool editing, bool preSave)
{
    QVariantList values{h.partnerId,          d.total.toDb(), d.received.toDb(), d.outstanding.toDb(),
                        h.account,            h.warehouse,    h.handler,         session.CurUser,
                        h.remark,             d.totalQuantity.toDb(), NumToChar(d.total),
                        h.partnerName,        h.date.toString(QStringLiteral("yyyy-MM-dd"))};
    if (def.canPreSave)
        values << (preSave ? Yes : No);
    if (editing) {
        // theDate keeps the business date of the first save: the daily numbering counts by it.
        const QString sql = QStringLiteral("UPDATE %1 SET UID = ?, theHJ = ?, theSJ = ?, %2 = ?, AName = ?, WName = ?, "
                                           "UName = ?, IName = ?, Remark = ?, theCount = ?, theDX = ?, MName = ?, "
                                           "myDate = ?, theYC = ? WHERE theNum = ? AND theDel = ?")
                                .arg(def.header, def.outstandingColumn);
        db.exec(sql, values << number << No);
        return;
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (UID, theHJ, theSJ, %2, AName, WName, UName, IName, Remark, "
                                       "theCount, theDX, MName, myDate%3, theDate, theNum, theDel) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?%4, ?, ?, ?)")
                            .arg(def.header, def.outstandingColumn,
                                 def.canPreSave ? QStringLiteral(", theYC") : QString(),
                                 def.canPreSave ? QStringLiteral(", ?") : QString());
    db.exec(sql, values << session.WorkDate << number << No);
}

// The warehouse's current cost of the goods, read before the line's stock moves; the
// goods' purchase price from the line when the warehouse has no stock row.
Money lineCost(Database &db, const QString &warehouse, const ReadLine &r)
{
    QSqlQuery &q = db.cached(QStringLiteral("SELECT theCB FROM UKC WHERE WName = ? AND SID = ?"));
    db.run(q, {warehouse, r.line->goodsId});
    const Money cost = q.next() ? Money::fromDb(q.value(0)) : r.purchasePrice;
    q.finish();
    return cost;
}

void writeLine(Database &db, const TradeKindDef &def, const QString &number, const ReadLine &r, int sequence, Money cost)
{
    const TradeLine &l = *r.line;
    if (def.hasDiscount) {
        QSqlQuery &q = db.cached(QStringLiteral("INSERT INTO %1 (theNum, SID, thePrice, theCount, theSum, theJJ, Remark, "
                                                "theBH, theZK) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                     .arg(def.lines));
        db.run(q, {number, l.goodsId, r.price.toDb(), r.quantity.toDb(), r.amount.toDb(), cost.toDb(), l.remark,
                   sequence, r.discount});
        return;
    }
    QSqlQuery &q = db.cached(QStringLiteral("INSERT INTO %1 (theNum, SID, thePrice, theCount, theSum, Remark, theBH) "
                                            "VALUES (?, ?, ?, ?, ?, ?, ?)")
                                 .arg(def.lines));
    db.run(q, {number, l.goodsId, r.price.toDb(), r.quantity.toDb(), r.amount.toDb(), l.remark, sequence});
}

void postLine(Database &db, const Session &session, const TradeKindDef &def, const TradeHeader &h,
              const QString &number, const ReadLine &r, bool preSave)
{
    const int goods = r.line->goodsId;
    if (!preSave) {
        if (def.stockOut)
            KC_Do(db, h.warehouse, goods, r.quantity);
        else
            KC_Up(db, h.warehouse, goods, r.quantity);
        // After the stock change: the record carries the stock after the movement.
        SaveSList(db, session, def.moveKind, number, h.warehouse, goods, def.stockOut ? Money() : r.quantity,
                  def.stockOut ? r.quantity : Money(), r.price);
    }
    if (def.stampsSupplier) {
        QSqlQuery &q = db.cached(QStringLiteral("UPDATE SShop SET MName = ? WHERE ID = ?"));
        db.run(q, {h.partnerName, goods});
    }
    // The undiscounted price becomes the goods' price, pre-saved or not.
    if (def.priceWriteBack == TradeKindDef::PriceWriteBack::SalesPrice && session.options.AutoSalesPrice) {
        QSqlQuery &q = db.cached(QStringLiteral("UPDATE SShop SET theXS = ? WHERE ID = ?"));
        db.run(q, {r.price.toDb(), goods});
    } else if (def.priceWriteBack == TradeKindDef::PriceWriteBack::PurchasePrice && session.options.AutoPurchasePrice) {
        QSqlQuery &q = db.cached(QStringLiteral("UPDATE SShop SET theJH = ? WHERE ID = ?"));
        db.run(q, {r.price.toDb(), goods});
    }
    // Costing reads the line just written and, when posted, the stock just raised.
    if (def.costsLines)
        myShopCB(db, session.options, goods, r.quantity, h.warehouse, r.price, !preSave);
}

// The money moved with the document: its settlement row, the partner's balance by what is
// left outstanding, and the money flow log. All dated with the business date of this save.
void postMoney(Database &db, const Session &session, const TradeKindDef &def, const TradeHeader &h,
               const ReadDocument &d, const QString &number)
{
    if (!d.received.isZero()) {
        db.exec(QStringLiteral("INSERT INTO %1 (theNum, theMoney, AName, %2, %3, Remark) VALUES (?, ?, ?, ?, ?, '')")
                    .arg(def.settlement, def.settlementPerson, def.settlementDate),
                {number, d.received.toDb(), h.account, h.person, session.WorkDate});
    }
    if (!d.outstanding.isZero())
        def.postBalance(db, h.partnerId, d.outstanding);
    if (!d.received.isZero()) {
        SaveList(db, session, def.flowKind, number, def.moneyIn ? d.received : Money(),
                 def.moneyIn ? Money() : d.received, h.account, h.person, session.CurUser);
    }
}

} // namespace

TradeSaveResult saveTradeDocument(Database &db, const Session &session, TradeKind kind, const TradeDocument &doc)
{
    const TradeKindDef &def = tradeKind(kind);
    const TradeHeader &h = doc.header;

    ReadDocument d;
    if (auto refusal = check(db, session, def, doc, d))
        return *refusal;

    const bool preSave = def.canPreSave && h.preSave;
    const bool editing = !h.myNum.isEmpty();

    Transaction tx(db);
    const QString number = editing ? h.myNum : NewDJNum(db, session.WorkDate, def.docKind);
    if (editing)
        db.exec(QStringLiteral("DELETE FROM %1 WHERE theNum = ?").arg(def.lines), {number});
    writeHeader(db, session, def, h, d, number, editing, preSave);
    int sequence = 0;
    for (const ReadLine &r : d.lines) {
        const Money cost = def.hasDiscount ? lineCost(db, h.warehouse, r) : Money();
        writeLine(db, def, number, r, ++sequence, cost);
        postLine(db, session, def, h, number, r, preSave);
    }
    if (!preSave)
        postMoney(db, session, def, h, d, number);
    tx.commit();

    TradeSaved saved;
    saved.number = number;
    saved.edited = editing;
    saved.printNow = !preSave;
    saved.tillReceipt = saved.printNow && def.offersTillReceipt && h.tillReceipt;
    return saved;
}

} // namespace qv
