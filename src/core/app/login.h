#pragma once

#include "app/session.h"
#include "app/store.h"

#include <QDate>
#include <QStringList>
#include <variant>

namespace qv {

class Database;

// Names of enabled users, for the login drop-down.
QStringList DBComUser(Database &db);

// Checks name and password; on success the session carries the user's defaults and rights
// and the business date. A refusal names the message and the field to focus ("user" or
// "password").
std::variant<Session, Refusal> login(Database &db, const QString &userName, const QString &password,
                                     const QDate &businessDate);

// Permission codes granted to a user, in code order.
QStringList grantedCodes(Database &db, int userId);

// A user's default options (the default options window).
struct UserDefaults {
    QString warehouse, account, handler, payee;
};
UserDefaults loadUserDefaults(Database &db, int userId);
void saveUserDefaults(Database &db, int userId, const UserDefaults &d);

} // namespace qv
