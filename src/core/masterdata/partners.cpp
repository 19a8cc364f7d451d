#include "masterdata/partners.h"

#include "app/session.h"
#include "db/database.h"
#include "db/values.h"
#include "masterdata/sqlparts.h"
#include "services/postings.h"
#include "text/texttopy.h"

#include <variant>

namespace qv {

namespace {

struct Balances {
    Money receivable, payable;
};

std::optional<Refusal> checkName(const PartnerFields &f)
{
    if (f.name.isEmpty())
        return Refusal{mustNotBeEmpty(QStringLiteral("单位名称")), QStringLiteral("theName")};
    return std::nullopt;
}

std::variant<Balances, Refusal> checkBalances(const PartnerFields &f)
{
    const std::optional<Money> receivable = Money::parseOrZero(f.receivable);
    if (!receivable)
        return Refusal{notANumber(QStringLiteral("应收金额")), QStringLiteral("theYS")};
    const std::optional<Money> payable = Money::parseOrZero(f.payable);
    if (!payable)
        return Refusal{notANumber(QStringLiteral("应付金额")), QStringLiteral("theYF")};
    return Balances{*receivable, *payable};
}

int insertPartner(Database &db, const PartnerFields &f, const QString &type, const Balances &b)
{
    const QSqlQuery q = db.exec(
        QStringLiteral("INSERT INTO SUnits (theName, thePro, thePho, theAdd, Remark, thePY, theState, theDel, theType, "
                       "theYS, theYF) VALUES (?, ?, ?, ?, ?, ?, '启用', '否', ?, ?, ?)"),
        {f.name, f.contact, f.phone, f.address, f.remark, TextToPY(f.name), type, b.receivable.toDb(),
         b.payable.toDb()});
    return q.lastInsertId().toInt();
}

// Checks and insert of a new partner; `duplicateSql` is the live-partner test with the
// values in `duplicateValues`.
Outcome addPartner(Database &db, const PartnerFields &f, const QString &type, const QString &duplicateSql,
                   const QVariantList &duplicateValues, const QString &duplicateMessage)
{
    if (const auto r = checkName(f))
        return Outcome::refusedWith(*r);
    const auto balances = checkBalances(f);
    if (const Refusal *r = std::get_if<Refusal>(&balances))
        return Outcome::refusedWith(*r);
    Transaction tx(db);
    if (db.exists(duplicateSql, duplicateValues))
        return Outcome::refusedWith(duplicateMessage, QStringLiteral("theName"));
    const int id = insertPartner(db, f, type, std::get<Balances>(balances));
    tx.commit();
    return Outcome::doneWith(id);
}

} // namespace

Outcome savePartner(Database &db, const Session &session, int id, const PartnerFields &fields)
{
    if (id == 0)
        return addPartner(
            db, fields, fields.type,
            QStringLiteral("SELECT ID FROM SUnits WHERE (theName = ?) AND (thePro = ?) AND (theDel = '否')"),
            {fields.name, fields.contact}, alreadyExists(QStringLiteral("单位名称及联系人")));
    if (!session.mayModify())
        return Outcome::notAllowedHere();
    if (const auto r = checkName(fields))
        return Outcome::refusedWith(*r);
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SUnits SET theName = ?, thePro = ?, thePho = ?, theAdd = ?, Remark = ?, thePY = ?, "
                           "theType = ? WHERE ID = ?"),
            {fields.name, fields.contact, fields.phone, fields.address, fields.remark, TextToPY(fields.name),
             fields.type, id});
    tx.commit();
    return Outcome::doneWith(id);
}

QString partnerTypeForCaller(const QString &callerCode)
{
    static const QStringList suppliers{QStringLiteral("jh"), QStringLiteral("cgth"), QStringLiteral("fk")};
    static const QStringList customers{QStringLiteral("xs"), QStringLiteral("xsth"), QStringLiteral("sk")};
    if (suppliers.contains(callerCode))
        return QStringLiteral("供应商");
    if (customers.contains(callerCode))
        return QStringLiteral("客户");
    return QStringLiteral("两者皆是");
}

Outcome quickAddPartner(Database &db, const QString &callerCode, const PartnerFields &fields)
{
    return addPartner(db, fields, partnerTypeForCaller(callerCode),
                      QStringLiteral("SELECT ID FROM SUnits WHERE (theName = ?) AND (theDel = '否')"), {fields.name},
                      alreadyExists(QStringLiteral("单位名称")));
}

Condition partnerClause(PartnerFilterBox box, const QString &value)
{
    switch (box) {
    case PartnerFilterBox::Name: return nameOrPinyinClause(value);
    case PartnerFilterBox::Contact: return containsClause(QStringLiteral("thePro"), value);
    case PartnerFilterBox::Phone: return containsClause(QStringLiteral("thePho"), value);
    case PartnerFilterBox::Address: return containsClause(QStringLiteral("theAdd"), value);
    case PartnerFilterBox::Remark: return containsClause(QStringLiteral("Remark"), value);
    case PartnerFilterBox::Type: return equalsClause(QStringLiteral("theType"), value);
    }
    return {};
}

Condition partnerCondition(const PartnerFilter &filter)
{
    const std::pair<PartnerFilterBox, const std::optional<QString> &> boxes[] = {
        {PartnerFilterBox::Name, filter.name},     {PartnerFilterBox::Contact, filter.contact},
        {PartnerFilterBox::Phone, filter.phone},   {PartnerFilterBox::Address, filter.address},
        {PartnerFilterBox::Remark, filter.remark}, {PartnerFilterBox::Type, filter.type},
    };
    Condition c;
    for (const auto &[box, value] : boxes)
        if (value)
            c.add(partnerClause(box, *value));
    return c;
}

RowSet queryPartners(Database &db, const Condition &where)
{
    return fetchRows(
        db,
        QStringLiteral("SELECT theType AS 单位类型, theName AS 单位名称, thePro AS 联系人, thePho AS 联系电话, "
                       "theAdd AS 地址, Remark AS 备注, theState AS 状态, thePY, ID, theYS, theYF "
                       "FROM SUnits WHERE (theDel = '否')") +
            where.sql + QStringLiteral(" ORDER BY theType, theName"),
        where.values, {QStringLiteral("theYS"), QStringLiteral("theYF")});
}

void setPartnerState(Database &db, int id, bool enabled)
{
    myState(db, StateTable::SUnits, stateWord(enabled), id);
}

Outcome deletePartner(Database &db, const Session &session, int id)
{
    if (!session.mayDelete())
        return Outcome::notAllowedHere();
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SUnits SET theDel = '是' WHERE ID = ?"), {id});
    tx.commit();
    return Outcome::doneWith(id);
}

std::optional<PartnerView> viewPartner(Database &db, int id)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT theName, thePro, thePho, theAdd, Remark, theYS, theYF FROM SUnits "
                                         "WHERE ID = ?"),
                          {id});
    if (!q.next())
        return std::nullopt;
    PartnerView v;
    v.name = textOf(q, QStringLiteral("theName"));
    v.contact = textOf(q, QStringLiteral("thePro"));
    v.phone = textOf(q, QStringLiteral("thePho"));
    v.address = textOf(q, QStringLiteral("theAdd"));
    v.remark = textOf(q, QStringLiteral("Remark"));
    v.receivable = moneyOf(q, QStringLiteral("theYS"));
    v.payable = moneyOf(q, QStringLiteral("theYF"));
    return v;
}

} // namespace qv
