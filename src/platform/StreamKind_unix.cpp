// Zevora - what an open file reads from, asked of the file descriptor.
#include "StreamKind.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

StreamKind streamKind(const QFile &file)
{
    const int descriptor = file.handle();
    struct stat info = {};
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0)
        return StreamKind::Other;
    if (S_ISREG(info.st_mode))
        return StreamKind::RegularFile;
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))
        return StreamKind::Pipe;
    if (S_ISCHR(info.st_mode) && ::isatty(descriptor))
        return StreamKind::Terminal;
    return StreamKind::Other;
}

} // namespace Platform
