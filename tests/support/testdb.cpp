#include "testdb.h"

#include "app/appsetup.h"
#include "app/login.h"
#include "app/store.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace qv::test {

namespace {

// Creating the schema once per test process and copying the file keeps each test cheap.
QString templateFolder()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        const QString err = initDataFolder(dir.path());
        if (!err.isEmpty())
            throw std::runtime_error(err.toStdString());
        made = true;
    }
    return dir.path();
}

} // namespace

TestStore::TestStore()
{
    const QString root = dir.path() + u'/';
    QDir().mkpath(root + QStringLiteral("Data"));
    QDir().mkpath(root + QStringLiteral("Image"));
    QDir().mkpath(root + QStringLiteral("Print"));
    if (!QFile::copy(templateFolder() + QStringLiteral("/Data/db.edb"), root + QStringLiteral("Data/db.edb")))
        throw std::runtime_error("cannot copy template database");
    app.AppPath = root;
    db = std::make_unique<Database>(Database::openExisting(app.databasePath()));
    auto result = login(*db, QStringLiteral("系统管理员"), QString(), QDate(2024, 3, 15));
    session = std::get<Session>(result);
    reloadOptions();
}

void TestStore::reloadOptions() { session.options = FindDept(*db); }

} // namespace qv::test
