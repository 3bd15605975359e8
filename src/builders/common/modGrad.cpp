// Zevora - the gradient behind the link builder and the background dialog.
#include "modGrad.h"

#include <QPainter>

#include <algorithm>

namespace modGrad {

QColor bandColour(int band)
{
    const int darker = 4 * (kBands - 1 - std::clamp(band, 0, kBands - 1));
    const int red = std::max(0, 0 - darker);
    const int cyan = std::max(0, 187 - darker);
    return QColor(red, cyan, cyan);
}

void paintGradient(QPainter &painter, const QRect &rect)
{
    // Band edges are rounded from the exact fractions, so that the bands
    // differ by at most one pixel and meet the bottom edge exactly.
    for (int band = 0; band < kBands; ++band) {
        const int top = rect.top() + int(qint64(rect.height()) * band / kBands);
        const int bottom = rect.top() + int(qint64(rect.height()) * (band + 1) / kBands);
        if (bottom > top)
            painter.fillRect(QRect(rect.left(), top, rect.width(), bottom - top), bandColour(band));
    }
}

} // namespace modGrad
