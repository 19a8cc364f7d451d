#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// Where the program keeps its data: --home DIR, else $QORVAN_HOME, else the program's folder.
// Always ends with "/".
QString resolveAppPath(const QStringList &arguments, const QString &programDir);

// Creates DIR/Data/db.edb with every table and initial row, plus DIR/Image and DIR/Print.
// Refuses (returning the message) when a database is already there; returns empty on success.
QString initDataFolder(const QString &dir);

} // namespace qv
