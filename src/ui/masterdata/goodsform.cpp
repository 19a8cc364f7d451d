#include "masterdata/goodsform.h"

#include "app/session.h"
#include "services/numbering.h"
#include "widgets/fillcombo.h"
#include "widgets/numericinput.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qv {

namespace {

// Sizes with the row of stock limits; without it form and window are one row shorter. The
// window's height of 330 counts its title bar and frame, which the client area does not have.
constexpr int FormHeight = 216;
constexpr int WindowWidth = 620;
constexpr int WindowHeight = 330;
constexpr int TitleBarAndFrame = 30;
constexpr int RowHeight = 30;

QLineEdit *field(QWidget *parent, const char *column, int maxLength = 0)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(column));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

} // namespace

GoodsForm::GoodsForm(const StoreOptions &options, QWidget *parent)
    : QGroupBox(QStringLiteral("商品信息"), parent), stockLimits_(options.stockAlert())
{
    numberEdit = field(this, "theNum", 16);
    categoryBox = new QComboBox(this);
    categoryBox->setObjectName(QStringLiteral("theType"));
    nameEdit = field(this, "theName", 50);
    modelEdit = field(this, "theStand", 20);
    const QString labels[] = {options.ParamLabel1, options.ParamLabel2, options.ParamLabel3};
    for (int i = 0; i < 3; ++i) {
        paramLabel[i] = new QLabel(labels[i] + QStringLiteral("："), this);
        paramEdit[i] = field(this, i == 0 ? "theCS1" : i == 1 ? "theCS2" : "theCS3", 20);
    }
    unitEdit = field(this, "theUnit", 10);
    purchasePriceEdit = field(this, "theJH");
    salesPriceEdit = field(this, "theXS");
    remarkEdit = field(this, "Remark", 100);
    minStockEdit = field(this, "theKCMin");
    maxStockEdit = field(this, "theKCMax");
    minStockLabel = new QLabel(QStringLiteral("最低库存："), this);
    maxStockLabel = new QLabel(QStringLiteral("最高库存："), this);
    for (QLineEdit *e : {purchasePriceEdit, salesPriceEdit, minStockEdit, maxStockEdit})
        acceptDecimalInput(e);

    auto *g = new QGridLayout(this);
    const auto label = [this](const char *text) { return new QLabel(QString::fromUtf8(text), this); };
    g->addWidget(label("商品编码："), 0, 0);
    g->addWidget(numberEdit, 0, 1);
    g->addWidget(label("商品分类："), 0, 2);
    g->addWidget(categoryBox, 0, 3, 1, 3);
    g->addWidget(label("商品名称："), 1, 0);
    g->addWidget(nameEdit, 1, 1, 1, 3);
    g->addWidget(label("规格型号："), 1, 4);
    g->addWidget(modelEdit, 1, 5);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(paramLabel[i], 2, i * 2);
        g->addWidget(paramEdit[i], 2, i * 2 + 1);
    }
    g->addWidget(label("单        位："), 3, 0);
    g->addWidget(unitEdit, 3, 1);
    g->addWidget(label("采购单价："), 3, 2);
    g->addWidget(purchasePriceEdit, 3, 3);
    g->addWidget(label("销售单价："), 3, 4);
    g->addWidget(salesPriceEdit, 3, 5);
    g->addWidget(label("备        注："), 4, 0);
    g->addWidget(remarkEdit, 4, 1, 1, 5);
    g->addWidget(minStockLabel, 5, 0);
    g->addWidget(minStockEdit, 5, 1);
    g->addWidget(maxStockLabel, 5, 2);
    g->addWidget(maxStockEdit, 5, 3);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);

    // The stock limits matter only with the stock alert: without it they are not shown.
    for (QWidget *w : {static_cast<QWidget *>(minStockLabel), static_cast<QWidget *>(maxStockLabel),
                       static_cast<QWidget *>(minStockEdit), static_cast<QWidget *>(maxStockEdit)})
        w->setVisible(stockLimits_);
    setFixedHeight(stockLimits_ ? FormHeight : FormHeight - RowHeight);
}

void GoodsForm::fitWindow(QDialog *window)
{
    const int height = WindowHeight - TitleBarAndFrame;
    window->setFixedSize(WindowWidth, stockLimits_ ? height : height - RowHeight);
}

void GoodsForm::fillCategories(Database &db) { fillCombo(categoryBox, DBComSType(db)); }

GoodsFields GoodsForm::fields() const
{
    GoodsFields f;
    f.number = numberEdit->text();
    f.category = categoryBox->currentText();
    f.name = nameEdit->text();
    f.model = modelEdit->text();
    f.unit = unitEdit->text();
    f.purchasePrice = purchasePriceEdit->text();
    f.salesPrice = salesPriceEdit->text();
    f.remark = remarkEdit->text();
    f.minStock = minStockEdit->text();
    f.maxStock = maxStockEdit->text();
    f.param1 = paramEdit[0]->text();
    f.param2 = paramEdit[1]->text();
    f.param3 = paramEdit[2]->text();
    return f;
}

void GoodsForm::setFields(const GoodsFields &f)
{
    numberEdit->setText(f.number);
    if (!f.category.isEmpty() && categoryBox->findText(f.category, Qt::MatchExactly) < 0)
        categoryBox->addItem(f.category);
    categoryBox->setCurrentIndex(categoryBox->findText(f.category, Qt::MatchExactly));
    nameEdit->setText(f.name);
    modelEdit->setText(f.model);
    unitEdit->setText(f.unit);
    purchasePriceEdit->setText(f.purchasePrice);
    salesPriceEdit->setText(f.salesPrice);
    remarkEdit->setText(f.remark);
    minStockEdit->setText(f.minStock);
    maxStockEdit->setText(f.maxStock);
    paramEdit[0]->setText(f.param1);
    paramEdit[1]->setText(f.param2);
    paramEdit[2]->setText(f.param3);
}

} // namespace qv
