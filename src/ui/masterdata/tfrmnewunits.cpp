#include "masterdata/tfrmnewunits.h"

#include "app/appcontext.h"
#include "masterdata/partnerform.h"
#include "trade/entrytargets.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TfrmNewUnits::TfrmNewUnits(AppContext &context, PartnerTarget &target, const PartnerChoice &prefill, QWidget *parent)
    : QDialog(parent), ctx_(context), target_(target)
{
    setObjectName(QStringLiteral("TfrmNewUnits"));
    setWindowTitle(QStringLiteral("往来单位录入"));
    form = new PartnerForm(PartnerForm::Type::Absent, this);
    PartnerFields start;
    start.name = prefill.name;
    start.contact = prefill.contact;
    start.phone = prefill.phone;
    start.address = prefill.address;
    form->setFields(start);
    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons.layout);
    resize(520, height());
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    form->nameEdit->setFocus();
}

void TfrmNewUnits::BitBtn1Click()
{
    const PartnerFields fields = form->fields();
    guarded(this, [&] {
        const Outcome outcome = quickAddPartner(*ctx_.db, target_.callerCode(), fields);
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        target_.takePartner(PartnerChoice{outcome.id, fields.name, fields.contact, fields.phone, fields.address});
        accept();
    });
}

} // namespace qv
