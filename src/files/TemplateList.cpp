// Zevora - the template list.
#include "TemplateList.h"

#include <algorithm>

namespace TemplateList {

bool isPlainFileName(const QString &fileName)
{
    return !fileName.isEmpty() && fileName != QLatin1String(".") && fileName != QLatin1String("..") &&
           !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\')) &&
           !fileName.contains(QChar(0));
}

QList<Template> kept(const QList<Template> &stored, const Exists &exists)
{
    QList<Template> list;
    for (const Template &entry : stored) {
        if (list.size() == kSlots)
            break;
        if (entry.name.isEmpty() || !isPlainFileName(entry.fileName) || !exists(entry.fileName))
            continue;
        const bool repeated = std::any_of(list.cbegin(), list.cend(), [&entry](const Template &keptEntry) {
            return keptEntry.fileName == entry.fileName;
        });
        if (!repeated)
            list.append(entry);
    }
    return list;
}

QList<Template> added(const Template &added, const QList<Template> &current)
{
    QList<Template> list{added};
    list.append(current.mid(0, kSlots - 1));
    return list;
}

} // namespace TemplateList
