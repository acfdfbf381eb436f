#include "registerRefdata.h"

#include "form8.h"
#include "registry.h"

namespace kb {

void registerRefdataWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("Form8"), [] { return new Form8; });
}

} // namespace kb
