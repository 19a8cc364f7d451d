#include "app/program.h"

#include "app/appsetup.h"
#include "app/store.h"
#include "app/tfrmlogin.h"
#include "app/tfrmmain.h"
#include "app/toolicons.h"
#include "widgets/guarded.h"
#include "widgets/messages.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>

namespace qv {

static QString lockPath(const QString &dir)
{
    return (dir.isEmpty() ? QDir::tempPath() : dir) + QStringLiteral("/qvmrz.lock");
}

Program::Program(const QStringList &arguments, const QString &programDir, const QString &lockDir)
    : args_(arguments), programDir_(programDir), lock_(lockPath(lockDir))
{
    // A lock left by a crashed run is taken over; a live one never goes stale.
    lock_.setStaleLockTime(0);
}

Program::~Program()
{
    login_.reset();
    main_.reset();
    db_.reset();
}

bool Program::start()
{
    if (!lock_.tryLock(0)) {
        messages().warn(nullptr, QStringLiteral("Qorvan进销存软件 已经打开了！"), QStringLiteral("警告"));
        exitCode_ = 1;
        return false;
    }
    QGuiApplication::setWindowIcon(appIcon());
    ctx_.app.AppPath = resolveAppPath(args_, programDir_);
    try {
        db_ = std::make_unique<Database>(Database::openExisting(ctx_.app.databasePath()));
    } catch (const DbError &e) {
        messages().error(nullptr, e.message() + QStringLiteral("\n\n新建数据库请运行：qorvan init 目录"));
        exitCode_ = 1;
        return false;
    }
    ctx_.db = db_.get();
    main_ = std::make_unique<TfrmMain>(ctx_);
    // The store options are the first thing read from the database.
    guarded(nullptr, [this] { ctx_.options = FindDept(*ctx_.db); });
    login_ = std::make_unique<TfrmLogin>(ctx_, *main_);
    login_->show();
    return true;
}

void installChineseFonts()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"));
}

} // namespace qv
