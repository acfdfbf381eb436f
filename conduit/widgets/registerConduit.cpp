#include "registerConduit.h"

#include "form1.h"
#include "registry.h"

namespace kb {

void registerConduitWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("Form1"), [] { return new Form1; });
}

} // namespace kb
