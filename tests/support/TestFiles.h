// Zevora tests - reading, writing and dating a whole file in one call.
#pragma once

#include <QDateTime>
#include <QFile>

/// The bytes of the file at \a path, or "<unreadable>" when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

/// Makes \a bytes the whole content of the file at \a path; true when all were written.
inline bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

/// Sets the last write time of the file at \a path; true when it was set.
inline bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}
