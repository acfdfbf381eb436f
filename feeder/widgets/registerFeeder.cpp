#include "registerFeeder.h"

#include "registry.h"

namespace kb {

void registerFeederWindows()
{
}

} // namespace kb
