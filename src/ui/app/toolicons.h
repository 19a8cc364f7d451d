#pragma once

#include <QIcon>
#include <QString>

namespace qv {

// The picture of a tool-bar button, drawn by the program: a coloured tile with one glyph,
// the colour telling the family (purchase, sales, goods, accounts, reports).
QIcon toolIcon(const QString &item);
// The program's own icon (window corners, the frame of list windows).
QIcon appIcon();

} // namespace qv
