#include "registerPullbox.h"

#include "form27.h"
#include "pullboxwindow.h"
#include "registry.h"

namespace kb {

void registerPullboxWindows()
{
    using namespace pullbox;
    WindowRegistry &registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("Form21"), [] { return new Form21; });
    registry.registerWindow(QStringLiteral("Form22"), [] { return new Form22; });
    registry.registerWindow(QStringLiteral("Form23"), [] { return new Form23; });
    registry.registerWindow(QStringLiteral("Form24"), [] { return new Form24; });
    registry.registerWindow(QStringLiteral("Form25"), [] { return new Form25; });
    registry.registerWindow(QStringLiteral("Form26"), [] { return new Form26; });
    registry.registerWindow(QStringLiteral("Form27"), [] { return new Form27; });
}

} // namespace kb
