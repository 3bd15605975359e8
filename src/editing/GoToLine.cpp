// Zevora - Go To Line: which line a typed number leads to.
#include "GoToLine.h"

#include <limits>

namespace GoToLine {

bool isLineNumberText(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

Target resolve(QStringView typed, qsizetype lineCount, qsizetype caretLine)
{
    if (typed.isEmpty())
        return {Target::Empty, 0};
    qsizetype first = 0;
    while (first < typed.size() - 1 && typed.at(first) == u'0')
        ++first;
    const QStringView digits = typed.sliced(first);
    // More digits than any page has lines: no need to read the number.
    if (digits.size() > std::numeric_limits<qsizetype>::digits10)
        return {Target::Missing, 0};
    qsizetype number = 0;
    for (QChar c : digits)
        number = number * 10 + (c.unicode() - u'0');
    if (number > lineCount)
        return {Target::Missing, 0};
    if (number == 0)
        return {Target::Line, caretLine};
    return {Target::Line, number - 1};
}

} // namespace GoToLine
