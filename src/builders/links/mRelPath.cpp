// Zevora - relative paths.
#include "mRelPath.h"

#include <QStringList>

namespace mRelPath {

QString escapeForAddress(const QString &name)
{
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        switch (c.unicode()) {
        case u'%':
            escaped += QLatin1String("%25");
            break;
        case u'"':
            escaped += QLatin1String("%22");
            break;
        case u'#':
            escaped += QLatin1String("%23");
            break;
        case u'?':
            escaped += QLatin1String("%3F");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString relPath(const QString &target, const QString &base, QChar separator)
{
    const QStringList t = target.split(separator);
    const QStringList b = base.split(separator);
    const qsizetype last = t.size() - 1;
    if (t.first() != b.first())
        return escapeForAddress(t.at(last));
    qsizetype i = 0;
    const qsizetype common = std::min(t.size(), b.size());
    while (i < common && t.at(i) == b.at(i))
        ++i;
    QString path;
    for (qsizetype up = b.size() - 1 - i; up > 0; --up)
        path += QLatin1String("../");
    for (qsizetype j = i; j < last; ++j)
        path += escapeForAddress(t.at(j)) + u'/';
    return path + escapeForAddress(t.at(last));
}

} // namespace mRelPath
