#include "widgets/messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace qv {

namespace {

class DesktopMessages final : public Messages {
public:
    void inform(QWidget *parent, const QString &text, const QString &caption) override
    {
        QMessageBox::information(parent, caption, text);
    }
    void warn(QWidget *parent, const QString &text, const QString &caption) override
    {
        QMessageBox::warning(parent, caption, text);
    }
    void error(QWidget *parent, const QString &text) override { QMessageBox::critical(parent, AppTitle, text); }
    bool ask(QWidget *parent, const QString &text, const QString &caption, bool defaultNo) override
    {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     defaultNo ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
    }
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }
    void quitApplication() override { QCoreApplication::exit(0); }
};

DesktopMessages desktop;
Messages *current = &desktop;

} // namespace

Messages &messages() { return *current; }

bool askDelete(QWidget *parent)
{
    return messages().ask(parent, QStringLiteral("确认要删除吗？该删除将不可恢复！"), QStringLiteral("删除"), true);
}

Messages *setMessages(Messages *seam)
{
    Messages *old = current;
    current = seam ? seam : &desktop;
    return old;
}

} // namespace qv
