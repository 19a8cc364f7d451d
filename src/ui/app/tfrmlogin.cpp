#include "app/tfrmlogin.h"

#include "app/appcontext.h"
#include "app/login.h"
#include "app/tfrmmain.h"
#include "widgets/fillcombo.h"
#include "widgets/guarded.h"
#include "widgets/passwordstyle.h"

#include <QComboBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

namespace {

// The banner across the top of the login window.
QPixmap loginBanner()
{
    QPixmap pm(420, 110);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, pm.width(), 0);
    g.setColorAt(0, QColor(0x2f, 0x6d, 0xb5));
    g.setColorAt(1, QColor(0x4f, 0xa3, 0xd9));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(360, 20), 70, 70);
    p.drawEllipse(QPointF(400, 100), 45, 45);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(28);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(24, 18, 380, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Qorvan进销存软件"));
    QFont sub(QStringLiteral("Noto Sans CJK SC"));
    sub.setPixelSize(14);
    p.setFont(sub);
    p.drawText(QRect(26, 64, 380, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("采购、销售、库存，一本账算清楚"));
    return pm;
}

} // namespace

TfrmLogin::TfrmLogin(AppContext &context, TfrmMain &main) : QDialog(nullptr), ctx_(context), main_(main)
{
    setObjectName(QStringLiteral("TfrmLogin"));
    setWindowTitle(QStringLiteral("软件登录"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *banner = new QLabel(this);
    banner->setPixmap(loginBanner());
    banner->setFixedSize(420, 110);

    auto *group = new QGroupBox(QStringLiteral("软件登录"), this);
    auto *form = new QFormLayout(group);
    user_ = new QComboBox(group);
    user_->setObjectName(QStringLiteral("DBLookupComboBox1"));
    password_ = new QLineEdit(group);
    password_->setObjectName(QStringLiteral("Edit1"));
    password_->setMaxLength(12);
    useAtSignForPassword(password_);
    date_ = new QDateEdit(QDate::currentDate(), group);
    date_->setObjectName(QStringLiteral("DateTimePicker1"));
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setCalendarPopup(true);
    form->addRow(QStringLiteral("用  户  名："), user_);
    form->addRow(QStringLiteral("密        码："), password_);
    form->addRow(QStringLiteral("营业日期："), date_);

    login_ = new QPushButton(QStringLiteral("登录"), this);
    login_->setObjectName(QStringLiteral("BitBtn1"));
    login_->setDefault(true);
    exit_ = new QPushButton(QStringLiteral("退出"), this);
    exit_->setObjectName(QStringLiteral("BitBtn2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(login_);
    buttons->addWidget(exit_);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(banner);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(14, 4, 14, 0);
    body->addWidget(group);
    body->addLayout(buttons);
    layout->addLayout(body);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

    guarded(this, [this] { fillCombo(user_, DBComUser(*ctx_.db)); });
    connect(user_, &QComboBox::activated, this, [this] { password_->setFocus(); });
    user_->setFocus();
    connect(login_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(exit_, &QPushButton::clicked, this, [this] { close(); });
}

void TfrmLogin::BitBtn1Click()
{
    guarded(this, [this] {
        auto result = login(*ctx_.db, user_->currentText(), password_->text(), date_->date());
        if (auto *refusal = std::get_if<Refusal>(&result)) {
            messages().inform(this, refusal->message, AppTitle);
            if (refusal->field == QStringLiteral("user"))
                user_->setFocus();
            else
                password_->setFocus();
            return;
        }
        Session session = std::get<Session>(result);
        session.options = ctx_.options;
        ctx_.session = session;
        ctx_.loggedIn = true;
        hide();
        main_.FormShow();
        main_.applyGrants(grantedCodes(*ctx_.db, session.UserId));
    });
}

void TfrmLogin::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Leaving the login window without logging in ends the program.
    if (!ctx_.loggedIn)
        messages().quitApplication();
}

void TfrmLogin::reject()
{
    close();
}

} // namespace qv
