#include "db/database.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>
#include <memory>

namespace qv {

struct Database::Cache {
    QHash<QString, std::shared_ptr<QSqlQuery>> queries;
};

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("qorvan-%1").arg(++counter);
}

// A null QString would be bound as SQL NULL; the program stores empty text instead.
QVariant bindable(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString && v.toString().isNull())
        return QVariant(QStringLiteral(""));
    return v;
}

QString engineMessage(const QSqlError &e)
{
    QString m = e.databaseText();
    if (m.isEmpty())
        m = e.text();
    return m;
}

} // namespace

Database::Database(const QString &connectionName, const QString &path)
    : connection_(connectionName), path_(path), cache_(new Cache)
{
}

Database::Database(Database &&other) noexcept
    : connection_(std::move(other.connection_)), path_(std::move(other.path_)),
      depth_(other.depth_), failed_(other.failed_), cache_(other.cache_)
{
    other.connection_.clear();
    other.cache_ = nullptr;
}

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::move(other.connection_);
        path_ = std::move(other.path_);
        depth_ = other.depth_;
        failed_ = other.failed_;
        cache_ = other.cache_;
        other.connection_.clear();
        other.cache_ = nullptr;
    }
    return *this;
}

Database::~Database() { close(); }

void Database::close()
{
    delete cache_;
    cache_ = nullptr;
    if (connection_.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
}

static void openConnection(const QString &name, const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        throw DbError(QStringLiteral("无法打开数据库文件 %1：%2").arg(path, engineMessage(db.lastError())));
}

Database Database::openExisting(const QString &path)
{
    QFileInfo fi(path);
    if (!fi.exists() || !fi.isFile())
        throw DbError(QStringLiteral("找不到数据库文件 %1").arg(QDir::toNativeSeparators(path)));
    if (!fi.isReadable())
        throw DbError(QStringLiteral("无法读取数据库文件 %1").arg(QDir::toNativeSeparators(path)));
    Database d(nextConnectionName(), path);
    openConnection(d.connection_, path);
    QVariant appId;
    try {
        appId = d.scalar(QStringLiteral("PRAGMA application_id"));
    } catch (const DbError &) {
        appId = QVariant();
    }
    if (!appId.isValid() || appId.toInt() != ApplicationId)
        throw DbError(QStringLiteral("%1 不是本软件的数据库文件").arg(QDir::toNativeSeparators(path)));
    d.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    // Write-ahead log: a commit costs one flush to disk instead of several, and stays durable
    // (synchronous FULL). A byte copy of the file must checkpoint first.
    d.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    d.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    d.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    return d;
}

Database Database::createNew(const QString &path)
{
    Database d(nextConnectionName(), path);
    openConnection(d.connection_, path);
    return d;
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(engineMessage(q.lastError()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, bindable(values[i]));
    if (!q.exec())
        throw DbError(engineMessage(q.lastError()));
    return q;
}

QVariant Database::scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = exec(sql, values);
    if (q.next())
        return q.value(0);
    return QVariant();
}

bool Database::exists(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = exec(sql, values);
    return q.next();
}

QStringList Database::texts(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = exec(sql, values);
    QStringList out;
    while (q.next())
        out << (q.value(0).isNull() ? QString() : q.value(0).toString());
    return out;
}

QSqlQuery &Database::cached(const QString &sql)
{
    auto it = cache_->queries.find(sql);
    if (it == cache_->queries.end()) {
        auto q = std::make_shared<QSqlQuery>(QSqlDatabase::database(connection_, false));
        q->setForwardOnly(true);
        if (!q->prepare(sql))
            throw DbError(engineMessage(q->lastError()));
        it = cache_->queries.insert(sql, q);
    }
    return **it;
}

void Database::run(QSqlQuery &q, const QVariantList &values)
{
    q.finish();
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, bindable(values[i]));
    if (!q.exec())
        throw DbError(engineMessage(q.lastError()));
}

void Database::begin()
{
    if (depth_ == 0) {
        failed_ = false;
        exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ++depth_;
}

void Database::commit()
{
    if (depth_ <= 0)
        return;
    if (depth_ == 1) {
        if (failed_) {
            rollback();
            throw DbError(QStringLiteral("事务已回滚"));
        }
        for (auto &q : cache_->queries)
            q->finish();
        exec(QStringLiteral("COMMIT"));
    }
    --depth_;
}

void Database::rollback()
{
    if (depth_ <= 0)
        return;
    if (depth_ > 1) {
        // An inner scope failed: the whole outer action must not stay half-written.
        failed_ = true;
        --depth_;
        return;
    }
    depth_ = 0;
    failed_ = false;
    for (auto &q : cache_->queries)
        q->finish();
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QStringLiteral("ROLLBACK"));
}

Transaction::Transaction(Database &db) : db_(db) { db_.begin(); }

Transaction::~Transaction()
{
    if (!done_)
        db_.rollback();
}

void Transaction::commit()
{
    done_ = true;
    db_.commit();
}

} // namespace qv
