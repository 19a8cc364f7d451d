#pragma once

#include "money/money.h"

#include <QString>

namespace qv {

class Database;

// Stock on hand per warehouse and goods (UKC) and the partners' running balances.
// A missing stock row is created by the first posting of its pair; postings never delete
// rows and never check the sign (whether stock may go negative is the caller's decision).

void KC_Up(Database &db, const QString &warehouse, int goodsId, Money quantity);
void KC_Do(Database &db, const QString &warehouse, int goodsId, Money quantity);
// Stock of the pair; 0 when there is no row.
Money myRetKC(Database &db, const QString &warehouse, int goodsId);

// Partner balances: theYS (the partner owes the store), theYF (the store owes the partner).
// An id matching no partner changes nothing.
void YS_Up(Database &db, int partnerId, Money amount);
void YS_Do(Database &db, int partnerId, Money amount);
void YF_Up(Database &db, int partnerId, Money amount);
void YF_Do(Database &db, int partnerId, Money amount);

// The tables whose rows are switched between "启用" and "停用".
enum class StateTable { SUser, SShop, SType, SWare, SAccount, SStaff, SUnits };
void myState(Database &db, StateTable table, const QString &state, int id);

} // namespace qv
