#include "registerVoltagedrop.h"

#include "form16.h"
#include "registry.h"
#include "voltagedropwindow.h"

namespace kb {

void registerVoltagedropWindows()
{
    auto &registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("Form14"), [] { return new VoltageDropWindow(vd::threePhaseThreeWireWindow()); });
    registry.registerWindow(QStringLiteral("Form3"), [] { return new VoltageDropWindow(vd::singlePhaseThreeWireWindow()); });
    registry.registerWindow(QStringLiteral("Form9"), [] { return new VoltageDropWindow(vd::singlePhaseTwoWireWindow()); });
    registry.registerWindow(QStringLiteral("Form15"), [] { return new VoltageDropWindow(vd::dcTwoWireWindow()); });
    registry.registerWindow(QStringLiteral("Form16"), [] { return new Form16; });
}

} // namespace kb
