// Zevora - which file a path names, and whether it changed since it was seen.
// The page commands use it to keep one window per file and to notice files changed behind their back.
#pragma once

#include <QString>
#include <QtGlobal>

namespace Platform {

/// What a path resolved to at one moment: the file itself (device and inode,
/// through symbolic links) and its size and modification time.
struct FileIdentity
{
    bool valid = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    /// The canonical path, for file systems without inode numbers.
    QString canonicalPath;

    /// True when both name the same file (a symbolic link, a hard link or
    /// another spelling of the path included).
    bool sameFile(const FileIdentity &other) const;
    /// True when both name the same file, unchanged in size and time.
    bool sameFileUnchanged(const FileIdentity &other) const;
};

/// The file \a path names now; invalid when nothing (or not a regular file)
/// is there.
FileIdentity fileIdentity(const QString &path);

/// True when following \a path would pass a symbolic link that belongs to
/// another user, in a folder that everybody may write and that only owners
/// may delete from (such as /tmp), unless the folder's owner owns the link.
/// Another user could point such a link at any file of ours; the kernel
/// refuses to follow it on open, and the program must not resolve it itself.
bool passesForeignLinkInSharedFolder(const QString &path);

} // namespace Platform
