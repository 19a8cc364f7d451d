#include "app/program.h"
#include "app/tfrmlogin.h"
#include "app/tfrmmain.h"
#include "messagerecorder.h"
#include "testdb.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qv;

TEST(Program, StartsWithTheLoginWindowAndTheMainWindowHidden)
{
    test::TestStore store;
    const QString home = store.dir.path();
    store.db.reset();
    QTemporaryDir lockDir;
    test::MessageRecorder messages;
    Program p({"qorvan", "--home", home}, "/nowhere", lockDir.path());
    ASSERT_TRUE(p.start()) << messages.last().toStdString();
    EXPECT_TRUE(p.loginWindow()->isVisible());
    EXPECT_FALSE(p.mainWindow()->isVisible());
    EXPECT_EQ(p.loginWindow()->userBox()->count(), 1);
    EXPECT_EQ(p.context().options.CostMethod, "采购单价");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(Program, ASecondStartIsRefusedWithoutTouchingTheDatabase)
{
    QTemporaryDir lockDir, emptyHome;
    test::MessageRecorder messages;
    test::TestStore store;
    const QString home = store.dir.path();
    store.db.reset();
    Program first({"qorvan", "--home", home}, "/nowhere", lockDir.path());
    ASSERT_TRUE(first.start());
    // The second start points at a folder without a database: had it looked, it would complain.
    Program second({"qorvan", "--home", emptyHome.path()}, "/nowhere", lockDir.path());
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.exitCode(), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, "warn");
    EXPECT_EQ(messages.shown[0].text, "Qorvan进销存软件 已经打开了！");
    EXPECT_EQ(messages.shown[0].caption, "警告");
    EXPECT_EQ(second.mainWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(emptyHome.path() + "/Data/db.edb"));
}

TEST(Program, AMissingOrForeignDatabaseIsNamedAndNothingIsCreated)
{
    QTemporaryDir lockDir, home;
    test::MessageRecorder messages;
    {
        Program p({"qorvan", "--home", home.path()}, "/nowhere", lockDir.path());
        EXPECT_FALSE(p.start());
        EXPECT_TRUE(messages.last().contains(home.path() + "/Data/db.edb")) << messages.last().toStdString();
        EXPECT_FALSE(QFile::exists(home.path() + "/Data/db.edb"));
    }
    QDir().mkpath(home.path() + "/Data");
    QFile junk(home.path() + "/Data/db.edb");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    Program p({"qorvan", "--home", home.path()}, "/nowhere", lockDir.path());
    EXPECT_FALSE(p.start());
    EXPECT_TRUE(messages.last().contains("不是本软件的数据库文件")) << messages.last().toStdString();
    QFile check(home.path() + "/Data/db.edb");
    check.open(QIODevice::ReadOnly);
    EXPECT_EQ(check.readAll(), QByteArray(4096, 'x'));
}
