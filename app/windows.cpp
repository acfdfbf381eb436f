#include "windows.h"

#include "mainmenu.h"
#include "registry.h"
#include "registerConduit.h"
#include "registerFeeder.h"
#include "registerFirealarm.h"
#include "registerPullbox.h"
#include "registerRack.h"
#include "registerRefdata.h"
#include "registerVoltagedrop.h"
#include "submenus.h"

namespace kb {

void registerAllWindows()
{
    auto &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form5"), [] { return new Form5; });
    r.registerWindow(QStringLiteral("Form6"), [] { return new Form6; });
    r.registerWindow(QStringLiteral("Form13"), [] { return new Form13; });
    r.registerWindow(QStringLiteral("Form20"), [] { return new Form20; });
    registerRefdataWindows();
    registerConduitWindows();
    registerVoltagedropWindows();
    registerFeederWindows();
    registerRackWindows();
    registerPullboxWindows();
    registerFirealarmWindows();
}

QStringList closeAllOrder()
{
    // The main menu first, then every window of the suite by name.
    QStringList order{QStringLiteral("Form5"), QStringLiteral("MDIForm1")};
    for (int n : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29})
        order << QStringLiteral("Form%1").arg(n);
    order << QStringLiteral("Frm1") << QStringLiteral("Frm2") << QStringLiteral("Frm3") << QStringLiteral("FrmMENUA")
          << QStringLiteral("FrmMENUC");
    return order;
}

} // namespace kb
