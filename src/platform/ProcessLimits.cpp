// Zevora - limits the operating system sets on this process.
#include "ProcessLimits.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <csignal>
#include <limits>
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

bool processIsRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > qint64(std::numeric_limits<pid_t>::max()))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true; // unknown: never take another instance's journal
#endif
}

} // namespace Platform
