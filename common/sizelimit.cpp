#include "sizelimit.h"

#include <QtGlobal>

#include <atomic>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace kb {

namespace {
std::atomic<int> g_writesPastTheLimit{0};
static_assert(std::atomic<int>::is_always_lock_free, "counted inside a signal handler");

#ifdef Q_OS_UNIX
void countWritePastTheLimit(int)
{
    g_writesPastTheLimit.fetch_add(1, std::memory_order_relaxed);
}
#endif
} // namespace

void catchWritesPastTheSizeLimit()
{
#ifdef Q_OS_UNIX
    // A handler, not SIG_IGN: an ignored signal would stay ignored in the programs
    // this one starts (the spreadsheet, the calculator), a handler does not.
    struct sigaction action{};
    action.sa_handler = countWritePastTheLimit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
#endif
}

int writesPastTheSizeLimit()
{
    return g_writesPastTheLimit.load(std::memory_order_relaxed);
}

} // namespace kb
