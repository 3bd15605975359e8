// Zevora - the sizes the editor font dialog offers, and the size it saves.
#pragma once

#include <QList>

namespace EditorFont {

/// The sizes offered, in points, in the order they are listed.
const QList<int> &sizes();

/// The index in sizes() of the last size within 1.1 points of \a points,
/// or -1 when none is that close (9 points gives the index of 10).
int nearestSizeIndex(double points);

/// The size saved for a page shown at \a points: the nearest listed size as
/// above, or 12 when none is that close.
int sizeToSave(double points);

} // namespace EditorFont
