// Zevora - what the Print window starts with and what its copies box takes.
#include "PrintChoice.h"

namespace PrintChoice {

QString startPrinter(const QStringList &printers, const QString &defaultPrinter, const QString &current)
{
    if (!current.isEmpty() && printers.contains(current))
        return current;
    if (!defaultPrinter.isEmpty() && printers.contains(defaultPrinter))
        return defaultPrinter;
    return printers.value(0);
}

QString copiesAfterEdit(const QString &before, const QString &after)
{
    // The inserted text is what lies between the parts both texts share.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const QStringView inserted = QStringView(after).sliced(prefix, after.size() - prefix - suffix);
    if (inserted.isEmpty())
        return after;
    QString box = before;
    for (QChar c : inserted) {
        if (c >= u'1' && c <= u'9')
            box = QString(c);
    }
    return box;
}

} // namespace PrintChoice
