#pragma once

#include "app/session.h"
#include "db/database.h"

namespace qv {

// What every window of a run shares: the connection, the program's folder, and the session
// (login globals and store options).
struct AppContext {
    Database *db = nullptr;
    AppInfo app;
    StoreOptions options;   // read at start-up; copied into the session at login
    Session session;
    bool loggedIn = false;
};

} // namespace qv
