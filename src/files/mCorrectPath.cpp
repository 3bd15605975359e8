// Zevora - turning a path handed to the program into the name of the file on disk.
#include "mCorrectPath.h"

#include <QFileInfo>

namespace {

// The spelling under which \a name is stored in \a folder (which ends with a
// separator). Only an existing entry is looked up. On a file system that
// ignores case, an entry that matches only without regard to case is the
// stored spelling; on one that does not, the exact entry is found first. A
// name that no listing shows (a short Windows name such as "PROGRA~1") is
// resolved through the file's canonical path, unless it is "." or ".." or a
// link (whose own name is wanted, not its target's).
QString storedName(const QString &folder, const QString &name)
{
    const QFileInfo info(folder + name);
    if (!info.exists())
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    if (name == QLatin1String(".") || name == QLatin1String("..") || info.isSymLink())
        return name;
    const QString canonicalName = QFileInfo(info.canonicalFilePath()).fileName();
    return canonicalName.isEmpty() ? name : canonicalName;
}

} // namespace

namespace mCorrectPath {

QString LongFolderOf(const QString &path, QChar separator)
{
    const QStringList pieces = path.split(separator);
    if (pieces.size() < 2)
        return QString();
    QString folder = pieces.first() + separator;
    for (qsizetype i = 1; i + 1 < pieces.size(); ++i) {
        if (!pieces[i].isEmpty())
            folder += storedName(folder, pieces[i]);
        folder += separator;
    }
    return folder;
}

QString DisplayNameOf(const QString &path, QChar separator)
{
    const qsizetype cut = path.lastIndexOf(separator) + 1;
    const QString name = path.mid(cut);
    if (name.isEmpty() || !QFileInfo::exists(path))
        return QString();
    return storedName(path.left(cut), name);
}

QString CompleteExtension(const QString &path, QChar separator)
{
    const qsizetype cut = path.lastIndexOf(separator) + 1;
    const QString folder = path.left(cut);
    const QString name = path.mid(cut);
    if (name.contains(u'.') || QFileInfo(path).isFile())
        return path;
    if (name.isEmpty())
        return QString();

    const QString stem = name + u'.';
    const QStringList files =
        QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    // The name as typed first; then, on a file system that ignores case, a
    // file whose name differs only in case (the check through the name as
    // typed fails on a file system that does not).
    for (const QString &file : files) {
        if (file.size() > stem.size() && file.startsWith(stem))
            return folder + file;
    }
    for (const QString &file : files) {
        if (file.size() > stem.size() && file.startsWith(stem, Qt::CaseInsensitive) &&
            QFileInfo(folder + name + file.mid(name.size())).isFile())
            return folder + file;
    }
    return QString();
}

QString CorrectPath(const QString &path, QChar separator)
{
    if (path.isEmpty())
        return QString();
    QString name = DisplayNameOf(path, separator);
    if (name.isEmpty())
        name = path.mid(path.lastIndexOf(separator) + 1);
    const QString corrected = LongFolderOf(path, separator) + name;
    const QString completed = CompleteExtension(corrected, separator);
    return completed.isEmpty() ? corrected : completed;
}

} // namespace mCorrectPath
