#include "registerRack.h"

#include "registry.h"

namespace kb {

void registerRackWindows()
{
}

} // namespace kb
