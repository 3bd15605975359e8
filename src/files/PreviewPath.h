// Zevora - where the browser preview of a page is written.
// Routines take the path separator as a parameter, the native one by default.
#pragma once

#include <QDir>
#include <QString>

#include <functional>

namespace PreviewPath {

/// The file a page is previewed from, before the ".htm" rule. A modified
/// page whose \a tag holds its \a captionBase (a saved page) gets a copy in
/// its own folder, named "$$" + the caption base, so that its relative links
/// and pictures work as they will on the site: "/site/$$index.htm". Any other
/// page is previewed from its \a tag: an unmodified saved page is its own
/// file, an untitled page gets a copy under its temporary path.
QString previewFile(const QString &tag, const QString &captionBase, bool modified,
                    QChar separator = QDir::separator());

/// \a path with ".htm" added when its last five characters hold no period,
/// so that the browser takes it for a web page: "page.shtml" gives
/// "page.shtml.htm", "index.htm" stays.
QString withHtmExtension(const QString &path);

/// The other names a copy may take when \a path is in use: for \a number 1,
/// 2, ... the folder of \a path + "$$" + number + the file name without its
/// leading "$$" ("/site/$$index.htm" gives "/site/$$1index.htm").
QString numberedName(const QString &path, int number, QChar separator = QDir::separator());

/// The first of \a path and its numbered names that \a usable accepts; ""
/// when none of the first thousand is.
QString firstUsable(const QString &path, const std::function<bool(const QString &)> &usable,
                    QChar separator = QDir::separator());

} // namespace PreviewPath
