// Zevora - the template list: which stored templates are kept, and in which order.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace TemplateList {

/// The number of template slots (and of menu items).
inline constexpr int kSlots = 9;

/// One template: the name its menu item shows, and its file in the template
/// folder.
struct Template
{
    QString name;
    QString fileName;
    bool operator==(const Template &) const = default;
};

/// True when \a fileName names a file inside a folder and nothing else: not
/// empty, no "/" or "\" (on any system, so that a name stored on one cannot
/// reach out of the folder on another), not "." or "..", no NUL.
bool isPlainFileName(const QString &fileName);

using Exists = std::function<bool(const QString &fileName)>;

/// The templates kept from the stored slots, in their order: those with a
/// name and a plain file name that \a exists, each file named once (a later
/// slot naming a file already kept is dropped); at most kSlots.
QList<Template> kept(const QList<Template> &stored, const Exists &exists);

/// The list after \a added was stored: it first, then \a current, at most
/// kSlots (the oldest drops off).
QList<Template> added(const Template &added, const QList<Template> &current);

} // namespace TemplateList
