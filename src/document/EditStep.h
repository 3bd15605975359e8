// Zevora - one step of a page's undo or redo history.
#pragma once

#include <QString>
#include <QStringList>

/// The difference one edit made. To apply a step, select from \a start as
/// many characters as \a second has and replace them with \a first. A start
/// of -1 marks a whole-text step: applying it replaces the whole text with
/// \a first. Positions are QString indexes of the page text.
struct EditStep
{
    qsizetype start = 0;
    QString first;
    QString second;

    bool isWholeText() const { return start == -1; }
    /// The same step with its two texts exchanged (undo stack <-> redo stack).
    EditStep swapped() const { return {start, second, first}; }
    /// The serialised form: the decimal start, "|^|", first, "|^|", second.
    QString serialised() const;

    bool operator==(const EditStep &) const = default;
};

/// The separator between the fields of a serialised step.
inline constexpr QLatin1StringView kStepSeparator("|^|");

/// Splits \a sLine at every "|^|" into \a a: each piece up to the next
/// separator goes into the next element, the rest after the last separator
/// into the last one (empty when the line ends with the separator).
void ParseToArray(const QString &sLine, QStringList &a);
