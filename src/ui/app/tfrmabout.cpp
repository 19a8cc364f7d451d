#include "app/tfrmabout.h"

#include "app/appcontext.h"
#include "widgets/messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TfrmAbout::TfrmAbout(AppContext &context, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    auto *group = new QGroupBox(QStringLiteral("软件信息"), this);
    auto *g = new QVBoxLayout(group);
    auto *title = new QLabel(AppTitle, group);
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);
    g->addWidget(title);
    g->addWidget(new QLabel(QStringLiteral("版本：%1  %2").arg(context.app.AppEdition, context.app.AppVersion), group));
    g->addWidget(new QLabel(QStringLiteral("适用于小型商贸企业的采购、销售、库存与往来账管理。"), group));
    auto *link = new QLabel(QStringLiteral("<a href=\"https://www.qorvan.cn/\">www.qorvan.cn</a>"), group);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(link, &QLabel::linkActivated, this, [](const QString &url) { messages().openUrl(QUrl(url)); });
    g->addWidget(link);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

} // namespace qv
