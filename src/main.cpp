#include "app/appsetup.h"
#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

int main(int argc, char **argv)
{
    // "qorvan init DIR" lays out a new data folder and ends.
    if (argc >= 2 && QByteArray(argv[1]) == "init") {
        QCoreApplication app(argc, argv);
        const QString dir = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath();
        const QString err = qv::initDataFolder(dir);
        if (!err.isEmpty()) {
            std::fprintf(stderr, "%s\n", err.toLocal8Bit().constData());
            return 1;
        }
        std::printf("已创建数据库 %s/Data/db.edb\n", QDir::cleanPath(QDir(dir).absolutePath()).toLocal8Bit().constData());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qorvan进销存软件"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    qv::installChineseFonts();
    // Qt's own buttons and dialogs speak Chinese too ("确定", "取消", …).
    QTranslator qtText;
    if (qtText.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtText);
    qv::Program program(app.arguments(), QCoreApplication::applicationDirPath());
    if (!program.start())
        return program.exitCode();
    return app.exec();
}
