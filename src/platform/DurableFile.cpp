// Zevora - writing a small file so that it survives a crash or a power cut.
#include "DurableFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Platform {

#ifdef Q_OS_WIN

bool writeFileDurably(const QString &path, std::initializer_list<QByteArrayView> parts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArrayView part : parts) {
        if (file.write(part.data(), part.size()) != part.size())
            return false;
    }
    return file.commit();
}

#else

namespace {

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qsizetype>(left, 1 << 30)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

bool writeFileDurably(const QString &path, std::initializer_list<QByteArrayView> parts)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const bool written =
        std::all_of(parts.begin(), parts.end(), [fd](QByteArrayView part) { return writeAll(fd, part); }) &&
        ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // The rename itself is made durable by flushing the folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

#endif

} // namespace Platform
