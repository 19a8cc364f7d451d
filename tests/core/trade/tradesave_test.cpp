#include "tradefixture.h"

#include "services/postings.h"
#include "trade/tradeload.h"

#include <functional>

using namespace qv;
using test::money;
using test::TradeStore;

namespace {

const TradeKind AllKinds[] = {TradeKind::SalesIssue, TradeKind::PurchaseReceipt, TradeKind::PurchaseReturn,
                              TradeKind::SalesReturn};

QString u8(const char *s) { return QString::fromUtf8(s); }

const char *kindName(TradeKind k)
{
    switch (k) {
    case TradeKind::SalesIssue: return "sales issue";
    case TradeKind::PurchaseReceipt: return "purchase receipt";
    case TradeKind::PurchaseReturn: return "purchase return";
    case TradeKind::SalesReturn: return "sales return";
    }
    return "";
}

// A document of one line of screws, nothing received.
TradeDocument oneLine(TradeStore &t, TradeKind kind, const char *quantity)
{
    TradeDocument doc = t.document(kind);
    doc.lines = {t.line(1, t.screws, "12.5", quantity)};
    doc.header.received = QStringLiteral("0");
    return doc;
}

} // namespace

// Every check of each document, in its order: a document wrong in every way is refused for
// one fault after the other as they are put right, each time with nothing written.
TEST(TradeSave, ChecksInOrderWithTheirMessagesAndFocus)
{
    struct Messages {
        TradeKind kind;
        const char *noPartner, *noDate, *amountEmpty, *tooMuch, *noAccount, *noPerson;
        bool checksStock;
    };
    const Messages cases[] = {
        {TradeKind::SalesIssue, "客户名称不能为空！ 请在单位名称处 按回车 选择 单位名称！", "请选择 销售日期！",
         "收款金额 不能为空，请录入 收款金额！", "实收金额 不能大于 合计金额，请重新录入 实收金额！",
         "请选择 收款方式！", "请选择 收款人！", true},
        {TradeKind::PurchaseReceipt, "供应商不能为空！ 请在供应商处 按回车 选择 供应商！", "请选择 采购日期！",
         "付款金额 不能为空，请录入 付款金额！", "付款金额 不能大于合计金额，请重新录入 付款金额！",
         "请选择 付款方式！", "请选择 付款人！", false},
        {TradeKind::PurchaseReturn, "供应商 不能为空！ 请在供应商处 按回车 选择 供应商！", "请选择 退货日期！",
         "收款金额 不能为空，请录入 收款金额！", "收款金额 不能小于零，请重新录入 收款金额！",
         "请选择 收款方式！", "请选择 收款人！", true},
        {TradeKind::SalesReturn, "客户名称 不能为空！ 请在客户名称处 按回车 选择 客户名称！", "请选择 退货日期！",
         "付款金额 不能为空，请录入 付款金额！", "付款金额 不能小于零，请重新录入 付款金额！",
         "请选择 付款方式！", "请选择 付款人！", false},
    };
    for (const Messages &c : cases) {
        SCOPED_TRACE(kindName(c.kind));
        TradeStore t;
        const TradeDocument good = t.document(c.kind);
        TradeDocument doc = good;
        doc.header.partnerId = 0;
        doc.header.warehouse.clear();
        doc.header.handler.clear();
        doc.header.date = QDate();
        doc.lines = {good.lines[2]}; // the row without goods
        doc.header.received.clear();
        doc.header.account.clear();
        doc.header.person.clear();

        struct Step {
            const char *message;
            const QString &field;
            std::function<void()> putRight;
        };
        std::vector<Step> steps{
            {c.noPartner, TradeField::Partner, [&] { doc.header.partnerId = good.header.partnerId; }},
            {"请选择 仓库名称！", TradeField::Warehouse, [&] { doc.header.warehouse = good.header.warehouse; }},
            {"请选择 经手人！", TradeField::Handler, [&] { doc.header.handler = good.header.handler; }},
            {c.noDate, TradeField::Date, [&] { doc.header.date = good.header.date; }},
            {"商品信息 不能为空！ 请重新选择！", TradeField::Grid, [&] {
                 doc.lines = good.lines;
                 if (c.checksStock)
                     doc.lines[1].quantity = QStringLiteral("10.5"); // 10 screws in stock
             }},
        };
        if (c.checksStock)
            steps.push_back({"商品 LS01 螺丝 库存不足，不能出库！", TradeField::Grid,
                             [&] { doc.lines[1].quantity = good.lines[1].quantity; }});
        steps.push_back({c.amountEmpty, TradeField::Amount, [&] { doc.header.received = QStringLiteral("29.5001"); }});
        steps.push_back({c.tooMuch, TradeField::Amount, [&] { doc.header.received = good.header.received; }});
        steps.push_back({c.noAccount, TradeField::Account, [&] { doc.header.account = good.header.account; }});
        steps.push_back({c.noPerson, TradeField::Person, [&] { doc.header.person = good.header.person; }});

        const QString before = t.book();
        for (const Step &step : steps) {
            const Refusal r = t.refused(c.kind, doc);
            EXPECT_EQ(r.message, u8(step.message));
            EXPECT_EQ(r.field, step.field);
            EXPECT_EQ(t.book(), before) << step.message;
            step.putRight();
        }
        EXPECT_FALSE(t.saved(c.kind, doc).number.isEmpty());
    }
}

// What the window's keys let through but is no number is refused naming its line and column,
// before anything is written; so is what no key can type (a sign, a fractional discount).
TEST(TradeSave, RefusesNumbersThatAreNotNumbers)
{
    struct Case {
        TradeKind kind;
        std::function<void(TradeDocument &)> spoil;
        const char *message;
        const QString &field;
    };
    // lines[0] is row 4 (nuts), lines[1] row 2 (screws).
    const Case cases[] = {
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.lines[0].price = QStringLiteral("1.2.3"); },
         "第 4 行 单价 必须是数字，请重新录入！", TradeField::Grid},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.lines[0].discount = QStringLiteral("."); },
         "第 4 行 折扣 必须是数字，请重新录入！", TradeField::Grid},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.lines[0].quantity = QStringLiteral("abc"); },
         "第 4 行 数量 必须是数字，请重新录入！", TradeField::Grid},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.lines[0].discount = QStringLiteral("85.5"); },
         "第 4 行 折扣 必须是整数，请重新录入！", TradeField::Grid},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.lines[1].purchasePrice = QStringLiteral("x"); },
         "第 2 行 进价 必须是数字，请重新录入！", TradeField::Grid},
        // The first faulty line in row order is named, whatever the order of the list.
        {TradeKind::SalesIssue,
         [](TradeDocument &d) {
             d.lines[0].quantity = QStringLiteral("..");
             d.lines[1].price = QString();
         },
         "第 2 行 单价 必须是数字，请重新录入！", TradeField::Grid},
        {TradeKind::PurchaseReceipt, [](TradeDocument &d) { d.lines[1].quantity = QStringLiteral("-2"); },
         "第 2 行 数量 不能小于零，请重新录入！", TradeField::Grid},
        {TradeKind::PurchaseReturn, [](TradeDocument &d) { d.lines[1].price = QStringLiteral("-1"); },
         "第 2 行 单价 不能小于零，请重新录入！", TradeField::Grid},
        {TradeKind::SalesReturn,
         [](TradeDocument &d) {
             d.lines[1].price = QStringLiteral("900000000000000");
             d.lines[1].quantity = QStringLiteral("900000000000000");
         },
         "第 2 行 金额 超出范围，请重新录入！", TradeField::Grid},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.header.received = QStringLiteral("1.2.3"); },
         "收款金额 必须是数字，请重新录入！", TradeField::Amount},
        {TradeKind::PurchaseReceipt, [](TradeDocument &d) { d.header.received = QStringLiteral("."); },
         "付款金额 必须是数字，请重新录入！", TradeField::Amount},
        {TradeKind::SalesReturn, [](TradeDocument &d) { d.header.received = QStringLiteral("abc"); },
         "付款金额 必须是数字，请重新录入！", TradeField::Amount},
        {TradeKind::SalesIssue, [](TradeDocument &d) { d.header.received = QStringLiteral("-5"); },
         "收款金额 不能小于零，请重新录入 收款金额！", TradeField::Amount},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        TradeStore t;
        TradeDocument doc = t.document(c.kind);
        c.spoil(doc);
        const QString before = t.book();
        const Refusal r = t.refused(c.kind, doc);
        EXPECT_EQ(r.message, u8(c.message));
        EXPECT_EQ(r.field, c.field);
        EXPECT_EQ(t.book(), before);
    }
}

// A posted document of each kind, with everything, part or nothing received now: header,
// lines in row order with amounts computed from price, discount and quantity (not the grid's
// display), stock, movement records, settlement row, partner balance and money flow log.
TEST(TradeSave, PostsEachKindInItsDirections)
{
    struct Expected {
        TradeKind kind;
        const char *number, *total, *words;
        const char *screwsAfter, *nutsAfter; // 10 of each before
        const char *moveKind;
        bool goodsOut;
        const char *settlement, *person, *date;
        const char *balanceColumn;
        const char *balanceBefore;
        int balanceSign; // the outstanding amount raises (+1) or lowers (-1) the balance
        const char *flowKind;
        bool moneyIn;
        const char *screwsAmount; // 2 × 12.5, less 20% on the sales issue
    };
    const Expected cases[] = {
        {TradeKind::SalesIssue, "XS240315-0001", "24.5", "贰拾肆元伍角", "8", "8.5", "销售出库", true, "UXS_SK",
         "theSKR", "SKDate", "theYS", "100", +1, "销售出库录入", true, "20"},
        {TradeKind::PurchaseReceipt, "CG240315-0001", "29.5", "贰拾玖元伍角", "12", "11.5", "采购入库", false,
         "UJH_FK", "theFKR", "FKDate", "theYF", "200", +1, "采购入库录入", false, "25"},
        {TradeKind::PurchaseReturn, "CT240315-0001", "29.5", "贰拾玖元伍角", "8", "8.5", "采购退货", true,
         "UCG_O_SK", "theSKR", "SKDate", "theYF", "200", -1, "采购退货录入", true, "25"},
        {TradeKind::SalesReturn, "XT240315-0001", "29.5", "贰拾玖元伍角", "12", "11.5", "销售退货", false,
         "UXS_O_FK", "theFKR", "FKDate", "theYS", "100", -1, "销售退货录入", false, "25"},
    };
    for (const Expected &e : cases) {
        const QString header = u8(e.number).startsWith(u"XS")   ? QStringLiteral("UXS")
                               : u8(e.number).startsWith(u"CG") ? QStringLiteral("UJH")
                               : u8(e.number).startsWith(u"CT") ? QStringLiteral("UCG_O")
                                                                : QStringLiteral("UXS_O");
        const QString outstandingColumn = header == u"UXS" || header == u"UCG_O" ? QStringLiteral("theYS")
                                                                                  : QStringLiteral("theYF");
        for (const char *received : {e.total, "10", "0"}) {
            SCOPED_TRACE(std::string(kindName(e.kind)) + ", received " + received);
            TradeStore t;
            TradeDocument doc = t.document(e.kind);
            doc.header.received = u8(received);
            const TradeSaved saved = t.saved(e.kind, doc);
            EXPECT_EQ(saved.number, u8(e.number));
            EXPECT_TRUE(saved.printNow);
            EXPECT_FALSE(saved.edited);

            const Money total = money(e.total), paid = money(received), outstanding = total - paid;
            QSqlQuery h = t.s.db->exec(QStringLiteral("SELECT * FROM %1").arg(header));
            ASSERT_TRUE(h.next());
            EXPECT_EQ(h.value("theNum").toString(), u8(e.number));
            EXPECT_EQ(h.value("theDate").toString(), QStringLiteral("2024-03-15"));
            EXPECT_EQ(h.value("myDate").toString(), QStringLiteral("2024-03-10"));
            EXPECT_EQ(h.value("UID").toInt(), t.partner);
            EXPECT_EQ(h.value("theDel").toString(), u8("否"));
            EXPECT_EQ(Money::fromDb(h.value("theHJ")), total);
            EXPECT_EQ(Money::fromDb(h.value("theSJ")), paid);
            EXPECT_EQ(Money::fromDb(h.value(outstandingColumn)), outstanding);
            EXPECT_EQ(Money::fromDb(h.value("theCount")), money("3.5"));
            EXPECT_EQ(h.value("theDX").toString(), u8(e.words));
            EXPECT_EQ(h.value("MName").toString(), u8("甲商行"));
            EXPECT_EQ(h.value("IName").toString(), u8("系统管理员"));
            EXPECT_EQ(h.value("AName").toString(), u8("现金"));
            EXPECT_EQ(h.value("WName").toString(), u8("商品仓库"));
            EXPECT_EQ(h.value("UName").toString(), u8("店小二"));
            EXPECT_EQ(h.value("Remark").toString(), u8("备注"));
            if (header == u"UXS" || header == u"UJH")
                EXPECT_EQ(h.value("theYC").toString(), u8("否"));
            EXPECT_FALSE(h.next());

            QSqlQuery l = t.s.db->exec(QStringLiteral("SELECT * FROM %1_List ORDER BY ID").arg(header));
            struct Line { int goods; const char *price, *quantity, *amount; };
            const Line lines[] = {{t.screws, "12.5", "2", e.screwsAmount}, {t.nuts, "3", "1.5", "4.5"}};
            for (int i = 0; i < 2; ++i) {
                ASSERT_TRUE(l.next());
                EXPECT_EQ(l.value("theNum").toString(), u8(e.number));
                EXPECT_EQ(l.value("theBH").toInt(), i + 1);
                EXPECT_EQ(l.value("SID").toInt(), lines[i].goods);
                EXPECT_EQ(Money::fromDb(l.value("thePrice")), money(lines[i].price));
                EXPECT_EQ(Money::fromDb(l.value("theCount")), money(lines[i].quantity));
                EXPECT_EQ(Money::fromDb(l.value("theSum")), money(lines[i].amount));
                if (header == u"UXS") {
                    EXPECT_EQ(l.value("theZK").toInt(), i == 0 ? 80 : 100);
                    // The warehouse cost of each goods, as the stock row held it.
                    EXPECT_EQ(Money::fromDb(l.value("theJJ")), money(i == 0 ? "3" : "1"));
                }
            }
            EXPECT_FALSE(l.next());

            EXPECT_EQ(t.stock(t.screws), money(e.screwsAfter));
            EXPECT_EQ(t.stock(t.nuts), money(e.nutsAfter));
            QSqlQuery m = t.s.db->exec(QStringLiteral("SELECT * FROM SList ORDER BY ID"));
            for (int i = 0; i < 2; ++i) {
                ASSERT_TRUE(m.next());
                const Money qty = money(lines[i].quantity);
                EXPECT_EQ(m.value("theType").toString(), u8(e.moveKind));
                EXPECT_EQ(m.value("theNum").toString(), u8(e.number));
                EXPECT_EQ(m.value("theDate").toString(), QStringLiteral("2024-03-15"));
                EXPECT_EQ(m.value("SID").toInt(), lines[i].goods);
                EXPECT_EQ(Money::fromDb(m.value("ICount")), e.goodsOut ? Money() : qty);
                EXPECT_EQ(Money::fromDb(m.value("OCount")), e.goodsOut ? qty : Money());
                EXPECT_EQ(Money::fromDb(m.value("SPrice")), money(lines[i].price));
                EXPECT_EQ(Money::fromDb(m.value("WCount")), money(i == 0 ? e.screwsAfter : e.nutsAfter));
            }
            EXPECT_FALSE(m.next());

            QSqlQuery sk = t.s.db->exec(QStringLiteral("SELECT theNum, theMoney, AName, %1, %2 FROM %3")
                                            .arg(u8(e.person), u8(e.date), u8(e.settlement)));
            if (!paid.isZero()) {
                ASSERT_TRUE(sk.next());
                EXPECT_EQ(sk.value(0).toString(), u8(e.number));
                EXPECT_EQ(Money::fromDb(sk.value(1)), paid);
                EXPECT_EQ(sk.value(2).toString(), u8("现金"));
                EXPECT_EQ(sk.value(3).toString(), u8("掌柜"));
                EXPECT_EQ(sk.value(4).toString(), QStringLiteral("2024-03-15"));
            }
            EXPECT_FALSE(sk.next());

            EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT %1 FROM SUnits WHERE ID = ?").arg(u8(e.balanceColumn)),
                                {t.partner}),
                      money(e.balanceBefore) + (e.balanceSign > 0 ? outstanding : -outstanding));

            QSqlQuery u = t.s.db->exec(QStringLiteral("SELECT * FROM UList"));
            if (!paid.isZero()) {
                ASSERT_TRUE(u.next());
                EXPECT_EQ(u.value("theType").toString(), u8(e.flowKind));
                EXPECT_EQ(u.value("theNum").toString(), u8(e.number));
                EXPECT_EQ(Money::fromDb(u.value("theIn")), e.moneyIn ? paid : Money());
                EXPECT_EQ(Money::fromDb(u.value("theOut")), e.moneyIn ? Money() : paid);
                EXPECT_EQ(u.value("MName").toString(), u8("现金"));
                EXPECT_EQ(u.value("UName").toString(), u8("掌柜"));
                EXPECT_EQ(u.value("IName").toString(), u8("系统管理员"));
                EXPECT_EQ(u.value("theDate").toString(), QStringLiteral("2024-03-15"));
            }
            EXPECT_FALSE(u.next());
        }
    }
}

// Amounts and totals are exact: no 0.30000000000000004, one rounding per line, and the
// words of the total are those of the exact total.
TEST(TradeSave, AmountsAndWordsAreExact)
{
    struct Case {
        const char *price, *quantity, *discount;
        const char *amount;
    };
    struct Doc {
        std::vector<Case> lines;
        const char *total, *words;
    };
    const Doc docs[] = {
        {{{"0.1", "1", "100", "0.1"}, {"0.2", "1", "100", "0.2"}}, "0.3", "叁角"},
        // 1.9999 × 3 × 85% = 5.099745, rounded once to four places.
        {{{"1.9999", "3", "85", "5.0997"}, {"19.99", "3", "100", "59.97"}}, "65.0697", "陆拾伍元零柒分"},
        // Half a ten-thousandth rounds away from zero.
        {{{"0.0001", "0.5", "100", "0.0001"}, {"100000", "1000", "100", "100000000"}}, "100000000.0001",
         "壹亿元整"},
    };
    for (const Doc &d : docs) {
        SCOPED_TRACE(d.total);
        TradeStore t;
        t.s.session.options.AllowNegative = true;
        TradeDocument doc = t.document(TradeKind::SalesIssue);
        doc.lines.clear();
        int row = 0;
        for (const Case &c : d.lines) {
            ++row;
            doc.lines.push_back(t.line(row, row == 1 ? t.screws : t.nuts, c.price, c.quantity, c.discount));
        }
        doc.header.received = QStringLiteral("0");
        t.saved(TradeKind::SalesIssue, doc);
        QSqlQuery l = t.s.db->exec(QStringLiteral("SELECT theSum FROM UXS_List ORDER BY theBH"));
        for (const Case &c : d.lines) {
            ASSERT_TRUE(l.next());
            EXPECT_EQ(Money::fromDb(l.value(0)), money(c.amount)) << c.price << " × " << c.quantity;
        }
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theHJ FROM UXS")), money(d.total));
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theYS FROM UXS")), money(d.total));
        EXPECT_EQ(t.value(QStringLiteral("SELECT theDX FROM UXS")).toString(), u8(d.words));
    }
}

// The cost of a sales line is the warehouse's cost of the goods; without a stock row, the
// purchase price the goods search put on the line; without that either, 0.
TEST(TradeSave, SalesLineCostFromStockRowOrPurchasePrice)
{
    struct Case {
        const char *stockCost; // nullptr: no stock row
        const char *purchasePrice;
        const char *cost;
    };
    const Case cases[] = {{"3", "7", "3"}, {"0", "7", "0"}, {nullptr, "7", "7"}, {nullptr, "", "0"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.stockCost ? c.stockCost : "no row") + " / " + c.purchasePrice);
        TradeStore t;
        t.s.session.options.AllowNegative = true;
        t.s.db->exec(QStringLiteral("DELETE FROM UKC"));
        if (c.stockCost)
            t.setStock(t.screws, "10", c.stockCost);
        TradeDocument doc = oneLine(t, TradeKind::SalesIssue, "2");
        doc.lines[0].purchasePrice = u8(c.purchasePrice);
        t.saved(TradeKind::SalesIssue, doc);
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theJJ FROM UXS_List")), money(c.cost));
    }
}

// Goods going out may not take more than is on hand unless negative stock is allowed;
// pre-saved documents are held to it too. Goods coming back are never checked.
TEST(TradeSave, NegativeStockAllowedOrRefused)
{
    struct Case {
        TradeKind kind;
        bool preSave;
        const char *onHand; // nullptr: no stock row
        const char *quantity;
        bool allowNegative;
        const char *stockAfter; // nullptr: refused
    };
    const Case cases[] = {
        {TradeKind::SalesIssue, false, "5", "5", false, "0"},
        {TradeKind::SalesIssue, false, "5", "5.5", false, nullptr},
        {TradeKind::SalesIssue, false, nullptr, "1", false, nullptr},
        {TradeKind::SalesIssue, true, "5", "5.5", false, nullptr},
        {TradeKind::SalesIssue, false, nullptr, "1", true, "-1"},
        {TradeKind::SalesIssue, false, "5", "5.5", true, "-0.5"},
        {TradeKind::PurchaseReturn, false, "5", "5", false, "0"},
        {TradeKind::PurchaseReturn, false, "5", "5.5", false, nullptr},
        {TradeKind::PurchaseReturn, false, nullptr, "1", false, nullptr},
        {TradeKind::PurchaseReturn, false, nullptr, "1", true, "-1"},
        {TradeKind::SalesReturn, false, nullptr, "1", false, "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(kindName(c.kind)) + " of " + c.quantity + " from " + (c.onHand ? c.onHand : "no row") +
                     (c.allowNegative ? ", negative allowed" : "") + (c.preSave ? ", pre-saved" : ""));
        TradeStore t;
        t.s.session.options.AllowNegative = c.allowNegative;
        t.s.db->exec(QStringLiteral("DELETE FROM UKC"));
        if (c.onHand)
            t.setStock(t.screws, c.onHand, "3");
        TradeDocument doc = oneLine(t, c.kind, c.quantity);
        doc.header.preSave = c.preSave;
        if (!c.stockAfter) {
            const QString before = t.book();
            const Refusal r = t.refused(c.kind, doc);
            EXPECT_EQ(r.message, u8("商品 LS01 螺丝 库存不足，不能出库！"));
            EXPECT_EQ(r.field, TradeField::Grid);
            EXPECT_EQ(t.book(), before);
        } else {
            t.saved(c.kind, doc);
            EXPECT_EQ(t.stock(t.screws), money(c.stockAfter));
        }
    }
}

// Should a goods stand on two lines, together they may not take more than is on hand.
TEST(TradeSave, StockCheckCountsEveryLineOfTheGoods)
{
    TradeStore t;
    t.setStock(t.screws, "5", "3");
    TradeDocument doc = oneLine(t, TradeKind::SalesIssue, "3");
    doc.lines.push_back(t.line(2, t.screws, "12.5", "3"));
    EXPECT_EQ(t.refused(TradeKind::SalesIssue, doc).message, u8("商品 LS01 螺丝 库存不足，不能出库！"));
    doc.lines[1].quantity = QStringLiteral("2");
    t.saved(TradeKind::SalesIssue, doc);
    EXPECT_EQ(t.stock(t.screws), Money());
}

// Numbers count the documents of the kind entered on the business date, deleted ones too,
// whatever document date was picked; each kind and each business date has its own sequence.
// A return window left open saves a second return under a new number.
TEST(TradeSave, NumbersFollowTheBusinessDate)
{
    TradeStore t;
    TradeDocument sale = t.document(TradeKind::SalesIssue);
    EXPECT_EQ(t.saved(TradeKind::SalesIssue, sale).number, QStringLiteral("XS240315-0001"));
    sale.header.date = QDate(2023, 12, 31);
    EXPECT_EQ(t.saved(TradeKind::SalesIssue, sale).number, QStringLiteral("XS240315-0002"));
    t.s.db->exec(QStringLiteral("UPDATE UXS SET theDel = '是'"));
    EXPECT_EQ(t.saved(TradeKind::SalesIssue, sale).number, QStringLiteral("XS240315-0003"));
    EXPECT_EQ(t.saved(TradeKind::PurchaseReceipt, t.document(TradeKind::PurchaseReceipt)).number,
              QStringLiteral("CG240315-0001"));

    const TradeDocument back = t.document(TradeKind::PurchaseReturn);
    EXPECT_EQ(t.saved(TradeKind::PurchaseReturn, back).number, QStringLiteral("CT240315-0001"));
    EXPECT_EQ(t.saved(TradeKind::PurchaseReturn, back).number, QStringLiteral("CT240315-0002"));
    EXPECT_EQ(t.count(QStringLiteral("UCG_O_List")), 4);

    t.s.session.WorkDate = QStringLiteral("2024-03-16");
    EXPECT_EQ(t.saved(TradeKind::SalesIssue, sale).number, QStringLiteral("XS240316-0001"));
    EXPECT_EQ(t.saved(TradeKind::SalesReturn, t.document(TradeKind::SalesReturn)).number,
              QStringLiteral("XT240316-0001"));
}

// A pre-saved document stores its header and lines and posts nothing, yet sets the goods'
// price (and for a receipt the supplier and the cost); it can be loaded, changed, and posted
// later, when its postings carry the later business date while its number and theDate stay.
TEST(TradeSave, PreSaveEditAndPostLater)
{
    struct Case {
        TradeKind kind;
        const char *header, *settlement, *settlementDate, *priceColumn;
    };
    const Case cases[] = {{TradeKind::SalesIssue, "UXS", "UXS_SK", "SKDate", "theXS"},
                          {TradeKind::PurchaseReceipt, "UJH", "UJH_FK", "FKDate", "theJH"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(kindName(c.kind));
        TradeStore t;
        t.s.session.options.AutoSalesPrice = true;
        t.s.session.options.AutoPurchasePrice = true;
        t.s.session.options.CostMethod = u8("移动加权平均");
        const QString header = u8(c.header);
        const QString priceSql = QStringLiteral("SELECT %1 FROM SShop WHERE ID = ?").arg(u8(c.priceColumn));

        TradeDocument doc = t.document(c.kind);
        doc.lines[1].price = QStringLiteral("13");
        doc.header.preSave = true;
        doc.header.tillReceipt = true;
        // The receipt's costing may change the stock row's cost, never its quantity.
        const QString postings = t.book(TradeStore::Postings) + t.stockCounts();
        const QString stockRows = t.book({QStringLiteral("UKC")});
        const TradeSaved first = t.saved(c.kind, doc);
        EXPECT_EQ(first.number, header == u"UXS" ? QStringLiteral("XS240315-0001") : QStringLiteral("CG240315-0001"));
        EXPECT_FALSE(first.printNow);
        EXPECT_FALSE(first.tillReceipt);
        EXPECT_EQ(t.book(TradeStore::Postings) + t.stockCounts(), postings);
        if (c.kind == TradeKind::SalesIssue)
            EXPECT_EQ(t.book({QStringLiteral("UKC")}), stockRows);
        EXPECT_EQ(t.value(QStringLiteral("SELECT theYC FROM %1").arg(header)).toString(), u8("是"));
        EXPECT_EQ(t.count(header + QStringLiteral("_List")), 2);
        EXPECT_EQ(t.moneyAt(priceSql, {t.screws}), money("13"));
        if (c.kind == TradeKind::PurchaseReceipt)
            EXPECT_EQ(t.value(QStringLiteral("SELECT MName FROM SShop WHERE ID = ?"), {t.screws}).toString(),
                      u8("甲商行"));

        // Loaded as the entry window shows it, and saved again still pre-saved with a change.
        std::optional<TradeDocument> loaded = loadTradeDocument(*t.s.db, c.kind, first.number);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->header.myNum, first.number);
        EXPECT_EQ(loaded->header.partnerId, t.partner);
        EXPECT_EQ(loaded->header.partnerName, u8("甲商行"));
        EXPECT_EQ(loaded->header.date, QDate(2024, 3, 10));
        EXPECT_EQ(loaded->header.warehouse, u8("商品仓库"));
        EXPECT_EQ(loaded->header.handler, u8("店小二"));
        EXPECT_EQ(loaded->header.account, u8("现金"));
        EXPECT_EQ(loaded->header.remark, u8("备注"));
        EXPECT_FALSE(loaded->header.preSave);
        ASSERT_EQ(loaded->lines.size(), 2u);
        const TradeLine &l1 = loaded->lines[0];
        EXPECT_EQ(l1.row, 1);
        EXPECT_EQ(l1.goodsId, t.screws);
        EXPECT_EQ(l1.code, QStringLiteral("LS01"));
        EXPECT_EQ(l1.name, u8("螺丝"));
        EXPECT_EQ(l1.model, QStringLiteral("M6"));
        EXPECT_EQ(l1.unit, u8("个"));
        EXPECT_EQ(l1.price, QStringLiteral("13"));
        EXPECT_EQ(l1.quantity, QStringLiteral("2"));
        EXPECT_EQ(l1.amount, c.kind == TradeKind::SalesIssue ? QStringLiteral("20.8") : QStringLiteral("26"));
        EXPECT_EQ(l1.discount, c.kind == TradeKind::SalesIssue ? QStringLiteral("80") : QString());
        EXPECT_TRUE(l1.purchasePrice.isEmpty());
        EXPECT_EQ(loaded->lines[1].row, 2);
        EXPECT_EQ(loaded->lines[1].goodsId, t.nuts);
        EXPECT_EQ(loaded->header.received, c.kind == TradeKind::SalesIssue ? QStringLiteral("25.3") : QStringLiteral("30.5"));

        EXPECT_TRUE(loaded->header.person.isEmpty());
        // The payee is not stored with the document: the window keeps its default.
        loaded->header.person = t.s.session.DefPayee;
        loaded->header.preSave = true;
        loaded->lines.pop_back();
        loaded->lines[0].quantity = QStringLiteral("3");
        loaded->header.received = QStringLiteral("0");
        const TradeSaved again = t.saved(c.kind, *loaded);
        EXPECT_EQ(again.number, first.number);
        EXPECT_TRUE(again.edited);
        EXPECT_EQ(t.book(TradeStore::Postings) + t.stockCounts(), postings);
        EXPECT_EQ(t.count(header), 1);
        EXPECT_EQ(t.count(header + QStringLiteral("_List")), 1);

        // Posted on a later business date.
        t.s.session.WorkDate = QStringLiteral("2024-03-20");
        loaded = loadTradeDocument(*t.s.db, c.kind, first.number);
        ASSERT_TRUE(loaded);
        loaded->header.person = t.s.session.DefPayee;
        loaded->header.tillReceipt = true;
        const TradeSaved posted = t.saved(c.kind, *loaded);
        EXPECT_EQ(posted.number, first.number);
        EXPECT_TRUE(posted.printNow);
        EXPECT_EQ(posted.tillReceipt, c.kind == TradeKind::SalesIssue);
        EXPECT_EQ(t.count(header), 1);
        EXPECT_EQ(t.count(header + QStringLiteral("_List")), 1);
        EXPECT_EQ(t.value(QStringLiteral("SELECT theYC FROM %1").arg(header)).toString(), u8("否"));
        EXPECT_EQ(t.value(QStringLiteral("SELECT theDate FROM %1").arg(header)).toString(), QStringLiteral("2024-03-15"));
        EXPECT_EQ(t.stock(t.screws), money(c.kind == TradeKind::SalesIssue ? "7" : "13"));
        EXPECT_EQ(t.count(QStringLiteral("SList")), 1);
        EXPECT_EQ(t.value(QStringLiteral("SELECT theDate FROM SList")).toString(), QStringLiteral("2024-03-20"));
        EXPECT_EQ(t.value(QStringLiteral("SELECT %1 FROM %2").arg(u8(c.settlementDate), u8(c.settlement))).toString(),
                  QStringLiteral("2024-03-20"));
        EXPECT_EQ(t.value(QStringLiteral("SELECT theDate FROM UList")).toString(), QStringLiteral("2024-03-20"));

        // Once posted it is no longer editable: saving it again posts nothing twice.
        const QString book = t.book();
        EXPECT_EQ(t.refused(c.kind, *loaded).message,
                  u8("单据 %1 不是可修改的预存单据，不能保存！").arg(first.number));
        EXPECT_EQ(t.book(), book);
        EXPECT_FALSE(loadTradeDocument(*t.s.db, c.kind, first.number));
    }
}

// Only live pre-saved sales issues and purchase receipts are loaded or saved over.
TEST(TradeSave, OnlyLivePreSavedDocumentsAreEdited)
{
    TradeStore t;
    TradeDocument doc = t.document(TradeKind::SalesIssue);
    doc.header.preSave = true;
    const QString number = t.saved(TradeKind::SalesIssue, doc).number;
    t.s.db->exec(QStringLiteral("UPDATE UXS SET theDel = '是'"));
    EXPECT_FALSE(loadTradeDocument(*t.s.db, TradeKind::SalesIssue, number));
    EXPECT_FALSE(loadTradeDocument(*t.s.db, TradeKind::PurchaseReceipt, number));
    EXPECT_FALSE(loadTradeDocument(*t.s.db, TradeKind::SalesIssue, QStringLiteral("XS240315-0099")));

    struct Case {
        TradeKind kind;
        const char *number;
    };
    const Case cases[] = {{TradeKind::SalesIssue, "XS240315-0001"}, // deleted
                          {TradeKind::SalesIssue, "XS240315-0099"}, // never saved
                          {TradeKind::PurchaseReceipt, "XS240315-0001"},
                          {TradeKind::PurchaseReturn, "CT240315-0001"},
                          {TradeKind::SalesReturn, "XT240315-0001"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(kindName(c.kind)) + " " + c.number);
        TradeDocument edit = t.document(c.kind);
        edit.header.myNum = u8(c.number);
        const QString before = t.book();
        EXPECT_EQ(t.refused(c.kind, edit).message, u8("单据 %1 不是可修改的预存单据，不能保存！").arg(u8(c.number)));
        EXPECT_EQ(t.book(), before);
    }
}

// A purchase receipt line stamps the supplier on the goods, sets the purchase price when the
// store asks for it, and costs the goods by the store's method, pre-saved or posted.
TEST(TradeSave, PurchaseReceiptCostsAndStampsTheGoods)
{
    struct Case {
        bool preSave;
        bool autoPrice;
        const char *warehouse;
        const char *goodsCost;  // SShop.theCB afterwards
        const char *stockCost;  // UKC.theCB afterwards; nullptr: no stock row
        const char *stockCount;
    };
    const Case cases[] = {
        // 10 held at 5, 10 more at 7: 6.
        {false, true, "商品仓库", "6", "6", "20"},
        {false, false, "商品仓库", "6", "6", "20"},
        // Pre-saved: the 10 held are what the warehouse held before the line.
        {true, true, "商品仓库", "6", "6", "10"},
        // First receipt into a warehouse: the line's price, on the goods and the new row.
        {false, true, "二号库", "7", "7", "10"},
        // Pre-saved into a warehouse that never held the goods: no stock row appears.
        {true, true, "二号库", "7", nullptr, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.warehouse) + (c.preSave ? " pre-saved" : "") + (c.autoPrice ? " auto price" : ""));
        TradeStore t;
        t.s.session.options.CostMethod = u8("移动加权平均");
        t.s.session.options.AutoPurchasePrice = c.autoPrice;
        t.setStock(t.screws, "10", "5");
        TradeDocument doc = oneLine(t, TradeKind::PurchaseReceipt, "10");
        doc.lines[0].price = QStringLiteral("7");
        doc.header.warehouse = u8(c.warehouse);
        doc.header.preSave = c.preSave;
        t.saved(TradeKind::PurchaseReceipt, doc);
        const QVariantList key{u8(c.warehouse), t.screws};
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theCB FROM SShop WHERE ID = ?"), {t.screws}), money(c.goodsCost));
        EXPECT_EQ(t.s.db->exists(QStringLiteral("SELECT 1 FROM UKC WHERE WName = ? AND SID = ?"), key),
                  c.stockCost != nullptr);
        if (c.stockCost) {
            EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theCB FROM UKC WHERE WName = ? AND SID = ?"), key),
                      money(c.stockCost));
            EXPECT_EQ(t.stock(t.screws, u8(c.warehouse)), money(c.stockCount));
        }
        EXPECT_EQ(t.value(QStringLiteral("SELECT MName FROM SShop WHERE ID = ?"), {t.screws}).toString(), u8("甲商行"));
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theJH FROM SShop WHERE ID = ?"), {t.screws}),
                  money(c.autoPrice ? "7" : "4"));
    }
}

// Price write-back follows the store options: the sales issue sets theXS (the undiscounted
// price), the receipt theJH; the returns set neither.
TEST(TradeSave, PricesWrittenBackOnlyWhenTheStoreAsks)
{
    struct Case {
        TradeKind kind;
        bool autoSales, autoPurchase;
        const char *sales, *purchase; // screws afterwards; 12.5 and 4 before
    };
    const Case cases[] = {
        {TradeKind::SalesIssue, true, false, "13", "4"},     {TradeKind::SalesIssue, false, true, "12.5", "4"},
        {TradeKind::PurchaseReceipt, false, true, "12.5", "13"}, {TradeKind::PurchaseReceipt, true, false, "12.5", "4"},
        {TradeKind::PurchaseReturn, true, true, "12.5", "4"},  {TradeKind::SalesReturn, true, true, "12.5", "4"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(kindName(c.kind));
        TradeStore t;
        t.s.session.options.AutoSalesPrice = c.autoSales;
        t.s.session.options.AutoPurchasePrice = c.autoPurchase;
        TradeDocument doc = oneLine(t, c.kind, "1");
        doc.lines[0].price = QStringLiteral("13");
        doc.lines[0].discount = QStringLiteral("50");
        t.saved(c.kind, doc);
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theXS FROM SShop WHERE ID = ?"), {t.screws}), money(c.sales));
        EXPECT_EQ(t.moneyAt(QStringLiteral("SELECT theJH FROM SShop WHERE ID = ?"), {t.screws}), money(c.purchase));
    }
}

// A save is one transaction: an engine error at any statement leaves no trace of it, not
// even the removal of an edited document's old lines. A cost word the costing cannot use is
// refused before anything is written.
TEST(TradeSave, EngineErrorLeavesNothingWritten)
{
    struct Case {
        TradeKind kind;
        const char *failOn; // the statement the engine refuses
        bool editPreSaved;
    };
    const Case cases[] = {
        {TradeKind::SalesIssue, "INSERT ON UList", false},     // the very last statement
        {TradeKind::SalesIssue, "INSERT ON SList", true},      // posting an edited pre-saved document
        {TradeKind::PurchaseReceipt, "UPDATE OF theCB ON SShop", false}, // costing of the first line
        {TradeKind::PurchaseReturn, "INSERT ON UCG_O_SK", false},
        {TradeKind::SalesReturn, "UPDATE ON SUnits", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(kindName(c.kind)) + ": " + c.failOn);
        TradeStore t;
        TradeDocument doc = t.document(c.kind);
        if (c.editPreSaved) {
            TradeDocument pre = doc;
            pre.header.preSave = true;
            doc.header.myNum = t.saved(c.kind, pre).number;
            doc.lines.pop_back();
        }
        doc.header.received = QStringLiteral("10");
        t.s.db->exec(QStringLiteral("CREATE TRIGGER fail BEFORE %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                         .arg(u8(c.failOn)));
        const QString before = t.book();
        EXPECT_THROW(saveTradeDocument(*t.s.db, t.s.session, c.kind, doc), DbError);
        EXPECT_EQ(t.book(), before);
        EXPECT_EQ(t.s.db->transactionDepth(), 0);
        // The store is usable afterwards: the same save goes through once the fault is gone.
        t.s.db->exec(QStringLiteral("DROP TRIGGER fail"));
        EXPECT_FALSE(t.saved(c.kind, doc).number.isEmpty());
    }

    TradeStore t;
    t.s.session.options.CostMethod = u8("平均");
    for (bool preSave : {false, true}) {
        TradeDocument doc = t.document(TradeKind::PurchaseReceipt);
        doc.header.preSave = preSave;
        const QString before = t.book();
        EXPECT_EQ(t.refused(TradeKind::PurchaseReceipt, doc).message,
                  u8("成本核算方法“平均”无效，请在系统设置中重新选择！"));
        EXPECT_EQ(t.book(), before);
    }
}

// A table the save needs is gone: the engine's error, and nothing of the save stays behind.
TEST(TradeSave, MissingTableLeavesNothingWritten)
{
    TradeStore t;
    t.s.db->exec(QStringLiteral("DROP TABLE UXS_SK"));
    QStringList tables = TradeStore::AllTables;
    tables.removeAll(QStringLiteral("UXS_SK"));
    const QString before = t.book(tables);
    EXPECT_THROW(saveSalesIssue(*t.s.db, t.s.session, t.document(TradeKind::SalesIssue)), DbError);
    EXPECT_EQ(t.book(tables), before);
}

// Typed texts go into the book exactly as typed, quotes and all.
TEST(TradeSave, TypedTextsSaveAsTyped)
{
    const QString odd = u8("O'Neil \"老王\"'); DROP TABLE UXS; --");
    for (TradeKind kind : AllKinds) {
        SCOPED_TRACE(kindName(kind));
        TradeStore t;
        t.s.session.options.AllowNegative = true;
        TradeDocument doc = t.document(kind);
        doc.header.remark = odd;
        doc.header.partnerName = odd + u8("商行");
        doc.header.warehouse = odd + u8("仓");
        doc.header.handler = odd;
        doc.header.account = odd;
        doc.header.person = odd;
        doc.lines[0].remark = odd;
        const QString number = t.saved(kind, doc).number;
        const QString header = kind == TradeKind::SalesIssue        ? QStringLiteral("UXS")
                               : kind == TradeKind::PurchaseReceipt ? QStringLiteral("UJH")
                               : kind == TradeKind::PurchaseReturn  ? QStringLiteral("UCG_O")
                                                                    : QStringLiteral("UXS_O");
        QSqlQuery h = t.s.db->exec(QStringLiteral("SELECT Remark, MName, WName, UName, AName FROM %1 WHERE theNum = ?")
                                       .arg(header),
                                   {number});
        ASSERT_TRUE(h.next());
        EXPECT_EQ(h.value(0).toString(), odd);
        EXPECT_EQ(h.value(1).toString(), odd + u8("商行"));
        EXPECT_EQ(h.value(2).toString(), odd + u8("仓"));
        EXPECT_EQ(h.value(3).toString(), odd);
        EXPECT_EQ(h.value(4).toString(), odd);
        EXPECT_EQ(t.value(QStringLiteral("SELECT Remark FROM %1_List WHERE SID = ?").arg(header), {t.nuts}).toString(),
                  odd);
        EXPECT_EQ(t.value(QStringLiteral("SELECT MName FROM UList")).toString(), odd);
        EXPECT_EQ(t.value(QStringLiteral("SELECT WName FROM SList LIMIT 1")).toString(), odd + u8("仓"));
    }
}
