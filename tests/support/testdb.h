#pragma once

#include "app/session.h"
#include "db/database.h"

#include <QTemporaryDir>
#include <memory>

namespace qv::test {

// A fresh database in a temporary folder, laid out as the program's own folder
// (Data/db.edb, Image/, Print/), with a session logged in as the administrator on
// business date 2024-03-15 and the store options read from the new database.
struct TestStore {
    TestStore();
    QTemporaryDir dir;
    AppInfo app;
    std::unique_ptr<Database> db;
    Session session;

    // Re-reads the store options into the session (after changing the store row).
    void reloadOptions();
};

} // namespace qv::test
