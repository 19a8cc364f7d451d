#pragma once

#include <QString>
#include <vector>

namespace qv {

// How a menu item opens its window.
enum class OpenHow { Separator, Modal, Child, Web, Exit };

struct MenuItemDef {
    int menu = 0;        // index of the top-level menu
    int index = 0;       // position within the menu, separators counted
    QString caption;     // with its accelerator ("本店信息 &D")
    QString name;        // object name of the item ("B2")
    QString window;      // class of the window it opens ("TfrmDept"), empty when none
    QString windowCaption;
    OpenHow how = OpenHow::Separator;
    bool gated = false;  // shares a tool-bar button: a click does nothing while the item is hidden

    bool isSeparator() const { return how == OpenHow::Separator; }
    // Permission code: menu digit and two-digit item index ("200").
    QString code() const;
    // Caption up to and including its first blank; a caption without one stays whole.
    QString menuName() const;
};

struct MenuDef {
    QString title;
    std::vector<MenuItemDef> items;
};

struct ToolButtonDef {
    QString caption;
    QString item; // name of the menu item whose handler it shares
};

// The seven menus of the main window, in order; menu 6 (help) carries no permission codes.
const std::vector<MenuDef> &mainMenus();
// Items of menus 0..5, separators included, in code order: the rows of SMenu.
std::vector<const MenuItemDef *> grantableMenuItems();
const MenuItemDef *findMenuItem(const QString &name);
const std::vector<ToolButtonDef> &toolButtons();

inline constexpr int HelpMenuIndex = 6;

} // namespace qv
