#pragma once

#include "money/money.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace qv {

// Readings of a result column in the forms the windows show.
inline QString textOf(const QVariant &v) { return v.isNull() ? QString() : v.toString(); }
inline QString textOf(const QSqlQuery &q, const QString &column) { return textOf(q.value(column)); }
// A yes/no column reads back as "True" or "False".
inline QString yesNoText(const QVariant &v) { return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False"); }
inline bool yesNo(const QVariant &v) { return v.toLongLong() != 0; }
inline Money moneyOf(const QSqlQuery &q, const QString &column) { return Money::fromDb(q.value(column)); }

} // namespace qv
