#pragma once

#include "app/appcontext.h"

#include <QLockFile>
#include <QStringList>
#include <memory>

namespace qv {

class TfrmLogin;
class TfrmMain;

// One run of the program: single-instance lock, data folder, connection, store options,
// the hidden main window and the login window, in that order.
class Program {
public:
    // lockDir holds the single-instance lock "qvmrz" (the temporary folder by default).
    Program(const QStringList &arguments, const QString &programDir, const QString &lockDir = QString());
    ~Program();

    // Runs the start-up steps up to showing the login window. False means the program must end
    // now (its message has been shown); exitCode() tells with what status.
    bool start();
    int exitCode() const { return exitCode_; }

    AppContext &context() { return ctx_; }
    TfrmMain *mainWindow() const { return main_.get(); }
    TfrmLogin *loginWindow() const { return login_.get(); }

private:
    QStringList args_;
    QString programDir_;
    QLockFile lock_;
    AppContext ctx_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<TfrmMain> main_;
    std::unique_ptr<TfrmLogin> login_;
    int exitCode_ = 0;
};

// Sets the fonts the windows and prints name ("宋体", "黑体") to the Noto CJK families.
void installChineseFonts();

} // namespace qv
