#include "masterdata/goods.h"

#include "app/session.h"
#include "db/database.h"
#include "db/values.h"
#include "masterdata/sqlparts.h"
#include "services/numbering.h"
#include "services/postings.h"
#include "text/texttopy.h"

namespace qv {

namespace {

// Where the three parameter columns stand in the goods list.
constexpr int ParamColumn = 4;

// The values a goods row is written with, once the fields have passed their checks.
struct GoodsValues {
    Money purchasePrice, salesPrice, minStock, maxStock;
    QString pinyin;
    int discount = 100;
};

std::variant<GoodsValues, Refusal> checkFields(Database &db, const GoodsFields &f)
{
    if (f.number.isEmpty())
        return Refusal{mustNotBeEmpty(QStringLiteral("商品编码")), QStringLiteral("theNum")};
    if (f.name.isEmpty())
        return Refusal{mustNotBeEmpty(QStringLiteral("商品名称")), QStringLiteral("theName")};
    if (f.unit.isEmpty())
        return Refusal{mustNotBeEmpty(QStringLiteral("单位")), QStringLiteral("theUnit")};

    struct NumberField {
        const QString &text;
        const char *label;
        const char *column;
        Money GoodsValues::*target;
    };
    const NumberField numbers[] = {
        {f.purchasePrice, "采购单价", "theJH", &GoodsValues::purchasePrice},
        {f.salesPrice, "销售单价", "theXS", &GoodsValues::salesPrice},
        {f.minStock, "最低库存", "theKCMin", &GoodsValues::minStock},
        {f.maxStock, "最高库存", "theKCMax", &GoodsValues::maxStock},
    };
    GoodsValues v;
    for (const NumberField &n : numbers) {
        const std::optional<Money> m = Money::parseOrZero(n.text);
        if (!m)
            return Refusal{notANumber(QString::fromUtf8(n.label)), QString::fromLatin1(n.column)};
        v.*n.target = *m;
    }
    v.pinyin = TextToPY(f.name);
    v.discount = myRetZK(db, f.category);
    return v;
}

// The same goods are those alike in every field the entry window identifies them by.
bool sameGoodsExists(Database &db, const GoodsFields &f)
{
    return db.exists(QStringLiteral("SELECT ID FROM SShop WHERE (theName = ?) AND (theStand = ?) AND (theUnit = ?) "
                                    "AND (theType = ?) AND (theCD = '') AND (thePH = '') AND (theNum = ?) "
                                    "AND (theDel = '否')"),
                     {f.name, f.model, f.unit, f.category, f.number});
}

int insertGoods(Database &db, const Session &session, const GoodsFields &f, const GoodsValues &v)
{
    const QSqlQuery q = db.exec(
        QStringLiteral("INSERT INTO SShop (theType, theName, theUnit, theJH, Remark, thePY, theState, theNum, theDate, "
                       "theXS, theDel, theStand, theCB, theKCMin, theKCMax, theZK, theCD, thePH, MName, "
                       "theCS1, theCS2, theCS3) "
                       "VALUES (?, ?, ?, ?, ?, ?, '启用', ?, ?, ?, '否', ?, ?, ?, ?, ?, '', '', '', ?, ?, ?)"),
        {f.category, f.name, f.unit, v.purchasePrice.toDb(), f.remark, v.pinyin, f.number, session.WorkDate,
         v.salesPrice.toDb(), f.model, v.purchasePrice.toDb(), v.minStock.toDb(), v.maxStock.toDb(), v.discount,
         f.param1, f.param2, f.param3});
    // The ID of this very insert, not the highest ID in the table.
    return q.lastInsertId().toInt();
}

// Checks and insert of new goods, for the entry window and the quick add alike.
std::variant<NewGoodsLine, Refusal> addGoods(Database &db, const Session &session, const GoodsFields &f)
{
    Transaction tx(db);
    const auto checked = checkFields(db, f);
    if (const Refusal *r = std::get_if<Refusal>(&checked))
        return *r;
    const GoodsValues &v = std::get<GoodsValues>(checked);
    if (sameGoodsExists(db, f))
        return Refusal{alreadyExists(QStringLiteral("同一商品信息")), QString()};
    NewGoodsLine line;
    line.id = insertGoods(db, session, f, v);
    tx.commit();
    line.number = f.number;
    line.name = f.name;
    line.model = f.model;
    line.unit = f.unit;
    line.remark = f.remark;
    line.purchasePrice = v.purchasePrice;
    line.salesPrice = v.salesPrice;
    line.discount = v.discount;
    return line;
}

void updateGoods(Database &db, int id, const GoodsFields &f, const GoodsValues &v)
{
    db.exec(QStringLiteral("UPDATE SShop SET theType = ?, theName = ?, theUnit = ?, theJH = ?, Remark = ?, thePY = ?, "
                           "theNum = ?, theXS = ?, theStand = ?, theKCMin = ?, theKCMax = ?, theZK = ?, theCD = '', "
                           "thePH = '', theCS1 = ?, theCS2 = ?, theCS3 = ? WHERE ID = ?"),
            {f.category, f.name, f.unit, v.purchasePrice.toDb(), f.remark, v.pinyin, f.number, v.salesPrice.toDb(),
             f.model, v.minStock.toDb(), v.maxStock.toDb(), v.discount, f.param1, f.param2, f.param3, id});
}

} // namespace

QString nextGoodsNumber(Database &db, const Session &session)
{
    return NewSPNum(db, session.WorkDate);
}

GoodsFields quickAddFields(Database &db, const Session &session)
{
    GoodsFields f;
    f.number = nextGoodsNumber(db, session);
    f.minStock = session.options.DefMinStock;
    f.maxStock = session.options.DefMaxStock;
    return f;
}

std::optional<GoodsFields> loadGoods(Database &db, int id)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT theNum, theType, theName, theStand, theUnit, theJH, theXS, Remark, "
                                         "theKCMin, theKCMax, theCS1, theCS2, theCS3 FROM SShop WHERE ID = ?"),
                          {id});
    if (!q.next())
        return std::nullopt;
    const auto text = [&q](const char *column) { return textOf(q, QString::fromLatin1(column)); };
    const auto number = [&q](const char *column) { return moneyOf(q, QString::fromLatin1(column)).toString(); };
    GoodsFields f;
    f.number = text("theNum");
    f.category = text("theType");
    f.name = text("theName");
    f.model = text("theStand");
    f.unit = text("theUnit");
    f.purchasePrice = number("theJH");
    f.salesPrice = number("theXS");
    f.remark = text("Remark");
    f.minStock = number("theKCMin");
    f.maxStock = number("theKCMax");
    f.param1 = text("theCS1");
    f.param2 = text("theCS2");
    f.param3 = text("theCS3");
    return f;
}

Outcome saveGoods(Database &db, const Session &session, int id, const GoodsFields &fields)
{
    if (id == 0) {
        const auto added = addGoods(db, session, fields);
        if (const Refusal *r = std::get_if<Refusal>(&added))
            return Outcome::refusedWith(*r);
        return Outcome::doneWith(std::get<NewGoodsLine>(added).id);
    }
    if (!session.mayModify())
        return Outcome::notAllowedHere();
    Transaction tx(db);
    const auto checked = checkFields(db, fields);
    if (const Refusal *r = std::get_if<Refusal>(&checked))
        return Outcome::refusedWith(*r);
    updateGoods(db, id, fields, std::get<GoodsValues>(checked));
    tx.commit();
    return Outcome::doneWith(id);
}

std::variant<NewGoodsLine, Refusal> quickAddGoods(Database &db, const Session &session, const GoodsFields &fields)
{
    return addGoods(db, session, fields);
}

Condition goodsClause(GoodsFilterBox box, const QString &value)
{
    switch (box) {
    case GoodsFilterBox::Category: return equalsClause(QStringLiteral("theType"), value);
    case GoodsFilterBox::Name: return nameOrPinyinClause(value);
    case GoodsFilterBox::Number: return containsClause(QStringLiteral("theNum"), value);
    case GoodsFilterBox::Model: return containsClause(QStringLiteral("theStand"), value);
    case GoodsFilterBox::Unit: return containsClause(QStringLiteral("theUnit"), value);
    case GoodsFilterBox::Remark: return containsClause(QStringLiteral("Remark"), value);
    }
    return {};
}

Condition goodsCondition(const GoodsFilter &filter)
{
    const std::pair<GoodsFilterBox, const std::optional<QString> &> boxes[] = {
        {GoodsFilterBox::Category, filter.category}, {GoodsFilterBox::Name, filter.name},
        {GoodsFilterBox::Number, filter.number},     {GoodsFilterBox::Model, filter.model},
        {GoodsFilterBox::Unit, filter.unit},         {GoodsFilterBox::Remark, filter.remark},
    };
    Condition c;
    for (const auto &[box, value] : boxes)
        if (value)
            c.add(goodsClause(box, *value));
    return c;
}

RowSet queryGoods(Database &db, const StoreOptions &options, const Condition &where)
{
    const QString sql =
        QStringLiteral("SELECT theNum AS 商品编码, theType AS 商品分类, theName AS 商品名称, theStand AS 规格型号, "
                       "theCS1, theCS2, theCS3, theUnit AS 单位, theJH AS 采购单价, theXS AS 销售单价, "
                       "theZK AS 销售折扣, Remark AS 备注, theKCMin AS 最低库存, theKCMax AS 最高库存, "
                       "theState AS 状态, ID, thePY FROM SShop WHERE (theDel = '否')") +
        where.sql + QStringLiteral(" ORDER BY theType, theName, theUnit");
    RowSet rows = fetchRows(db, sql, where.values,
                            {QStringLiteral("采购单价"), QStringLiteral("销售单价"), QStringLiteral("最低库存"),
                             QStringLiteral("最高库存")});
    // The parameter columns are headed by the store's labels. They are named here rather than
    // in the statement: a label is store text, and the driver would drop quotes from it.
    const QString labels[] = {options.ParamLabel1, options.ParamLabel2, options.ParamLabel3};
    for (int i = 0; i < 3; ++i)
        rows.columns[ParamColumn + i].name = labels[i];
    return rows;
}

void setGoodsState(Database &db, int id, bool enabled)
{
    myState(db, StateTable::SShop, stateWord(enabled), id);
}

bool goodsHasStock(Database &db, int id)
{
    return db.exists(QStringLiteral("SELECT ID FROM UKC WHERE SID = ?"), {id});
}

Outcome deleteGoods(Database &db, const Session &session, int id)
{
    if (!session.mayDelete())
        return Outcome::notAllowedHere();
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SShop SET theDel = '是' WHERE ID = ?"), {id});
    tx.commit();
    return Outcome::doneWith(id);
}

Outcome saveGoodsPinyin(Database &db, const Session &session, int id, const QString &code)
{
    if (!session.mayModify())
        return Outcome::notAllowedHere();
    if (code.isEmpty())
        return Outcome::refusedWith(mustNotBeEmpty(QStringLiteral("拼音码")), QStringLiteral("thePY"));
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SShop SET thePY = ? WHERE ID = ?"), {code, id});
    tx.commit();
    return Outcome::doneWith(id);
}

} // namespace qv
