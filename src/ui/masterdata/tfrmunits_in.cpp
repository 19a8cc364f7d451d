#include "masterdata/tfrmunits_in.h"

#include "app/appcontext.h"
#include "masterdata/partnerform.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TfrmUnits_In::TfrmUnits_In(AppContext &context, QWidget *parent) : QDialog(parent), ctx_(context)
{
    setObjectName(QStringLiteral("TfrmUnits_In"));
    setWindowTitle(QStringLiteral("往来单位录入"));
    Lab_ID = new QLabel(QStringLiteral("0"), this);
    Lab_ID->setObjectName(QStringLiteral("Lab_ID"));
    Lab_ID->hide();

    form = new PartnerForm(PartnerForm::Type::Shown, this);
    continuousBox = new QCheckBox(QStringLiteral("连续新增"), this);
    continuousBox->setChecked(true);
    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    buttons.layout->insertWidget(0, continuousBox);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons.layout);
    resize(520, height());

    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    guarded(this, [this] {
        form->fillTypes(*ctx_.db);
        form->typeBox->setCurrentIndex(form->typeBox->findText(QStringLiteral("两者皆是"), Qt::MatchExactly));
    });
    form->nameEdit->setFocus();
}

void TfrmUnits_In::setEditing(int id, const PartnerFields &fields, std::function<void()> edited)
{
    setWindowTitle(QStringLiteral("往来单位修改"));
    Lab_ID->setText(QString::number(id));
    form->setFields(fields);
    continuousBox->setChecked(false);
    continuousBox->hide();
    // Balances belong to the postings once the partner exists.
    form->receivableEdit->setEnabled(false);
    form->payableEdit->setEnabled(false);
    edited_ = std::move(edited);
}

void TfrmUnits_In::BitBtn1Click()
{
    const int id = Lab_ID->text().toInt();
    const PartnerFields fields = form->fields();
    guarded(this, [&] {
        const Outcome outcome = savePartner(*ctx_.db, ctx_.session, id, fields);
        if (outcome.notAllowed())
            return;
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        if (continuousBox->isChecked()) {
            // The next partner is likely of the same kind: type and balances stay.
            for (QLineEdit *e : {form->nameEdit, form->contactEdit, form->phoneEdit, form->addressEdit,
                                 form->remarkEdit})
                e->clear();
            form->nameEdit->setFocus();
            return;
        }
        inform(this, PartnerSaved);
        if (id != 0 && edited_)
            edited_();
        accept();
    });
}

} // namespace qv
