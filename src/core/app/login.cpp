#include "app/login.h"

#include "db/database.h"
#include "db/values.h"

namespace qv {

QStringList DBComUser(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SUser WHERE theState='启用' ORDER BY ID"));
}

std::variant<Session, Refusal> login(Database &db, const QString &userName, const QString &password,
                                     const QDate &businessDate)
{
    if (userName.isEmpty())
        return Refusal{QStringLiteral("用户名 不能为空，请选择 用户名！"), QStringLiteral("user")};
    QSqlQuery q = db.exec(QStringLiteral("SELECT ID, theName, theCK, theZH, theJSR, theSFKR, theM, theD, theE "
                                         "FROM SUser WHERE theName=? AND thePass=?"),
                          {userName, password});
    int rows = 0;
    Session s;
    while (q.next()) {
        if (++rows > 1)
            break;
        s.UserId = q.value(0).toInt();
        s.DefWare = textOf(q, QStringLiteral("theCK"));
        s.DefAccount = textOf(q, QStringLiteral("theZH"));
        s.DefHandler = textOf(q, QStringLiteral("theJSR"));
        s.DefPayee = textOf(q, QStringLiteral("theSFKR"));
        s.CanModify = textOf(q, QStringLiteral("theM"));
        s.CanDelete = textOf(q, QStringLiteral("theD"));
        s.CanExport = textOf(q, QStringLiteral("theE"));
    }
    if (rows != 1)
        return Refusal{QStringLiteral("密码错误，请重新录入密码！"), QStringLiteral("password")};
    s.CurUser = userName;
    s.CurPass = password;
    s.WorkDate = businessDate.toString(QStringLiteral("yyyy-MM-dd"));
    return s;
}

QStringList grantedCodes(Database &db, int userId)
{
    return db.texts(QStringLiteral("SELECT MNum FROM SLevel WHERE UID=? ORDER BY MNum"), {userId});
}

UserDefaults loadUserDefaults(Database &db, int userId)
{
    UserDefaults d;
    QSqlQuery q = db.exec(QStringLiteral("SELECT theCK, theZH, theJSR, theSFKR FROM SUser WHERE ID=?"), {userId});
    if (q.next()) {
        d.warehouse = textOf(q.value(0));
        d.account = textOf(q.value(1));
        d.handler = textOf(q.value(2));
        d.payee = textOf(q.value(3));
    }
    return d;
}

void saveUserDefaults(Database &db, int userId, const UserDefaults &d)
{
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SUser SET theCK=?, theZH=?, theJSR=?, theSFKR=? WHERE ID=?"),
            {d.warehouse, d.account, d.handler, d.payee, userId});
    tx.commit();
}

} // namespace qv
