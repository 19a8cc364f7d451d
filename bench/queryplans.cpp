#include "queryplans.h"

#include "db/database.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <sqlite3.h>

namespace qv::bench {

namespace {
int pauses = 0;
}

TracePause::TracePause() { ++pauses; }
TracePause::~TracePause() { --pauses; }

sqlite3 *engineHandle(Database &db)
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        QSqlDatabase c = QSqlDatabase::database(name, false);
        if (c.databaseName() != db.path())
            continue;
        const QVariant h = c.driver()->handle();
        if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3 *const *>(h.constData());
    }
    throw DbError(QStringLiteral("no engine handle for %1").arg(db.path()));
}

StatementTrace::StatementTrace(Database &db) : handle_(engineHandle(db))
{
    sqlite3_trace_v2(handle_, SQLITE_TRACE_PROFILE, &StatementTrace::onTrace, this);
}

StatementTrace::~StatementTrace() { sqlite3_trace_v2(handle_, 0, nullptr, nullptr); }

int StatementTrace::onTrace(unsigned type, void *context, void *statement, void *elapsed)
{
    if (type != SQLITE_TRACE_PROFILE)
        return 0;
    auto *self = static_cast<StatementTrace *>(context);
    auto *stmt = static_cast<sqlite3_stmt *>(statement);
    if (pauses > 0) {
        // Still reset the counters, so that they do not land on the statement's next run.
        for (int counter : {SQLITE_STMTSTATUS_FULLSCAN_STEP, SQLITE_STMTSTATUS_SORT, SQLITE_STMTSTATUS_AUTOINDEX})
            sqlite3_stmt_status(stmt, counter, 1);
        return 0;
    }
    const QString sql = QString::fromUtf8(sqlite3_sql(stmt));
    auto it = self->bySql_.find(sql);
    if (it == self->bySql_.end()) {
        it = self->bySql_.insert(sql, self->entries_.size());
        self->entries_.push_back(Entry{sql});
    }
    Entry &e = self->entries_[*it];
    ++e.runs;
    // Reset the counters so that the next run of a kept statement counts only itself.
    e.fullScanSteps += sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_FULLSCAN_STEP, 1);
    e.sorts += sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_SORT, 1);
    e.autoIndexes += sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_AUTOINDEX, 1);
    e.nanos += *static_cast<sqlite3_int64 *>(elapsed);
    return 0;
}

QStringList StatementTrace::plan(const QString &sql) const
{
    QStringList lines;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(handle_, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        lines << QString::fromUtf8(sqlite3_errmsg(handle_));
        sqlite3_finalize(stmt);
        return lines;
    }
    QHash<int, int> depth;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const int id = sqlite3_column_int(stmt, 0);
        const int parent = sqlite3_column_int(stmt, 1);
        depth[id] = depth.value(parent, -1) + 1;
        lines << QString(depth[id] * 2, u' ') + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 3)));
    }
    sqlite3_finalize(stmt);
    return lines;
}

int StatementTrace::report(std::FILE *out)
{
    // Stop recording first: the plans below are statements of their own.
    sqlite3_trace_v2(handle_, 0, nullptr, nullptr);
    int scanning = 0;
    int n = 0;
    for (const Entry &e : entries_) {
        const QString head = e.sql.trimmed().section(u' ', 0, 0).toUpper();
        if (head == u"BEGIN" || head == u"COMMIT" || head == u"ROLLBACK" || head == u"PRAGMA")
            continue;
        const QStringList steps = plan(e.sql);
        // "SCAN" walks a whole table or index instead of seeking; the engine's own counter
        // says whether a table was actually walked while the cases ran.
        bool scans = e.fullScanSteps > 0 || e.autoIndexes > 0;
        for (const QString &s : steps)
            scans = scans || s.trimmed().startsWith(u"SCAN ");
        scanning += scans;
        std::fprintf(out, "[%d] %s runs %lld, mean %.1f us, full-scan steps per run %.1f, sorts per run %.2f\n", ++n,
                     scans ? "SCANS" : "ok", e.runs, e.nanos / 1000.0 / double(e.runs),
                     double(e.fullScanSteps) / double(e.runs), double(e.sorts) / double(e.runs));
        std::fprintf(out, "    %s\n", qPrintable(e.sql.simplified()));
        for (const QString &s : steps)
            std::fprintf(out, "      %s\n", qPrintable(s));
    }
    return scanning;
}

} // namespace qv::bench
