#include "app/appsetup.h"

#include "db/database.h"
#include "db/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv {

static QString withSlash(QString dir)
{
    dir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString resolveAppPath(const QStringList &arguments, const QString &programDir)
{
    const int i = arguments.indexOf(QStringLiteral("--home"));
    if (i >= 0 && i + 1 < arguments.size())
        return withSlash(arguments[i + 1]);
    const QString env = qEnvironmentVariable("QORVAN_HOME");
    if (!env.isEmpty())
        return withSlash(env);
    return withSlash(programDir);
}

QString initDataFolder(const QString &dirArg)
{
    const QString dir = withSlash(dirArg);
    const QString dbPath = dir + QStringLiteral("Data/db.edb");
    if (QFileInfo::exists(dbPath))
        return QStringLiteral("数据库 %1 已经存在，未做任何改动。").arg(QDir::toNativeSeparators(dbPath));
    QDir root;
    if (!root.mkpath(dir + QStringLiteral("Data")) || !root.mkpath(dir + QStringLiteral("Image")) ||
        !root.mkpath(dir + QStringLiteral("Print")))
        return QStringLiteral("无法在 %1 下创建文件夹。").arg(QDir::toNativeSeparators(dir));
    // Build into a side file and move it into place only when complete, so a failure never
    // leaves a half-made database behind.
    const QString temp = dbPath + QStringLiteral(".new");
    QFile::remove(temp);
    try {
        Database db = Database::createNew(temp);
        createSchema(db);
    } catch (const DbError &e) {
        QFile::remove(temp);
        return QStringLiteral("创建数据库 %1 失败：%2").arg(QDir::toNativeSeparators(dbPath), e.message());
    }
    if (!QFile::rename(temp, dbPath)) {
        QFile::remove(temp);
        return QStringLiteral("无法写入 %1。").arg(QDir::toNativeSeparators(dbPath));
    }
    return QString();
}

} // namespace qv
