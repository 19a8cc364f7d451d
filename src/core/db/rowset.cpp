#include "db/rowset.h"

#include "db/database.h"

#include <QSqlRecord>

namespace qv {

int RowSet::column(const QString &name) const
{
    for (int i = 0; i < int(columns.size()); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RowSet::value(int row, const QString &name) const
{
    const int c = column(name);
    if (c < 0 || row < 0 || row >= size())
        return QVariant();
    return rows[row][c];
}

QString RowSet::text(int row, int col) const
{
    if (col < 0 || row < 0 || row >= size())
        return QString();
    const QVariant &v = rows[row][col];
    if (v.isNull())
        return QString();
    if (columns[col].kind == Kind::Money)
        return Money::fromDb(v).toString();
    return v.toString();
}

Money RowSet::money(int row, const QString &name) const { return Money::fromDb(value(row, name)); }

RowSet fetchRows(Database &db, const QString &sql, const QVariantList &values, const QSet<QString> &moneyColumns)
{
    QSqlQuery q = db.exec(sql, values);
    RowSet rs;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i) {
        RowSet::Column c{rec.fieldName(i)};
        if (moneyColumns.contains(c.name))
            c.kind = RowSet::Kind::Money;
        rs.columns.push_back(c);
    }
    while (q.next()) {
        QVariantList row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row << q.value(i);
        rs.rows.push_back(std::move(row));
    }
    // Integer columns are recognised from the data so that they sort as numbers.
    for (int c = 0; c < int(rs.columns.size()); ++c) {
        if (rs.columns[c].kind != RowSet::Kind::Text || rs.rows.empty())
            continue;
        bool allInts = true;
        for (const QVariantList &r : rs.rows) {
            const QVariant &v = r[c];
            if (!v.isNull() && v.typeId() != QMetaType::LongLong && v.typeId() != QMetaType::Int) {
                allInts = false;
                break;
            }
        }
        if (allInts)
            rs.columns[c].kind = RowSet::Kind::Integer;
    }
    return rs;
}

} // namespace qv
