#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace qv {

class Database;

// Column kinds of the stored tables. Money and quantity columns hold whole ten-thousandths
// (see Money); yes/no columns hold 0 or 1 and read back as "True"/"False".
enum class ColumnKind { AutoNumber, Text, Money, Integer, YesNo };

struct ColumnDef {
    QString name;
    ColumnKind kind;
    int width = 0;          // text width the entry windows keep to; 0 = not fixed
    QString defaultValue;   // SQL literal, empty for none
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
};

// Every table of the database, in creation order.
const std::vector<TableDef> &schemaTables();
const TableDef *findTable(const QString &name);

// Creates every table, index and initial row in an empty database, in one transaction.
void createSchema(Database &db);

} // namespace qv
