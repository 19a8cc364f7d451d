#include "masterdata/partnerform.h"

#include "services/numbering.h"
#include "widgets/fillcombo.h"
#include "widgets/numericinput.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qv {

namespace {

QLineEdit *field(QWidget *parent, const char *column, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(column));
    e->setMaxLength(maxLength);
    return e;
}

} // namespace

PartnerForm::PartnerForm(Type type, QWidget *parent) : QGroupBox(QStringLiteral("往来单位信息"), parent)
{
    nameEdit = field(this, "theName", 50);
    contactEdit = field(this, "thePro", 20);
    phoneEdit = field(this, "thePho", 30);
    addressEdit = field(this, "theAdd", 60);
    remarkEdit = field(this, "Remark", 100);
    receivableEdit = field(this, "theYS", 10);
    payableEdit = field(this, "theYF", 10);
    acceptDecimalInput(receivableEdit);
    acceptDecimalInput(payableEdit);

    auto *g = new QGridLayout(this);
    const auto label = [this](const char *text) { return new QLabel(QString::fromUtf8(text), this); };
    int row = 0;
    g->addWidget(label("单位名称："), row, 0);
    g->addWidget(nameEdit, row, 1, 1, 3);
    ++row;
    if (type == Type::Shown) {
        typeBox = new QComboBox(this);
        typeBox->setObjectName(QStringLiteral("theType"));
        g->addWidget(label("单位类型："), row, 0);
        g->addWidget(typeBox, row, 1);
        ++row;
    }
    g->addWidget(label("联  系  人："), row, 0);
    g->addWidget(contactEdit, row, 1);
    g->addWidget(label("联系电话："), row, 2);
    g->addWidget(phoneEdit, row, 3);
    ++row;
    g->addWidget(label("地        址："), row, 0);
    g->addWidget(addressEdit, row, 1, 1, 3);
    ++row;
    g->addWidget(label("备        注："), row, 0);
    g->addWidget(remarkEdit, row, 1, 1, 3);
    ++row;
    g->addWidget(label("应收金额："), row, 0);
    g->addWidget(receivableEdit, row, 1);
    g->addWidget(label("应付金额："), row, 2);
    g->addWidget(payableEdit, row, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
}

void PartnerForm::fillTypes(Database &db)
{
    if (typeBox)
        fillCombo(typeBox, DBComSUType(db));
}

PartnerFields PartnerForm::fields() const
{
    PartnerFields f;
    f.name = nameEdit->text();
    if (typeBox)
        f.type = typeBox->currentText();
    f.contact = contactEdit->text();
    f.phone = phoneEdit->text();
    f.address = addressEdit->text();
    f.remark = remarkEdit->text();
    f.receivable = receivableEdit->text();
    f.payable = payableEdit->text();
    return f;
}

void PartnerForm::setFields(const PartnerFields &f)
{
    nameEdit->setText(f.name);
    if (typeBox)
        typeBox->setCurrentIndex(typeBox->findText(f.type, Qt::MatchExactly));
    contactEdit->setText(f.contact);
    phoneEdit->setText(f.phone);
    addressEdit->setText(f.address);
    remarkEdit->setText(f.remark);
    receivableEdit->setText(f.receivable);
    payableEdit->setText(f.payable);
}

void PartnerForm::setReadOnly()
{
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->setReadOnly(true);
    if (typeBox)
        typeBox->setEnabled(false);
}

} // namespace qv
