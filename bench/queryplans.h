#pragma once

#include <QHash>
#include <QString>
#include <cstdio>
#include <vector>

struct sqlite3;

namespace qv {
class Database;
}

namespace qv::bench {

// Records every statement the connection finishes, with how many rows it stepped through in
// full-table scans, and prints each statement's query plan: a lookup that scans where an
// index would serve shows up here rather than in a slow window.
class StatementTrace {
public:
    explicit StatementTrace(Database &db);
    ~StatementTrace();
    StatementTrace(const StatementTrace &) = delete;
    StatementTrace &operator=(const StatementTrace &) = delete;

    // Stops recording and prints the statements in the order first seen; returns how many
    // of them scan.
    int report(std::FILE *out);

private:
    struct Entry {
        QString sql;
        qint64 runs = 0, fullScanSteps = 0, sorts = 0, autoIndexes = 0, nanos = 0;
    };
    static int onTrace(unsigned type, void *context, void *statement, void *elapsed);
    QStringList plan(const QString &sql) const;

    sqlite3 *handle_ = nullptr;
    std::vector<Entry> entries_;
    QHash<QString, size_t> bySql_;
};

// While one exists, statements are not recorded: for the untimed work of a case (taking
// back what a round wrote), which is no lookup of the program's.
class TracePause {
public:
    TracePause();
    ~TracePause();
    TracePause(const TracePause &) = delete;
    TracePause &operator=(const TracePause &) = delete;
};

// The engine handle behind one of our connections (the Qt driver keeps it).
sqlite3 *engineHandle(Database &db);

} // namespace qv::bench
