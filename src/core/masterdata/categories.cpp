#include "masterdata/categories.h"

#include "app/session.h"
#include "db/database.h"
#include "masterdata/sqlparts.h"
#include "services/postings.h"

#include <variant>

namespace qv {

namespace {

// A discount is a whole percentage of at most three digits (0-999), as its box takes it.
std::variant<int, Refusal> checkDiscount(const QString &text)
{
    const QString field = QStringLiteral("theZK");
    if (text.isEmpty())
        return Refusal{mustNotBeEmpty(QStringLiteral("销售折扣")), field};
    bool digitsOnly = text.size() <= 3;
    for (const QChar c : text)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    if (!digitsOnly)
        return Refusal{notANumber(QStringLiteral("销售折扣")), field};
    return text.toInt();
}

} // namespace

RowSet queryCategories(Database &db)
{
    return fetchRows(db, QStringLiteral("SELECT theName AS 商品分类, theZK AS 销售折扣, Remark AS 备注, "
                                        "theState AS 状态, ID FROM SType ORDER BY ID"));
}

Outcome saveCategory(Database &db, const QString &name, const QString &discountText, const QString &remark)
{
    if (name.isEmpty())
        return Outcome::refusedWith(mustNotBeEmpty(QStringLiteral("商品分类")), QStringLiteral("theName"));
    const auto discount = checkDiscount(discountText);
    if (const Refusal *r = std::get_if<Refusal>(&discount))
        return Outcome::refusedWith(*r);
    Transaction tx(db);
    if (db.exists(QStringLiteral("SELECT ID FROM SType WHERE theName = ?"), {name}))
        return Outcome::refusedWith(alreadyExists(QStringLiteral("商品分类")), QStringLiteral("theName"));
    const QSqlQuery q =
        db.exec(QStringLiteral("INSERT INTO SType (theName, Remark, theState, theZK) VALUES (?, ?, '启用', ?)"),
                {name, remark, std::get<int>(discount)});
    const int id = q.lastInsertId().toInt();
    tx.commit();
    return Outcome::doneWith(id);
}

void setCategoryState(Database &db, int id, bool enabled)
{
    myState(db, StateTable::SType, stateWord(enabled), id);
}

bool categoryHasGoods(Database &db, int id)
{
    return db.exists(QStringLiteral("SELECT ID FROM SShop WHERE (theType = (SELECT theName FROM SType WHERE ID = ?)) "
                                    "AND (theDel = '否')"),
                     {id});
}

Outcome deleteCategory(Database &db, const Session &session, int id)
{
    if (!session.mayDelete())
        return Outcome::notAllowedHere();
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM SType WHERE ID = ?"), {id});
    tx.commit();
    return Outcome::doneWith(id);
}

Outcome setCategoryDiscount(Database &db, const Session &session, int categoryId, const QString &discountText)
{
    if (!session.mayModify())
        return Outcome::notAllowedHere();
    const auto discount = checkDiscount(discountText);
    if (const Refusal *r = std::get_if<Refusal>(&discount))
        return Outcome::refusedWith(*r);
    // The category and its goods change together or not at all.
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SShop SET theZK = ? WHERE theType = (SELECT theName FROM SType WHERE ID = ?)"),
            {std::get<int>(discount), categoryId});
    db.exec(QStringLiteral("UPDATE SType SET theZK = ? WHERE ID = ?"), {std::get<int>(discount), categoryId});
    tx.commit();
    return Outcome::doneWith(categoryId);
}

Outcome setGoodsDiscount(Database &db, const Session &session, int goodsId, const QString &discountText)
{
    if (!session.mayModify())
        return Outcome::notAllowedHere();
    const auto discount = checkDiscount(discountText);
    if (const Refusal *r = std::get_if<Refusal>(&discount))
        return Outcome::refusedWith(*r);
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SShop SET theZK = ? WHERE ID = ?"), {std::get<int>(discount), goodsId});
    tx.commit();
    return Outcome::doneWith(goodsId);
}

} // namespace qv
