// Zevora - the caption of a saved page: its name, then when it was last written.
#include "mCaption.h"

#include <QFile>

namespace {

// Where a stamp begins in a caption.
QString stampMark()
{
    return QString(14, u' ') + u'>';
}

} // namespace

namespace mCaption {

QString LastModifiedStamp(const QDateTime &lastWritten)
{
    if (!lastWritten.isValid())
        return QString();
    const QDateTime local = lastWritten.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    // Built from numbers, not a locale format: the stamp looks the same everywhere.
    return stampMark() + QStringLiteral(" Last modified: %1/%2/%3  [%4:%5:%6 %7]")
                             .arg(date.month())
                             .arg(date.day())
                             .arg(date.year())
                             .arg(hour)
                             .arg(time.minute(), 2, 10, QChar(u'0'))
                             .arg(time.second(), 2, 10, QChar(u'0'))
                             .arg(time.hour() < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}

QString LastModifiedStamp(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return LastModifiedStamp(file.fileTime(QFileDevice::FileModificationTime));
}

QString CaptionBase(const QString &caption)
{
    const qsizetype mark = caption.indexOf(stampMark());
    return mark < 0 ? caption : caption.left(mark);
}

} // namespace mCaption
