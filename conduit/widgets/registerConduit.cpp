#include "registerConduit.h"

#include "registry.h"

namespace kb {

void registerConduitWindows()
{
}

} // namespace kb
