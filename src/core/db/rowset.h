#pragma once

#include "money/money.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace qv {

class Database;

// The rows of a list query, read in full, with the kind of each column so that money and
// quantities show in the general number form.
struct RowSet {
    enum class Kind { Text, Money, Integer };
    struct Column {
        QString name;
        Kind kind = Kind::Text;
    };
    std::vector<Column> columns;
    std::vector<QVariantList> rows;

    int size() const { return int(rows.size()); }
    int column(const QString &name) const;
    QVariant value(int row, const QString &name) const;
    // What a grid shows: money as general number text, null as empty text.
    QString text(int row, int col) const;
    QString text(int row, const QString &name) const { return text(row, column(name)); }
    Money money(int row, const QString &name) const;
};

// Runs a query and reads every row; the columns named in moneyColumns hold money.
RowSet fetchRows(Database &db, const QString &sql, const QVariantList &values = {},
                 const QSet<QString> &moneyColumns = {});

} // namespace qv
