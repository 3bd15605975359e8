// Zevora - the path of one file written relative to the folder of another.
#pragma once

#include <QDir>
#include <QString>

namespace mRelPath {

/// The path of the file \a target relative to the folder of the file \a base,
/// both split into components at \a separator. Components compare exactly
/// (letter case counts). When the first components differ (another drive)
/// the result is \a target's file name; otherwise it is "../" for each folder
/// of \a base below the common ones, then \a target's folders below them and
/// its file name, joined by "/". With base C:\site\docs\page.htm:
/// C:\site\img\a.gif gives "../img/a.gif", D:\a.gif gives "a.gif".
///
/// The result is a web address: each "%", '"', "#" and "?" in it is written
/// as %25, %22, %23 and %3F; blanks and other characters stay as they are.
QString relPath(const QString &target, const QString &base, QChar separator = QDir::separator());

/// \a name with "%", '"', "#" and "?" written as %25, %22, %23 and %3F, so
/// that a file name can stand in a quoted src or href.
QString escapeForAddress(const QString &name);

} // namespace mRelPath
