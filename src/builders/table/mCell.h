// Zevora - one cell of the table designer's grid.
#pragma once

#include <QString>
#include <QtGlobal>

namespace mCell {

/// A colour as the designer keeps it: 24 bits, red in the low byte
/// (red + 256 * green + 65536 * blue).
using Colour = quint32;

/// What the designer knows about one cell. Widths are set per column and are
/// written into every row of it; a span of 0 marks a cell covered by a span
/// that starts to its left (ColSpan) or above it (RowSpan).
struct CellInfo
{
    int PixelWidth = 0;   ///< column width in pixels; 0 = none
    int ViewWidth = 0;    ///< preview width in twips (computed)
    int PercentWidth = 0; ///< column width in percent; 0 = none
    int ColSpan = 1;
    int ViewHeight = 0; ///< preview height in twips (computed)
    int RowSpan = 1;
    int HasColor = 0;        ///< 1 when Color is the cell's own background
    QString AlignAttr;       ///< "" or " align=left|center|right"
    QString VAlignAttr;      ///< "" or " valign=top|middle|bottom"
    Colour Color = 0xFFFFFF; ///< the cell's own colour while HasColor is 1
};

} // namespace mCell
