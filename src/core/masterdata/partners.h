#pragma once

#include "db/condition.h"
#include "db/rowset.h"
#include "masterdata/outcome.h"
#include "money/money.h"

#include <QString>
#include <optional>

namespace qv {

class Database;
struct Session;

// Business partners (SUnits): the entry and edit window TfrmUnits_In, the quick add
// TfrmNewUnits of the document windows, the partner list TfrmUnits_M and the read-only view
// Tfrmunits_v.

// The fields of the partner entry window, as typed.
struct PartnerFields {
    QString name;                              // 单位名称 (theName)
    QString type = QStringLiteral("两者皆是"); // 单位类型 (theType): the drop-down's text
    QString contact;                           // 联系人 (thePro)
    QString phone;                             // 联系电话 (thePho)
    QString address;                           // 地址 (theAdd)
    QString remark;                            // 备注 (Remark)
    QString receivable;                        // 应收金额 (theYS), opening balance; empty means 0
    QString payable;                           // 应付金额 (theYF), opening balance; empty means 0
};

inline const QString PartnerSaved = savedMessage(QStringLiteral("往来单位信息"));

// Saves the entry window: id 0 adds a partner, otherwise edits partner `id`.
// Checks: name not empty; for a new partner the opening balances are numbers and no live
// partner has the same name and contact ("单位名称及联系人 已存在，请重新录入！").
// A new partner is enabled, with the opening balances and no ledger row. An edit writes
// name, contact, telephone, address, remark, pinyin code and type only: balances belong to
// the postings. Editing needs CanModify; adding needs no right.
Outcome savePartner(Database &db, const Session &session, int id, const PartnerFields &fields);

// The partner type a quick add gets from its caller: "供应商" for "jh", "cgth", "fk";
// "客户" for "xs", "xsth", "sk"; "两者皆是" otherwise.
QString partnerTypeForCaller(const QString &callerCode);
// Adds a partner from a document window (fields.type is not used: the caller code decides).
// Checks: name not empty; balances are numbers; no live partner of that name whatever its
// contact ("单位名称 已存在，请重新录入！"). Done carries the new ID for the caller's Lab_Units.
Outcome quickAddPartner(Database &db, const QString &callerCode, const PartnerFields &fields);

// The partner list's filter block: a ticked box holds its value.
struct PartnerFilter {
    std::optional<QString> name;    // "单位名称": name or pinyin code contains the text
    std::optional<QString> contact; // "联  系  人"
    std::optional<QString> phone;   // "联系电话"
    std::optional<QString> address; // "地        址"
    std::optional<QString> remark;  // "备        注"
    std::optional<QString> type;    // "单位类型": exact
};
// The boxes in the order their clauses join the condition.
enum class PartnerFilterBox { Name, Contact, Phone, Address, Remark, Type };
Condition partnerClause(PartnerFilterBox box, const QString &value);
// Lab_where of the partner list: the clauses of the ticked boxes in the order above.
Condition partnerCondition(const PartnerFilter &filter);

// The partner list (Ref): live partners matching the condition, ordered by type and name.
// Columns 单位类型, 单位名称, 联系人, 联系电话, 地址, 备注, 状态, thePY, ID, theYS, theYF; the
// balances are money columns.
RowSet queryPartners(Database &db, const Condition &where);

// "启用 &Q" / "停用 &T".
void setPartnerState(Database &db, int id, bool enabled);
// Marks the partner deleted; balances and documents are not looked at. Needs CanDelete.
Outcome deletePartner(Database &db, const Session &session, int id);

// What the view window shows.
struct PartnerView {
    QString name, contact, phone, address, remark;
    Money receivable, payable;
};
// The partner by ID, deleted or not; nothing when no such row.
std::optional<PartnerView> viewPartner(Database &db, int id);

} // namespace qv
