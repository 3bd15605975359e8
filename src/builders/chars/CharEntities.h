// Zevora - the special characters list: what each entry shows and inserts.
#pragma once

#include <QString>

namespace CharEntities {

/// The number of entries (102).
int count();
/// What entry \a index shows: its character, or "[Return]", "[Space]" or
/// "[Tab]".
QString shown(int index);
/// What entry \a index inserts: "<br>", "&nbsp;", blanks and no-break spaces
/// for the tab, or the character's named entity.
QString entity(int index);
/// The first entry whose shown text begins with \a typed exactly; when none
/// does, the first that begins with it in another letter case; -1 when none
/// does either (or \a typed is empty).
int find(const QString &typed);

} // namespace CharEntities
