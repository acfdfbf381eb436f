#pragma once

// A calculator window's menu bar as data, and the menus every calculator with
// a result grid shares: the file menu, the clear-all menu and the export menu.

#include <QString>
#include <QVector>

namespace kb {

// One command of a menu: each item names the handler (a slot of the window) it runs.
struct MenuItemDesc
{
    QString name;    // objectName of the QAction ("IDM_DOPEN"); a separator has no handler
    QString caption; // "-" for a separator
    QString handler; // slot name ("IDM_DOPEN_Click"), empty for a separator
};

struct MenuDesc
{
    QString name;    // objectName of the menu title ("IDM_FILE")
    QString caption;
    QVector<MenuItemDesc> items;
};

// A command that runs handler, by default the slot "<name>_Click".
MenuItemDesc menuItem(const char *name, const char *caption, const char *handler = nullptr);
MenuItemDesc menuSeparator(const char *name);

// The commands of the file menu and the clear and export menus, the same in every calculator window.
MenuDesc fileMenu();
MenuDesc clearAllMenu();
MenuDesc exportMenu(const QString &itemCaption);

} // namespace kb
