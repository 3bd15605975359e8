// Zevora - the texts of the ready-made drop-down navigation menus.
// Three HTML forms that take the reader to the page chosen in a list.
#pragma once

#include <QString>

#include <array>

/// Holds the three drop-down menu texts, built once when the object is made.
///
/// Index 0 is a list that goes to its choice at once, 1 the same list with a
/// "Go!" button, 2 a list with a "Go!" button and a check box that opens the
/// page in a new window (with its script). Lines end with CR LF; the last line
/// has no line break after it.
class cStringsMenus
{
public:
    cStringsMenus();

    /// The menu text of \a index (0 to 2); "" for any other index.
    QString getStrVal(int index) const;

    static constexpr int count() { return 3; }

private:
    std::array<QString, 3> m_strings;
};
