#pragma once

#include "db/database.h"
#include "money/money.h"
#include "testdb.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>
#include <string>

namespace qv::test {

inline QString u8(const char *s)
{
    return QString::fromUtf8(s);
}
inline Money amount(const char *text)
{
    return *Money::parse(QString::fromUtf8(text));
}
inline qint64 rowCount(Database &db, const char *table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromLatin1(table))).toLongLong();
}

// Every row of the master-data tables and the stock as text, one line a row, to show that a
// refused action wrote nothing.
inline std::string masterSnapshot(Database &db)
{
    QStringList out;
    for (const char *table : {"SShop", "SType", "SUnits", "SWare", "SStaff", "SAccount", "UKC"}) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QString::fromLatin1(table)));
        while (q.next()) {
            QStringList cells{QString::fromLatin1(table)};
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            out << cells.join(u'|');
        }
    }
    return out.join(u'\n').toStdString();
}

// One column of one row, read by ID.
inline QVariant cell(Database &db, const char *table, int id, const char *column)
{
    return db.scalar(
        QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?").arg(QString::fromLatin1(column), QString::fromLatin1(table)),
        {id});
}
inline QString textCell(Database &db, const char *table, int id, const char *column)
{
    return cell(db, table, id, column).toString();
}
inline Money moneyCell(Database &db, const char *table, int id, const char *column)
{
    return Money::fromDb(cell(db, table, id, column));
}

inline int addCategory(Database &db, const QString &name, int discount, const QString &state = QStringLiteral("启用"))
{
    const QSqlQuery q =
        db.exec(QStringLiteral("INSERT INTO SType (theName, Remark, theState, theZK) VALUES (?, '', ?, ?)"),
                {name, state, discount});
    return q.lastInsertId().toInt();
}

// A live goods row with just a name, as any save would leave it.
inline int addGoodsRow(Database &db, const QString &name)
{
    const QSqlQuery q =
        db.exec(QStringLiteral("INSERT INTO SShop (theNum, theType, theName, theUnit, theState, theDel, "
                               "theDate, thePY) VALUES (?, '', ?, '', '启用', '否', '2024-03-01', '')"),
                {name, name});
    return q.lastInsertId().toInt();
}

} // namespace qv::test
