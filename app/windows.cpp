#include "windows.h"

#include "mainmenu.h"
#include "registry.h"
#include "registerConduit.h"
#include "registerRefdata.h"
#include "registerVoltagedrop.h"

namespace kb {

void registerAllWindows()
{
    auto &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form5"), [] { return new Form5; });
    registerRefdataWindows();
    registerConduitWindows();
    registerVoltagedropWindows();
}

QStringList closeAllOrder()
{
    return {QStringLiteral("Form5")};
}

} // namespace kb
