#include "registerRefdata.h"

#include "registry.h"

namespace kb {

void registerRefdataWindows()
{
}

} // namespace kb
