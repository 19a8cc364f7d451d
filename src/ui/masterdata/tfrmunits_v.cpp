#include "masterdata/tfrmunits_v.h"

#include "app/appcontext.h"
#include "masterdata/partnerform.h"
#include "widgets/guarded.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

Tfrmunits_v::Tfrmunits_v(AppContext &context, int partnerId, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfrmunits_v"));
    setWindowTitle(QStringLiteral("往来单位查看"));
    form = new PartnerForm(PartnerForm::Type::Absent, this);
    form->setReadOnly();
    exitButton = new QPushButton(QStringLiteral("退出"), this);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exitButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons);
    resize(520, height());

    guarded(this, [&] {
        if (const auto v = viewPartner(*context.db, partnerId)) {
            PartnerFields f;
            f.name = v->name;
            f.contact = v->contact;
            f.phone = v->phone;
            f.address = v->address;
            f.remark = v->remark;
            f.receivable = v->receivable.toString();
            f.payable = v->payable.toString();
            form->setFields(f);
        }
    });
}

} // namespace qv
