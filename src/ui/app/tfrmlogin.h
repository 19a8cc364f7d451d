#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace qv {

struct AppContext;
class TfrmMain;

// The first window of a run: user, password and business date.
class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    TfrmLogin(AppContext &context, TfrmMain &main);

    QComboBox *userBox() const { return user_; }
    QLineEdit *passwordEdit() const { return password_; }
    QDateEdit *dateEdit() const { return date_; }
    QPushButton *loginButton() const { return login_; }
    QPushButton *exitButton() const { return exit_; }

    // "登录": checks the user and, on success, hands over to the main window.
    void BitBtn1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    AppContext &ctx_;
    TfrmMain &main_;
    QComboBox *user_;
    QLineEdit *password_;
    QDateEdit *date_;
    QPushButton *login_;
    QPushButton *exit_;
};

} // namespace qv
