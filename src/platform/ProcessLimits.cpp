// Zevora - limits the operating system sets on this process.
#include "ProcessLimits.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <climits>
#include <sys/resource.h>
#endif

namespace Platform {

bool raiseOpenFileLimit()
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return false;
    if (limit.rlim_cur == limit.rlim_max)
        return true;
    limit.rlim_cur = limit.rlim_max;
#ifdef Q_OS_MACOS
    // macOS reports no hard limit but refuses more than OPEN_MAX.
    limit.rlim_cur = qMin<rlim_t>(limit.rlim_cur, OPEN_MAX);
#endif
    return setrlimit(RLIMIT_NOFILE, &limit) == 0;
#else
    // Windows has no per-process limit of this kind for sockets and handles.
    return true;
#endif
}

} // namespace Platform
