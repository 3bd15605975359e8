// Zevora - general routines on files and paths.
#include "mFuncs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// How much of a file the binary test looks at.
constexpr qint64 binaryTestLength = 300;

// Opens only regular files: opening a FIFO for reading would wait for a
// writer, and a folder has no bytes to read.
bool openRegularFile(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

namespace mFuncs {

bool FileExists(const QString &path)
{
    QFile file(path);
    return openRegularFile(file);
}

bool IsBinaryFile(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        return false;
    const QByteArray head = file.read(binaryTestLength);
    return std::any_of(head.begin(), head.end(), [](char c) {
        const uchar byte = uchar(c);
        return byte == 0xFF || byte == 0x01 || byte == 0x02 || byte == 0x03;
    });
}

QString CaptionFromPath(const QString &path, QChar separator)
{
    QString name = path.mid(path.lastIndexOf(separator) + 1);
    if (name.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive)) {
        name.chop(3);
        name += QLatin1String("txt");
    }
    return name;
}

QString TempFolder()
{
    QString folder = QDir::tempPath();
    if (folder.isEmpty())
        folder = QDir::rootPath();
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

bool IsTempOrCachePath(const QString &path, const QString &tempFolder)
{
    return (!tempFolder.isEmpty() && path.contains(tempFolder)) || path.contains(QLatin1String("Cache")) ||
           path.contains(QLatin1String("Temporary"));
}

} // namespace mFuncs
