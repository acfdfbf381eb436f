#include "registerPullbox.h"

#include "registry.h"

namespace kb {

void registerPullboxWindows()
{
}

} // namespace kb
