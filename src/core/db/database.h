#pragma once

#include "db/dberror.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>

namespace qv {

// The one shared connection to the program's database file. Every statement goes through
// exec() with its values bound, never pasted into the text; an engine error throws DbError.
class Database {
public:
    // Opens an existing database file; throws DbError naming the path when the file is
    // missing, unreadable or not one of ours. Nothing is created or changed.
    static Database openExisting(const QString &path);
    // Creates a new, empty SQLite file (the schema is laid by the caller).
    static Database createNew(const QString &path);

    Database(Database &&other) noexcept;
    Database &operator=(Database &&other) noexcept;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    const QString &path() const { return path_; }

    // Runs one statement with positional (?) bound values; the result is positioned before
    // its first row.
    QSqlQuery exec(const QString &sql, const QVariantList &values = {});
    QSqlQuery exec(const QString &sql, std::initializer_list<QVariant> values)
    {
        return exec(sql, QVariantList(values));
    }
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &values = {});
    bool exists(const QString &sql, const QVariantList &values = {});
    // The first column of every row, as text (null reads as empty text).
    QStringList texts(const QString &sql, const QVariantList &values = {});

    // Runs a statement prepared once and kept for the life of the connection; for the
    // hot paths of postings and lookups.
    QSqlQuery &cached(const QString &sql);
    void run(QSqlQuery &q, const QVariantList &values);

    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

private:
    explicit Database(const QString &connectionName, const QString &path);
    void close();

    QString connection_;
    QString path_;
    int depth_ = 0;
    bool failed_ = false;
    struct Cache;
    Cache *cache_ = nullptr;
    friend class Transaction;
};

// Scoped transaction: everything written between construction and commit() stays, or none
// of it when the scope is left without commit (an exception). Guards nest: only the
// outermost one talks to the engine, and an inner failure rolls back the whole.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &db_;
    bool done_ = false;
};

// The application identity stamped into every database this program creates.
inline constexpr int ApplicationId = 0x51564E31; // "QVN1"
inline constexpr int SchemaVersion = 1;

} // namespace qv
