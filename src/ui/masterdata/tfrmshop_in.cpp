#include "masterdata/tfrmshop_in.h"

#include "app/appcontext.h"
#include "masterdata/goodsform.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TfrmShop_In::TfrmShop_In(AppContext &context, QWidget *parent) : QDialog(parent), ctx_(context)
{
    setObjectName(QStringLiteral("TfrmShop_In"));
    setWindowTitle(QStringLiteral("商品录入"));
    Lab_ID = new QLabel(QStringLiteral("0"), this);
    Lab_ID->setObjectName(QStringLiteral("Lab_ID"));
    Lab_ID->hide();

    form = new GoodsForm(ctx_.session.options, this);
    continuousBox = new QCheckBox(QStringLiteral("连续新增"), this);
    continuousBox->setChecked(true);
    sameModelBox = new QCheckBox(QStringLiteral("同样规格"), this);
    sameUnitBox = new QCheckBox(QStringLiteral("同样单位"), this);
    sameUnitBox->setChecked(true);

    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    buttons.layout->insertWidget(0, continuousBox);
    buttons.layout->insertWidget(1, sameModelBox);
    buttons.layout->insertWidget(2, sameUnitBox);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addStretch();
    layout->addLayout(buttons.layout);
    form->fitWindow(this);

    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    guarded(this, [this] { form->fillCategories(*ctx_.db); });
}

void TfrmShop_In::setEditing(int id, const GoodsFields &fields, std::function<void()> edited)
{
    setWindowTitle(QStringLiteral("商品修改"));
    Lab_ID->setText(QString::number(id));
    form->setFields(fields);
    for (QCheckBox *b : {continuousBox, sameModelBox, sameUnitBox}) {
        b->setChecked(false);
        b->hide();
    }
    edited_ = std::move(edited);
}

void TfrmShop_In::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (Lab_ID->text() == QStringLiteral("0"))
        guarded(this, [this] { form->numberEdit->setText(nextGoodsNumber(*ctx_.db, ctx_.session)); });
    form->nameEdit->setFocus();
}

void TfrmShop_In::BitBtn1Click()
{
    const int id = Lab_ID->text().toInt();
    const GoodsFields fields = form->fields();
    guarded(this, [&] {
        const Outcome outcome = saveGoods(*ctx_.db, ctx_.session, id, fields);
        if (outcome.notAllowed())
            return;
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        if (continuousBox->isChecked()) {
            nextEntry();
            return;
        }
        if (id == 0)
            inform(this, GoodsSaved);
        else if (edited_)
            edited_();
        accept();
    });
}

// Ready for the next goods of the same kind: category, parameters and stock limits stay.
void TfrmShop_In::nextEntry()
{
    form->nameEdit->clear();
    form->purchasePriceEdit->clear();
    form->salesPriceEdit->clear();
    form->remarkEdit->clear();
    if (!sameUnitBox->isChecked())
        form->unitEdit->clear();
    if (!sameModelBox->isChecked())
        form->modelEdit->clear();
    form->numberEdit->setText(nextGoodsNumber(*ctx_.db, ctx_.session));
    form->nameEdit->setFocus();
}

} // namespace qv
