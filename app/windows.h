#pragma once

#include <QStringList>

namespace kb {

// Registers the factory of every window the program has.
void registerAllWindows();

// The order in which the main menu's close-all (and the program's end) closes windows.
QStringList closeAllOrder();

} // namespace kb
