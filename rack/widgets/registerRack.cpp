#include "registerRack.h"

#include "form17.h"
#include "form19.h"
#include "registry.h"

namespace kb {

void registerRackWindows()
{
    auto &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form17"), [] { return new Form17; });
    r.registerWindow(QStringLiteral("Form19"), [] { return new Form19; });
    // No menu opens the wiring-duct window; the main menu's close-all closes it.
    r.registerWindow(QStringLiteral("Form29"), [] { return new Form29; });
}

} // namespace kb
