#include "app/tfrmxxsz.h"

#include "app/appcontext.h"
#include "app/login.h"
#include "services/numbering.h"
#include "widgets/dialogbuttons.h"
#include "widgets/fillcombo.h"
#include "widgets/guarded.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

namespace {

void fillAndSelect(QComboBox *box, const QStringList &names, const QString &current)
{
    fillCombo(box, names);
    box->setCurrentIndex(names.indexOf(current));
}

} // namespace

TfrmXXSZ::TfrmXXSZ(AppContext &context, int userId, const QString &caption, QWidget *parent)
    : QDialog(parent), ctx_(context), userId_(userId)
{
    setObjectName(QStringLiteral("TfrmXXSZ"));
    setWindowTitle(caption);
    group = new QGroupBox(caption, this);
    auto *form = new QFormLayout(group);
    wareBox = new QComboBox(group);
    accountBox = new QComboBox(group);
    handlerBox = new QComboBox(group);
    payeeBox = new QComboBox(group);
    form->addRow(QStringLiteral("仓 库  名 称："), wareBox);
    form->addRow(QStringLiteral("收付款方式："), accountBox);
    form->addRow(QStringLiteral("经    手    人："), handlerBox);
    form->addRow(QStringLiteral("收 付  款 人："), payeeBox);
    for (QComboBox *b : {wareBox, accountBox, handlerBox, payeeBox})
        b->setMinimumWidth(180);

    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.layout);
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    guarded(this, [this] {
        Database &db = *ctx_.db;
        const UserDefaults d = loadUserDefaults(db, userId_);
        fillAndSelect(wareBox, DBComWare(db), d.warehouse);
        fillAndSelect(accountBox, DBComAccount(db), d.account);
        const QStringList staff = DBComStaff(db);
        fillAndSelect(handlerBox, staff, d.handler);
        fillAndSelect(payeeBox, staff, d.payee);
    });
}

void TfrmXXSZ::BitBtn1Click()
{
    const UserDefaults d{wareBox->currentText(), accountBox->currentText(), handlerBox->currentText(),
                         payeeBox->currentText()};
    guarded(this, [&] {
        saveUserDefaults(*ctx_.db, userId_, d);
        inform(this, windowTitle() + QStringLiteral(" 保存成功！请重新登录！"));
        // The defaults are read at login: the program ends so the next login uses them.
        messages().quitApplication();
    });
}

} // namespace qv
