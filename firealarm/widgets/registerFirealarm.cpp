#include "registerFirealarm.h"

#include "registry.h"

namespace kb {

void registerFirealarmWindows()
{
}

} // namespace kb
