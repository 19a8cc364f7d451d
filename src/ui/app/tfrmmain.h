#pragma once

#include "app/appcontext.h"
#include "app/windowdispatch.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolButton;

namespace qv {

class BackgroundArea;

// The main window: menus, tool bar, the frame for list windows, the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(AppContext &context, WindowDispatch dispatch = WindowDispatch::standard(),
                      QWidget *parent = nullptr);

    AppContext &context() { return ctx_; }
    WindowDispatch &dispatch() { return dispatch_; }

    // Shows the window after a successful login: status bar, background, stock alert.
    void FormShow();
    // Makes visible each menu and item that a permission code grants. Codes that name no item
    // are passed over.
    void applyGrants(const QStringList &codes);

    // The handler every menu item and tool-bar button runs.
    void menuClick(const QString &item);
    // Closes the registered list window, if any.
    void myfrmClose();
    // Shows a list window inside the frame; registered windows are closed by the next menu click.
    void showChild(QWidget *window, bool registered);

    QAction *menuItem(const QString &name) const { return items_.value(name); }
    QMenu *topMenu(int index) const { return menus_.value(index); }
    QToolButton *toolButton(const QString &caption) const;
    QLabel *statusPanel(int index) const { return panels_.value(index); }
    QMdiArea *mdiArea() const;
    QList<QWidget *> openChildren() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();

    AppContext &ctx_;
    WindowDispatch dispatch_;
    QHash<QString, QAction *> items_;
    QList<QMenu *> menus_;
    QList<QToolButton *> buttons_;
    QList<QLabel *> panels_;
    BackgroundArea *area_ = nullptr;
    QList<QPointer<QWidget>> registered_;
};

} // namespace qv
