#pragma once

#include "db/condition.h"

#include <QString>

namespace qv {

// Pieces the master-data queries share.

// The state words of the enable/disable switch.
inline QString stateWord(bool enabled)
{
    return enabled ? QStringLiteral("启用") : QStringLiteral("停用");
}

// Filter clauses of the list windows. `column` is always one of ours, never typed text.
inline Condition containsClause(const QString &column, const QString &text)
{
    return Condition().add(QStringLiteral(" AND (") + column + LikeEscaped + QStringLiteral(")"),
                           {containsPattern(text)});
}
inline Condition equalsClause(const QString &column, const QString &value)
{
    return Condition().add(QStringLiteral(" AND (") + column + QStringLiteral(" = ?)"), {value});
}
// A name search finds the name or its pinyin code.
inline Condition nameOrPinyinClause(const QString &text)
{
    const QString p = containsPattern(text);
    return Condition().add(QStringLiteral(" AND (theName") + LikeEscaped + QStringLiteral(" OR thePY") + LikeEscaped +
                               QStringLiteral(")"),
                           {p, p});
}

} // namespace qv
