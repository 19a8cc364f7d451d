#pragma once

#include <QString>
#include <QVariantList>

namespace qv {

// A filter condition built from the ticked boxes of a list window: SQL fragments in order
// (" AND (theName LIKE ? ESCAPE '\')") with their bound values. The list window keeps one as
// its Lab_where; no typed text ever enters the SQL itself.
struct Condition {
    QString sql;
    QVariantList values;

    Condition &add(const QString &fragment, const QVariantList &fragmentValues = {})
    {
        sql += fragment;
        values += fragmentValues;
        return *this;
    }
    Condition &add(const Condition &other) { return add(other.sql, other.values); }
    bool isEmpty() const { return sql.isEmpty(); }
};

// Pattern for "column LIKE ? ESCAPE '\'" that finds text anywhere, taking % and _ in the
// typed text literally.
inline QString containsPattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// The LIKE operator that goes with containsPattern.
inline const QString LikeEscaped = QStringLiteral(" LIKE ? ESCAPE '\\'");

} // namespace qv
