#pragma once

#include "db/rowset.h"
#include "masterdata/outcome.h"
#include "services/postings.h"

#include <QString>

namespace qv {

class Database;
struct Session;

// The three short name lists documents pick from by name: warehouses (TfrmWare), handlers
// (TfrmStaff) and settlement accounts (TfrmAccount). One window and these functions serve
// all three; each member is a descriptor holding its table and every text its window shows.
struct NameListKind {
    QString windowClass; // "TfrmWare"
    QString table;       // "SWare"
    StateTable stateTable;
    QString caption;   // window caption "仓库设置"
    QString menuItem;  // main-menu item "仓库设置 &S"
    QString group;     // group box of the entry block "仓库信息"
    QString nameLabel; // "仓库名称："
    QString heading;   // the name column of the list "仓库名称"
    QString emptyName; // "仓库名称 不能为空，请重新录入！"
    QString nameTaken; // "仓库名称 已存在，请重新录入！"
    QString saved;     // "恭喜！恭喜！ 仓库信息 保存成功！"
    // Rows elsewhere that name an entry and forbid its delete: a statement taking the name as
    // its one bound value, and the message when it finds a row. Empty when nothing guards.
    QString deleteGuardSql;
    QString deleteGuardMessage;
};

const NameListKind &wareList();
const NameListKind &staffList();
const NameListKind &accountList();

// The list (Ref): {heading}, 备注, 状态, ID, in the order the rows were added.
RowSet queryNameList(Database &db, const NameListKind &kind);

// "保存": adds an entry, enabled. Checks: name not empty; no entry of that name, enabled or
// not. Existing entries are never edited. Done carries the new ID; the window then shows
// kind.saved.
Outcome saveNameListEntry(Database &db, const NameListKind &kind, const QString &name, const QString &remark);

// "启用 &Q" / "停用 &T"; disabled entries leave the drop-downs (DBComWare, DBComStaff,
// DBComAccount) and keep everything that names them.
void setNameListState(Database &db, const NameListKind &kind, int id, bool enabled);

// The guard of "删除", asked before the delete question: the refusal when something still
// names the entry (a warehouse with any stock row, even of quantity 0), else nothing.
std::optional<Refusal> nameListDeleteGuard(Database &db, const NameListKind &kind, int id);
// "删除": removes the row, guard checked again. Needs CanDelete.
Outcome deleteNameListEntry(Database &db, const Session &session, const NameListKind &kind, int id);

} // namespace qv
