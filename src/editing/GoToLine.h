// Zevora - Go To Line: which line a typed number leads to.
#pragma once

#include <QStringView>

namespace GoToLine {

/// True when \a text holds nothing but the digits 0 to 9 (or nothing).
bool isLineNumberText(QStringView text);

/// Where a typed line number leads.
struct Target
{
    enum Kind
    {
        Empty,   ///< nothing was typed
        Missing, ///< the page has no such line
        Line     ///< line (0-based) is the line to go to
    };
    Kind kind = Empty;
    qsizetype line = 0;

    bool operator==(const Target &) const = default;
};

/// The line that \a typed (digits only, lines counted from 1) names on a page
/// of \a lineCount lines whose caret is on \a caretLine (0-based). Line 0
/// names the caret's own line; a number above the line count, however many
/// digits it has, is Missing.
Target resolve(QStringView typed, qsizetype lineCount, qsizetype caretLine);

} // namespace GoToLine
