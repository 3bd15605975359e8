// Zevora - the macro keys and tag reference shown by the Key Macros window.
// Plain texts, no widgets: the window lists the items and shows the boxes.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace TagReference {

/// One reference box: its title and its text, lines joined by "\n".
struct Entry
{
    QString title;
    QString text;

    bool operator==(const Entry &) const = default;
};

/// The list item that shows the instructions for the macro keys.
inline constexpr int HowToUseItem = 0;

/// The 18 items of the reference list, in order: the instructions item, a
/// blank, one item per macro letter, and a closing blank.
QStringList listItems();

/// The reference box for list item \a index. Empty for the instructions
/// item, for the blank items and for any index outside the list.
std::optional<Entry> entry(int index);

} // namespace TagReference
