#include "registerFirealarm.h"

#include "detectorwindow.h"
#include "firealarmmenus.h"
#include "registry.h"

namespace kb {

void registerFirealarmWindows()
{
    auto &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("MDIForm1"), [] { return new MDIForm1; });
    r.registerWindow(QStringLiteral("FrmMENUA"), [] { return new FrmMENUA; });
    r.registerWindow(QStringLiteral("FrmMENUC"), [] { return new FrmMENUC; });
    r.registerWindow(QStringLiteral("Form10"), [] { return new Form10; });
    r.registerWindow(QStringLiteral("Frm1"), [] { return new DetectorWindow(fa::ordinaryRoom()); });
    r.registerWindow(QStringLiteral("Frm2"), [] { return new DetectorWindow(fa::narrowRoom()); });
    r.registerWindow(QStringLiteral("Frm3"), [] { return new DetectorWindow(fa::rowOfRooms()); });
    r.registerWindow(QStringLiteral("Form4"), [] { return new DetectorWindow(fa::singleRoom()); });
}

} // namespace kb
