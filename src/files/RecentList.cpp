// Zevora - the recent-files list.
#include "RecentList.h"

namespace RecentList {

QStringList cleaned(const QStringList &stored, const Exists &exists)
{
    QStringList kept;
    for (const QString &path : stored) {
        if (path.isEmpty() || !exists(path) || (!kept.isEmpty() && kept.last() == path))
            continue;
        kept.append(path);
    }
    return kept.mid(0, kSlots);
}

QStringList added(const QString &path, const QStringList &current, const Exists &exists)
{
    QStringList list{path};
    for (const QString &entry : current) {
        if (!entry.isEmpty() && entry != path && exists(entry))
            list.append(entry);
    }
    return list.mid(0, kSlots);
}

} // namespace RecentList
