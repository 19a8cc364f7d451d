#pragma once

#include <QIcon>
#include <QString>

namespace qv {

// The picture of a tool-bar button, drawn by the program: a coloured tile with one glyph,
// the colour telling the family (purchase, sales, goods, accounts, reports).
QIcon toolIcon(const QString &item);

} // namespace qv
