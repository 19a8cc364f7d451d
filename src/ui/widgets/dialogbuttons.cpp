#include "widgets/dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace qv {

DialogButtons saveExitButtons(QDialog *dialog, bool withNew)
{
    DialogButtons b;
    b.layout = new QHBoxLayout;
    b.layout->addStretch();
    if (withNew) {
        b.newButton = new QPushButton(QStringLiteral("新增"), dialog);
        b.newButton->setAutoDefault(false);
        b.layout->addWidget(b.newButton);
    }
    b.save = new QPushButton(QStringLiteral("保存"), dialog);
    b.save->setDefault(true);
    b.exit = new QPushButton(QStringLiteral("退出"), dialog);
    b.exit->setAutoDefault(false);
    b.layout->addWidget(b.save);
    b.layout->addWidget(b.exit);
    QObject::connect(b.exit, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

} // namespace qv
