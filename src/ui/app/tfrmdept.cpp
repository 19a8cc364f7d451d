#include "app/tfrmdept.h"

#include "app/appcontext.h"
#include "app/store.h"
#include "widgets/dialogbuttons.h"
#include "widgets/guarded.h"
#include "widgets/numericinput.h"
#include "widgets/showrefusal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

namespace {

QLineEdit *textField(QWidget *parent, int maxLength, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(maxLength);
    e->setObjectName(name);
    return e;
}

} // namespace

TfrmDept::TfrmDept(AppContext &context, QWidget *parent) : QDialog(parent), ctx_(context)
{
    setObjectName(QStringLiteral("TfrmDept"));
    setWindowTitle(QStringLiteral("本店信息"));

    auto *info = new QGroupBox(QStringLiteral("本店信息"), this);
    auto *ig = new QGridLayout(info);
    nameEdit = textField(info, 50, QStringLiteral("theName"));
    ig->addWidget(new QLabel(QStringLiteral("本店名称："), info), 0, 0);
    ig->addWidget(nameEdit, 0, 1);
    ig->addWidget(new QLabel(QStringLiteral("下面的第一行到第五行对应打印单据的底部"), info), 1, 1);
    const char *lineLabels[] = {"第  一  行：", "第  二  行：", "第  三  行：", "第  四  行：", "第  五  行："};
    const char *lineColumns[] = {"thePhone", "theAdd", "theGG", "theZH", "theSW"};
    for (int i = 0; i < 5; ++i) {
        lineEdit[i] = textField(info, 100, QString::fromLatin1(lineColumns[i]));
        ig->addWidget(new QLabel(QString::fromUtf8(lineLabels[i]), info), i + 2, 0);
        ig->addWidget(lineEdit[i], i + 2, 1);
    }

    // Kept in the store row though no print shows them now.
    topLeftGroup = new QGroupBox(QStringLiteral("单据左上信息"), this);
    auto *tg = new QGridLayout(topLeftGroup);
    const char *topLabels[] = {"左上一行：", "左上二行："};
    for (int i = 0; i < 2; ++i) {
        topLeftEdit[i] = textField(topLeftGroup, 100, QStringLiteral("theT%1").arg(i + 1));
        tg->addWidget(new QLabel(QString::fromUtf8(topLabels[i]), topLeftGroup), i, 0);
        tg->addWidget(topLeftEdit[i], i, 1);
    }
    topLeftGroup->hide();
    noticeGroup = new QGroupBox(QStringLiteral("工商提醒"), this);
    auto *ng = new QGridLayout(noticeGroup);
    noticeEdit = textField(noticeGroup, 100, QStringLiteral("theGS"));
    ng->addWidget(new QLabel(QStringLiteral("工商提醒："), noticeGroup), 0, 0);
    ng->addWidget(noticeEdit, 0, 1);
    noticeGroup->hide();

    auto *other = new QGroupBox(QStringLiteral("其它设置"), this);
    auto *og = new QGridLayout(other);
    alertBox = new QCheckBox(QStringLiteral("启用库存警戒"), other);
    minEdit = textField(other, 10, QStringLiteral("theKCMin"));
    maxEdit = textField(other, 10, QStringLiteral("theKCMax"));
    for (QLineEdit *e : {minEdit, maxEdit}) {
        acceptDecimalInput(e);
        e->setFixedWidth(80);
    }
    negativeBox = new QCheckBox(QStringLiteral("支持负库存"), other);
    auto *stockRow = new QHBoxLayout;
    stockRow->addWidget(alertBox);
    stockRow->addSpacing(12);
    stockRow->addWidget(new QLabel(QStringLiteral("最低库存："), other));
    stockRow->addWidget(minEdit);
    stockRow->addWidget(new QLabel(QStringLiteral("最高库存："), other));
    stockRow->addWidget(maxEdit);
    stockRow->addSpacing(12);
    stockRow->addWidget(negativeBox);
    stockRow->addStretch();
    og->addWidget(new QLabel(QStringLiteral("库存设置："), other), 0, 0);
    og->addLayout(stockRow, 0, 1);

    autoPurchaseBox = new QCheckBox(QStringLiteral("采购入库时自动修改同一商品进货单价"), other);
    autoSalesBox = new QCheckBox(QStringLiteral("销售出库时自动修改同一商品销售单价"), other);
    og->addWidget(new QLabel(QStringLiteral("商品单价："), other), 1, 0);
    og->addWidget(autoPurchaseBox, 1, 1);
    og->addWidget(autoSalesBox, 2, 1);
    lastPurchaseBox = new QCheckBox(QStringLiteral("同一供应商、同一商品采购单价为上次采购单价"), other);
    lastSalesBox = new QCheckBox(QStringLiteral("同一客户、同一商品销售单价为上次销售单价"), other);
    og->addWidget(new QLabel(QStringLiteral("自动记忆："), other), 3, 0);
    og->addWidget(lastPurchaseBox, 3, 1);
    og->addWidget(lastSalesBox, 4, 1);
    auto *costRow = new QHBoxLayout;
    for (const QString &word : costMethods()) {
        auto *r = new QRadioButton(word, other);
        costButtons << r;
        costRow->addWidget(r);
    }
    costRow->addStretch();
    costButtons.first()->setChecked(true);
    og->addWidget(new QLabel(QStringLiteral("商品成本："), other), 5, 0);
    og->addLayout(costRow, 5, 1);
    for (int row = 0; row < 6; ++row)
        if (QLayoutItem *item = og->itemAtPosition(row, 0))
            item->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *params = new QGroupBox(QStringLiteral("商品参数设置"), this);
    auto *pg = new QHBoxLayout(params);
    const char *paramLabels[] = {"参  数  一：", "参  数  二：", "参  数  三："};
    for (int i = 0; i < 3; ++i) {
        paramEdit[i] = textField(params, 10, QStringLiteral("theCS%1").arg(i + 1));
        pg->addWidget(new QLabel(QString::fromUtf8(paramLabels[i]), params));
        pg->addWidget(paramEdit[i]);
    }
    printParamsBox = new QCheckBox(QStringLiteral("打印带参数销售单"), params);
    pg->addWidget(printParamsBox);

    const DialogButtons buttons = saveExitButtons(this);
    saveButton = buttons.save;
    exitButton = buttons.exit;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(topLeftGroup);
    layout->addWidget(noticeGroup);
    layout->addWidget(other);
    layout->addWidget(params);
    layout->addLayout(buttons.layout);

    connect(alertBox, &QCheckBox::toggled, this, [this](bool on) {
        minEdit->setEnabled(on);
        maxEdit->setEnabled(on);
    });
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    guarded(this, [this] { load(); });
}

void TfrmDept::load()
{
    const StoreSettings s = loadStoreSettings(*ctx_.db);
    nameEdit->setText(s.theName);
    const QString lines[] = {s.thePhone, s.theAdd, s.theGG, s.theZH, s.theSW};
    for (int i = 0; i < 5; ++i)
        lineEdit[i]->setText(lines[i]);
    topLeftEdit[0]->setText(s.theT1);
    topLeftEdit[1]->setText(s.theT2);
    noticeEdit->setText(s.theGS);
    alertBox->setChecked(s.theTX);
    minEdit->setText(s.theKCMin);
    maxEdit->setText(s.theKCMax);
    minEdit->setEnabled(s.theTX);
    maxEdit->setEnabled(s.theTX);
    negativeBox->setChecked(s.theFKC);
    autoPurchaseBox->setChecked(s.theJH);
    autoSalesBox->setChecked(s.theXS);
    lastPurchaseBox->setChecked(s.theJH1);
    lastSalesBox->setChecked(s.theXS1);
    // A stored word that matches no button leaves the first one, "移动加权平均", selected.
    costButtons.first()->setChecked(true);
    for (QRadioButton *r : costButtons)
        if (r->text() == s.theCB)
            r->setChecked(true);
    paramEdit[0]->setText(s.theCS1);
    paramEdit[1]->setText(s.theCS2);
    paramEdit[2]->setText(s.theCS3);
    printParamsBox->setChecked(s.theCS);
}

void TfrmDept::BitBtn1Click()
{
    StoreSettings s;
    s.theName = nameEdit->text();
    s.thePhone = lineEdit[0]->text();
    s.theAdd = lineEdit[1]->text();
    s.theGG = lineEdit[2]->text();
    s.theZH = lineEdit[3]->text();
    s.theSW = lineEdit[4]->text();
    s.theT1 = topLeftEdit[0]->text();
    s.theT2 = topLeftEdit[1]->text();
    s.theGS = noticeEdit->text();
    s.theTX = alertBox->isChecked();
    s.theKCMin = minEdit->text();
    s.theKCMax = maxEdit->text();
    s.theFKC = negativeBox->isChecked();
    s.theJH = autoPurchaseBox->isChecked();
    s.theXS = autoSalesBox->isChecked();
    s.theJH1 = lastPurchaseBox->isChecked();
    s.theXS1 = lastSalesBox->isChecked();
    for (QRadioButton *r : costButtons)
        if (r->isChecked())
            s.theCB = r->text();
    s.theCS1 = paramEdit[0]->text();
    s.theCS2 = paramEdit[1]->text();
    s.theCS3 = paramEdit[2]->text();
    s.theCS = printParamsBox->isChecked();

    guarded(this, [&] {
        if (auto refusal = saveStoreSettings(*ctx_.db, s)) {
            showRefusal(this, *refusal);
            return;
        }
        inform(this, QStringLiteral("恭喜！恭喜！ 本店信息 保存成功！"));
        // The options are read only at start-up: the program ends so the next start uses them.
        messages().quitApplication();
    });
}

} // namespace qv
