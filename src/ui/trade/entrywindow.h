#pragma once

#include "trade/entrydescriptor.h"
#include "trade/entrytargets.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace qv {

struct AppContext;

// The entry window of the trade documents (sales issue, purchase receipt and the two
// returns): header, line grid, money block, "连续新增", "保存" and "退出". Everything that
// differs between them comes from the descriptor.
class EntryWindow : public QDialog, public PartnerTarget, public GoodsLineTarget {
    Q_OBJECT
public:
    EntryWindow(AppContext &context, const EntryDescriptor &descriptor, QWidget *parent = nullptr,
                QuickAdd quickAdd = standardQuickAdd());

    const EntryDescriptor &descriptor() const { return d_; }

    // Starts a new document.
    void myNew();
    // Opens a stored pre-saved document for editing (before the window is shown).
    void setMyNum(const QString &number);
    const QString &myNum() const { return myNum_; }
    // Number of the document saved last by this window.
    const QString &lastSaved() const { return lastSaved_; }

    // Partner search from the header boxes.
    void myFindUnits();
    // Goods search on the current line.
    void myFindSP();
    // Totals over the lines; the amount received is reset to the full total.
    void mySumMoney();
    // "删除本行", "全部删除", "历史单价"
    void D1Click();
    void A1Click();
    void L1Click();
    // "保存"
    void BitBtn1Click();

    // PartnerTarget, GoodsLineTarget
    QString callerCode() const override { return d_.callerCode; }
    void takePartner(const PartnerChoice &partner) override;
    void takeGoods(const GoodsPick &goods) override;

    int partnerId() const;

    // Controls, named as the behaviour names them.
    QLineEdit *Edit1;       // partner name
    QLabel *Lab_Units;      // partner identity (hidden)
    QLineEdit *Edit7, *Edit8, *Edit9; // contact, telephone, address
    QDateEdit *DateTimePicker1;
    QComboBox *DBLookupComboBox2; // warehouse
    QComboBox *DBLookupComboBox3; // handler
    QLineEdit *Edit6;       // total quantity
    QLineEdit *Edit2;       // total amount
    QLineEdit *Edit3;       // received / paid now
    QLineEdit *Edit4;       // left outstanding (hidden)
    QComboBox *DBLookupComboBox1; // account
    QComboBox *DBLookupComboBox4; // payee / payer
    QLineEdit *Edit5;       // remark
    QCheckBox *CheckBox1;   // 连续新增
    QCheckBox *CheckBox2;   // 预存
    QCheckBox *CheckBox3;   // 打印小票
    class EntryGrid *StringGrid1;
    QMenu *gridMenu;
    QPushButton *BitBtn1, *BitBtn2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader(QGroupBox *group);
    void buildMoney(QGroupBox *group);
    void fillLine(int line, const GoodsPick &goods, bool withRemark);
    Money proposedPrice(const GoodsPick &goods, bool *known) const;
    void onGridEnter();
    void updateOutstanding();
    void loadStored();

    AppContext &ctx_;
    const EntryDescriptor &d_;
    QuickAdd quickAdd_;
    QString myNum_;
    QString lastSaved_;
};

} // namespace qv
