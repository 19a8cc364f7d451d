#pragma once

#include <QStringList>

class QComboBox;

namespace qv {

// Refills a drop-down with names, keeping the current one selected when it is still offered
// (nothing is selected otherwise).
void fillCombo(QComboBox *box, const QStringList &names);

} // namespace qv
