#include "registerVoltagedrop.h"

#include "registry.h"

namespace kb {

void registerVoltagedropWindows()
{
}

} // namespace kb
