#include "windows.h"

#include "mainmenu.h"
#include "registry.h"

namespace kb {

void registerAllWindows()
{
    auto &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form5"), [] { return new Form5; });
}

QStringList closeAllOrder()
{
    return {QStringLiteral("Form5")};
}

} // namespace kb
