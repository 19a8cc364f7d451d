#include "masterdata/namelists.h"

#include "app/session.h"
#include "db/database.h"
#include "masterdata/sqlparts.h"

namespace qv {

namespace {

NameListKind makeKind(const char *windowClass, const char *table, StateTable stateTable, const char *caption,
                      const char *menuItem, const char *group, const char *heading, const char *savedObject)
{
    NameListKind k;
    k.windowClass = QString::fromUtf8(windowClass);
    k.table = QString::fromUtf8(table);
    k.stateTable = stateTable;
    k.caption = QString::fromUtf8(caption);
    k.menuItem = QString::fromUtf8(menuItem);
    k.group = QString::fromUtf8(group);
    k.heading = QString::fromUtf8(heading);
    k.nameLabel = k.heading + QStringLiteral("：");
    k.emptyName = mustNotBeEmpty(k.heading);
    k.nameTaken = alreadyExists(k.heading);
    k.saved = savedMessage(QString::fromUtf8(savedObject));
    return k;
}

std::optional<QString> nameOf(Database &db, const NameListKind &kind, int id)
{
    const QVariant v = db.scalar(QStringLiteral("SELECT theName FROM %1 WHERE ID = ?").arg(kind.table), {id});
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

} // namespace

const NameListKind &wareList()
{
    static const NameListKind k = [] {
        NameListKind w = makeKind("TfrmWare", "SWare", StateTable::SWare, "仓库设置", "仓库设置 &S", "仓库信息",
                                  "仓库名称", "仓库信息");
        w.deleteGuardSql = QStringLiteral("SELECT ID FROM UKC WHERE WName = ?");
        w.deleteGuardMessage = QStringLiteral("该仓库有商品库存，不能删除！");
        return w;
    }();
    return k;
}

const NameListKind &staffList()
{
    static const NameListKind k = makeKind("TfrmStaff", "SStaff", StateTable::SStaff, "经手人管理", "经手人管理 &J",
                                           "经手人信息", "经手人姓名", "经手人信息");
    return k;
}

const NameListKind &accountList()
{
    static const NameListKind k = makeKind("TfrmAccount", "SAccount", StateTable::SAccount, "收付款方式设置",
                                           "收付款方式设置 &M", "收付款方式信息", "收付款方式", "收付款方式");
    return k;
}

RowSet queryNameList(Database &db, const NameListKind &kind)
{
    // Heading and table are the descriptor's own fixed texts, never typed.
    return fetchRows(db,
                     QStringLiteral("SELECT theName AS %1, Remark AS 备注, theState AS 状态, ID FROM %2 ORDER BY ID")
                         .arg(kind.heading, kind.table));
}

Outcome saveNameListEntry(Database &db, const NameListKind &kind, const QString &name, const QString &remark)
{
    if (name.isEmpty())
        return Outcome::refusedWith(kind.emptyName, QStringLiteral("theName"));
    Transaction tx(db);
    if (db.exists(QStringLiteral("SELECT ID FROM %1 WHERE theName = ?").arg(kind.table), {name}))
        return Outcome::refusedWith(kind.nameTaken, QStringLiteral("theName"));
    const QSqlQuery q =
        db.exec(QStringLiteral("INSERT INTO %1 (theName, Remark, theState) VALUES (?, ?, '启用')").arg(kind.table),
                {name, remark});
    const int id = q.lastInsertId().toInt();
    tx.commit();
    return Outcome::doneWith(id);
}

void setNameListState(Database &db, const NameListKind &kind, int id, bool enabled)
{
    myState(db, kind.stateTable, stateWord(enabled), id);
}

std::optional<Refusal> nameListDeleteGuard(Database &db, const NameListKind &kind, int id)
{
    if (kind.deleteGuardSql.isEmpty())
        return std::nullopt;
    const std::optional<QString> name = nameOf(db, kind, id);
    if (name && db.exists(kind.deleteGuardSql, {*name}))
        return Refusal{kind.deleteGuardMessage, QString()};
    return std::nullopt;
}

Outcome deleteNameListEntry(Database &db, const Session &session, const NameListKind &kind, int id)
{
    if (!session.mayDelete())
        return Outcome::notAllowedHere();
    Transaction tx(db);
    if (auto refusal = nameListDeleteGuard(db, kind, id))
        return Outcome::refusedWith(*refusal);
    db.exec(QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(kind.table), {id});
    tx.commit();
    return Outcome::doneWith(id);
}

} // namespace qv
