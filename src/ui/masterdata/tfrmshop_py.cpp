#include "masterdata/tfrmshop_py.h"

#include "app/appcontext.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TfrmShop_PY::TfrmShop_PY(AppContext &context, int goodsId, const GoodsFields &shown, const QString &code,
                         std::function<void()> saved, QWidget *parent)
    : QDialog(parent), ctx_(context), id_(goodsId), saved_(std::move(saved))
{
    setObjectName(QStringLiteral("TfrmShop_PY"));
    setWindowTitle(QStringLiteral("商品拼音码修改"));
    auto *group = new QGroupBox(QStringLiteral("商品信息"), this);
    auto *g = new QGridLayout(group);
    const auto shownField = [group](const QString &text) {
        auto *e = new QLineEdit(text, group);
        e->setReadOnly(true);
        return e;
    };
    const std::pair<const char *, QString> fields[] = {
        {"商品编码：", shown.number},      {"商品分类：", shown.category},    {"商品名称：", shown.name},
        {"规格型号：", shown.model},       {"单        位：", shown.unit},     {"采购单价：", shown.purchasePrice},
        {"销售单价：", shown.salesPrice},  {"备        注：", shown.remark},
    };
    int i = 0;
    for (const auto &[label, text] : fields) {
        g->addWidget(new QLabel(QString::fromUtf8(label), group), i / 2, (i % 2) * 2);
        g->addWidget(shownField(text), i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    codeEdit = new QLineEdit(code, group);
    codeEdit->setObjectName(QStringLiteral("thePY"));
    codeEdit->setMaxLength(50);
    g->addWidget(new QLabel(QStringLiteral("拼  音  码："), group), i / 2, 0);
    g->addWidget(codeEdit, i / 2, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.layout);
    resize(520, height());
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    codeEdit->setFocus();
}

void TfrmShop_PY::BitBtn1Click()
{
    guarded(this, [this] {
        const Outcome outcome = saveGoodsPinyin(*ctx_.db, ctx_.session, id_, codeEdit->text());
        if (outcome.notAllowed())
            return;
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        inform(this, GoodsPinyinSaved);
        if (saved_)
            saved_();
        accept();
    });
}

} // namespace qv
