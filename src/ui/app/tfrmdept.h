#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qv {

struct AppContext;

// "本店信息": the store's name, print footer lines and options.
class TfrmDept : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDept(AppContext &context, QWidget *parent = nullptr);

    QLineEdit *nameEdit, *lineEdit[5], *topLeftEdit[2], *noticeEdit;
    QCheckBox *alertBox, *negativeBox;
    QLineEdit *minEdit, *maxEdit;
    QCheckBox *autoPurchaseBox, *autoSalesBox, *lastPurchaseBox, *lastSalesBox;
    QList<QRadioButton *> costButtons;
    QLineEdit *paramEdit[3];
    QCheckBox *printParamsBox;
    QGroupBox *topLeftGroup, *noticeGroup;
    QPushButton *saveButton, *exitButton;

    void load();
    // "保存"
    void BitBtn1Click();

private:
    AppContext &ctx_;
};

} // namespace qv
