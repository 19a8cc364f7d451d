#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace qv {

struct AppContext;

// A user's default warehouse, account, handler and payer/receiver for new documents.
// The opener sets the caption ("{userName} 的默认选项设置") and passes the user's ID.
class TfrmXXSZ : public QDialog {
    Q_OBJECT
public:
    TfrmXXSZ(AppContext &context, int userId, const QString &caption, QWidget *parent = nullptr);

    QComboBox *wareBox, *accountBox, *handlerBox, *payeeBox;
    QGroupBox *group;
    QPushButton *saveButton, *exitButton;

    // "保存"
    void BitBtn1Click();

private:
    AppContext &ctx_;
    int userId_;
};

} // namespace qv
