#include "widgets/fillcombo.h"

#include <QComboBox>

namespace qv {

void fillCombo(QComboBox *box, const QStringList &names)
{
    const QString current = box->currentText();
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(box->findText(current, Qt::MatchExactly));
}

} // namespace qv
