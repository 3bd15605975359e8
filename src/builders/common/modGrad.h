// Zevora - the gradient behind the link builder and the background dialog.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace modGrad {

/// The number of horizontal bands.
constexpr int kBands = 63;

/// The colour of \a band, counted from 0 at the top to kBands - 1 at the
/// bottom: the bottom band is RGB(0, 187, 187), each band above it 4 darker in
/// every channel, never below 0.
QColor bandColour(int band);

/// Fills \a rect with the bands, across its full width, from its top to its
/// bottom without a gap.
void paintGradient(QPainter &painter, const QRect &rect);

} // namespace modGrad
