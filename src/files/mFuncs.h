// Zevora - general routines on files and paths.
// String routines take the path separator as a parameter, the native one by default.
#pragma once

#include <QDir>
#include <QString>

namespace mFuncs {

/// True when \a path names a file (not a folder) that can be opened for reading.
bool FileExists(const QString &path);

/// True when the first 300 bytes of the file (all of a shorter file) hold any
/// of the bytes 0xFF, 0x01, 0x02 or 0x03. NUL and every other control byte do
/// not count. A file that cannot be read (missing, a folder, no permission) is
/// not binary.
bool IsBinaryFile(const QString &path);

/// The text after the last \a separator (the whole path when there is none).
/// A name ending in the extension ".rtf", in any letter case, is shown with
/// ".txt" instead: "notes.RTF" gives "notes.txt", but "hrtf" stays "hrtf".
QString CaptionFromPath(const QString &path, QChar separator = QDir::separator());

/// The platform's folder for temporary files, in native form and ending with
/// the native separator. The file system's root when the platform names none.
QString TempFolder();

/// True when a page at \a path is kept out of the recent-files list: the path
/// holds, with letter case as given, \a tempFolder, "Cache" or "Temporary"
/// (browser caches, which the program sees when it serves as a browser's
/// view-source editor). An empty \a tempFolder matches nothing.
bool IsTempOrCachePath(const QString &path, const QString &tempFolder = TempFolder());

} // namespace mFuncs
