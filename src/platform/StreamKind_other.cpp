// Zevora - what an open file reads from, where only random access can be told apart.
// A device read through this stays bounded by its reader's own size limit.
#include "StreamKind.h"

#include <QFile>

namespace Platform {

StreamKind streamKind(const QFile &file)
{
    return file.isSequential() ? StreamKind::Pipe : StreamKind::RegularFile;
}

} // namespace Platform
