#include "masterdata/tfrmnewshop.h"

#include "app/appcontext.h"
#include "masterdata/goodsform.h"
#include "trade/entrysearch.h"
#include "trade/entrytargets.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

namespace qv {

TfrmNewShop::TfrmNewShop(AppContext &context, GoodsLineTarget &target, const QString &text, QWidget *parent)
    : QDialog(parent), ctx_(context), target_(target)
{
    setObjectName(QStringLiteral("TfrmNewShop"));
    setWindowTitle(QStringLiteral("商品录入"));
    form = new GoodsForm(ctx_.session.options, this);
    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addStretch();
    layout->addLayout(buttons.layout);
    form->fitWindow(this);
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    guarded(this, [&] {
        form->fillCategories(*ctx_.db);
        GoodsFields start = quickAddFields(*ctx_.db, ctx_.session);
        start.name = text;
        form->setFields(start);
    });
    form->nameEdit->setFocus();
}

void TfrmNewShop::BitBtn1Click()
{
    const GoodsFields fields = form->fields();
    guarded(this, [&] {
        const auto added = quickAddGoods(*ctx_.db, ctx_.session, fields);
        if (const Refusal *r = std::get_if<Refusal>(&added)) {
            showRefusal(this, *r);
            return;
        }
        target_.takeGoods(loadGoodsPick(*ctx_.db, std::get<NewGoodsLine>(added).id));
        accept();
    });
}

} // namespace qv
