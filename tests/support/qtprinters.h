#pragma once

// Readable failure messages for Qt values. Included into every test file by the build, so that
// each of them prints text the same way.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (int i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QVariant &v, std::ostream *os) { *os << v.toString().toStdString(); }
