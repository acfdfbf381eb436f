#include "registerFeeder.h"

#include "form11.h"
#include "form12.h"
#include "form7.h"
#include "registry.h"

namespace kb {

void registerFeederWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("Form7"), [] { return new Form7; });
    WindowRegistry::instance().registerWindow(QStringLiteral("Form11"), [] { return new Form11; });
    WindowRegistry::instance().registerWindow(QStringLiteral("Form12"), [] { return new Form12; });
}

} // namespace kb
