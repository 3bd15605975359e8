// Zevora - turning a path handed to the program into the name of the file on disk.
// String routines take the path separator as a parameter, the native one by default.
#pragma once

#include <QDir>
#include <QString>

namespace mCorrectPath {

/// The folder part of \a path (up to and including its last \a separator),
/// with every folder spelled as the file system stores it: the first piece
/// (the drive "C:", or nothing before a leading "/") is kept as given, each
/// further folder is looked up in the one before it. On a file system that
/// ignores letter case, "c:\SITE\x" gives the stored "c:\Site\"; a folder that
/// is not found, and empty pieces (the "\\" of a network path), are kept as
/// given. Empty when \a path has no separator.
QString LongFolderOf(const QString &path, QChar separator = QDir::separator());

/// The name of the file or folder \a path names, as its folder stores it
/// (with its extension). Empty when nothing is there or \a path ends with a
/// separator.
QString DisplayNameOf(const QString &path, QChar separator = QDir::separator());

/// \a path unchanged when its file name has a period or names an existing
/// file. Otherwise the full path of the first file (in name order, letter case
/// ignored) in the folder named as the name plus "." plus an extension: with
/// "/site/index.htm" on disk, "/site/index" gives "/site/index.htm". Empty when
/// there is no such file. A period in a folder name does not count.
QString CompleteExtension(const QString &path, QChar separator = QDir::separator());

/// The path a page handed to the program (command line, another instance) is
/// opened under: LongFolderOf(), then DisplayNameOf() (or the name as given
/// when there is no such file), then CompleteExtension(). A path that names
/// nothing on disk comes back with its name as given, so that the caller's
/// "is not present." message shows what the user asked for. Empty only for an
/// empty \a path.
QString CorrectPath(const QString &path, QChar separator = QDir::separator());

} // namespace mCorrectPath
