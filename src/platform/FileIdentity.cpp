// Zevora - which file a path names, and whether it changed since it was seen.
#include "FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Platform {

bool FileIdentity::sameFile(const FileIdentity &other) const
{
    if (!valid || !other.valid)
        return false;
    if (inode != 0 || other.inode != 0)
        return device == other.device && inode == other.inode;
    return canonicalPath == other.canonicalPath;
}

bool FileIdentity::sameFileUnchanged(const FileIdentity &other) const
{
    return sameFile(other) && size == other.size && modifiedNs == other.modifiedNs;
}

#ifdef Q_OS_WIN

FileIdentity fileIdentity(const QString &path)
{
    const QFileInfo info(path);
    FileIdentity identity;
    if (!info.isFile())
        return identity;
    identity.valid = true;
    identity.size = info.size();
    identity.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    identity.canonicalPath = info.canonicalFilePath();
    return identity;
}

bool passesForeignLinkInSharedFolder(const QString &)
{
    return false;
}

#else

FileIdentity fileIdentity(const QString &path)
{
    FileIdentity identity;
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return identity;
    identity.valid = true;
    identity.device = quint64(status.st_dev);
    identity.inode = quint64(status.st_ino);
    identity.size = qint64(status.st_size);
    identity.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    identity.canonicalPath = QFileInfo(path).canonicalFilePath();
    return identity;
}

bool passesForeignLinkInSharedFolder(const QString &path)
{
    // Each link written in the path is judged where it stands; the links
    // inside a link's own target are judged by the kernel when it opens them.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const uid_t self = ::geteuid();
    QString prefix;
    for (const QString &part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString folder = prefix + QLatin1Char('/');
        prefix = folder + part;
        struct stat link;
        if (::lstat(QFile::encodeName(prefix).constData(), &link) != 0)
            return false;
        if (!S_ISLNK(link.st_mode) || link.st_uid == self)
            continue;
        struct stat parent;
        if (::stat(QFile::encodeName(folder).constData(), &parent) == 0 && (parent.st_mode & S_ISVTX) &&
            (parent.st_mode & S_IWOTH) && parent.st_uid != link.st_uid)
            return true;
    }
    return false;
}

#endif

} // namespace Platform
