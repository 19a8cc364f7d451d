#include "app/tfrmmain.h"

#include "app/backgroundarea.h"
#include "app/menucatalog.h"
#include "app/store.h"
#include "app/toolicons.h"
#include "widgets/guarded.h"
#include "widgets/messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace qv {

namespace {

const QUrl HomePage(QStringLiteral("https://www.qorvan.cn/"));
const QUrl ManualPage(QStringLiteral("https://www.qorvan.cn/help/"));

} // namespace

TfrmMain::TfrmMain(AppContext &context, WindowDispatch dispatch, QWidget *parent)
    : QMainWindow(parent), ctx_(context), dispatch_(std::move(dispatch))
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(AppTitle);
    area_ = new BackgroundArea(this);
    setCentralWidget(area_);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    resize(1100, 720);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - rect().center());
    }
}

void TfrmMain::buildMenus()
{
    for (const MenuDef &m : mainMenus()) {
        QMenu *menu = menuBar()->addMenu(m.title);
        menus_ << menu;
        const bool help = menus_.size() - 1 == HelpMenuIndex;
        for (const MenuItemDef &item : m.items) {
            QAction *a = item.isSeparator() ? menu->addSeparator() : menu->addAction(item.caption);
            a->setObjectName(item.name);
            items_.insert(item.name, a);
            // Everything of the permission menus starts hidden, except the way out.
            if (!help && item.how != OpenHow::Exit)
                a->setVisible(false);
            if (!item.isSeparator()) {
                const QString name = item.name;
                connect(a, &QAction::triggered, this, [this, name] { menuClick(name); });
            }
        }
        if (!help && menus_.size() > 1)
            menu->menuAction()->setVisible(false);
    }
}

void TfrmMain::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->addSeparator();
    for (const ToolButtonDef &b : toolButtons()) {
        auto *button = new QToolButton(bar);
        button->setText(b.caption);
        button->setObjectName(QStringLiteral("tb_") + b.item);
        button->setIcon(toolIcon(b.item));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFixedSize(60, 60);
        button->setFocusPolicy(Qt::NoFocus);
        const QString item = b.item;
        connect(button, &QToolButton::clicked, this, [this, item] { menuClick(item); });
        bar->addWidget(button);
        buttons_ << button;
    }
}

void TfrmMain::buildStatusBar()
{
    const QString texts[] = {AppTitle, QStringLiteral("营业日期："), QString(), QStringLiteral("当前用户："), QString()};
    for (int i = 0; i < 5; ++i) {
        auto *l = new QLabel(texts[i], this);
        l->setFixedWidth(100);
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        if (i == 1 || i == 3)
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        statusBar()->addWidget(l);
        panels_ << l;
    }
}

QToolButton *TfrmMain::toolButton(const QString &caption) const
{
    for (QToolButton *b : buttons_)
        if (b->text() == caption)
            return b;
    return nullptr;
}

QMdiArea *TfrmMain::mdiArea() const { return area_; }

QList<QWidget *> TfrmMain::openChildren() const
{
    QList<QWidget *> out;
    for (QMdiSubWindow *w : area_->subWindowList())
        if (w->widget())
            out << w->widget();
    return out;
}

void TfrmMain::FormShow()
{
    panels_[2]->setText(ctx_.session.WorkDate);
    panels_[4]->setText(ctx_.session.CurUser);
    area_->loadPicture(ctx_.app.AppPath + QStringLiteral("bj.jpg"));
    show();
    guarded(this, [this] {
        if (stockAlertRaised(*ctx_.db, ctx_.session.options) && dispatch_.stockAlert) {
            // Opened outside the register: a later menu click leaves it open.
            if (QWidget *w = dispatch_.stockAlert(*this))
                showChild(w, false);
        }
    });
}

void TfrmMain::applyGrants(const QStringList &codes)
{
    const auto &menus = mainMenus();
    for (const QString &code : codes) {
        if (code.size() != 3 || !code[0].isDigit() || !code[1].isDigit() || !code[2].isDigit())
            continue;
        const int menu = code.left(1).toInt();
        const int index = code.mid(1).toInt();
        if (menu >= HelpMenuIndex || index >= int(menus[menu].items.size()))
            continue;
        menus_[menu]->menuAction()->setVisible(true);
        items_.value(menus[menu].items[index].name)->setVisible(true);
    }
}

void TfrmMain::menuClick(const QString &name)
{
    const MenuItemDef *item = findMenuItem(name);
    if (!item)
        return;
    if (item->how == OpenHow::Exit) {
        close();
        return;
    }
    myfrmClose();
    // A tool-bar button opens nothing that the user's menu does not show.
    if (item->gated && !items_.value(name)->isVisible())
        return;
    switch (item->how) {
    case OpenHow::Web:
        messages().openUrl(name == QStringLiteral("H2") ? ManualPage : HomePage);
        break;
    case OpenHow::Modal:
        if (const auto *open = dispatch_.modal(name))
            guarded(this, [&] { (*open)(*this); });
        break;
    case OpenHow::Child:
        if (const auto *open = dispatch_.child(name)) {
            guarded(this, [&] {
                if (QWidget *w = (*open)(*this))
                    showChild(w, true);
            });
        }
        break;
    default:
        break;
    }
}

void TfrmMain::myfrmClose()
{
    for (const QPointer<QWidget> &w : registered_)
        if (w)
            w->close();
    registered_.clear();
}

void TfrmMain::showChild(QWidget *window, bool registered)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = area_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the list window closes its frame too.
    connect(window, &QObject::destroyed, sub, [sub] { sub->close(); });
    if (registered)
        registered_ << QPointer<QWidget>(sub);
    sub->showMaximized();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!messages().ask(this, QStringLiteral("确认要退出 Qorvan进销存软件 吗？  ^_^  "), AppTitle, false)) {
        event->ignore();
        return;
    }
    event->accept();
    messages().quitApplication();
}

} // namespace qv
