// Zevora - the tool strip and menu pictures, rendered from the drawings at any pixel ratio.
// The disabled look is derived from the enabled drawing, so the two always match in shape.
#include "ToolPictures.h"
#include "ToolDrawings.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Resources {

namespace {

constexpr int CanvasSize = 16;

QImage transparentCanvas(qreal devicePixelRatio)
{
    const int side = static_cast<int>(std::ceil(CanvasSize * devicePixelRatio - 1e-6));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage drawnImage(void (*draw)(QPainter &, int), int which, qreal devicePixelRatio)
{
    QImage image = transparentCanvas(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, which);
    return image;
}

QImage enabledImage(int tool, qreal devicePixelRatio)
{
    return drawnImage(Drawings::drawTool, tool, devicePixelRatio);
}

// The drawing in light greys of little contrast, over a white copy of its
// shape one pixel down and to the right: the raised, etched look of a control
// that cannot be used. Every pixel is a pure grey (red = green = blue).
QImage disabledImage(int tool, qreal devicePixelRatio)
{
    QImage grey = enabledImage(tool, devicePixelRatio).convertToFormat(QImage::Format_ARGB32);
    QImage highlight(grey.size(), QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        auto *glow = reinterpret_cast<QRgb *>(highlight.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const int luminance = qGray(line[x]);
            const int level = std::clamp(112 + luminance * 42 / 100, 0, 255);
            line[x] = qRgba(level, level, level, alpha);
            glow[x] = qRgba(255, 255, 255, alpha * 85 / 100);
        }
    }
    // Composed in device pixels: the highlight lies one logical pixel, rounded, off the drawing.
    grey.setDevicePixelRatio(1.0);
    QImage result(grey.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    const int offset = std::max(1, static_cast<int>(std::lround(devicePixelRatio)));
    {
        QPainter painter(&result);
        painter.drawImage(QPoint(offset, offset), highlight);
        painter.drawImage(QPoint(0, 0), grey);
    }
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

bool toolOf(int resourceId, int &tool, bool &enabled)
{
    if (resourceId >= EnabledBase && resourceId < EnabledBase + ToolCount) {
        tool = resourceId - EnabledBase;
        enabled = true;
        return true;
    }
    if (resourceId >= DisabledBase && resourceId < DisabledBase + ToolCount) {
        tool = resourceId - DisabledBase;
        enabled = false;
        return true;
    }
    return false;
}

} // namespace

QPixmap toolPicture(int resourceId, qreal devicePixelRatio)
{
    int tool = 0;
    bool enabled = false;
    if (!toolOf(resourceId, tool, enabled) || !(devicePixelRatio > 0))
        return QPixmap();
    return QPixmap::fromImage(enabled ? enabledImage(tool, devicePixelRatio)
                                      : disabledImage(tool, devicePixelRatio));
}

QIcon toolIcon(int resourceId)
{
    int tool = 0;
    bool enabled = false;
    if (!toolOf(resourceId, tool, enabled))
        return QIcon();
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        icon.addPixmap(toolPicture(resourceId, ratio), QIcon::Normal);
        if (enabled)
            icon.addPixmap(toolPicture(DisabledBase + tool, ratio), QIcon::Disabled);
    }
    return icon;
}

QPixmap menuPicture(MenuPicture picture, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0))
        return QPixmap();
    return QPixmap::fromImage(
        drawnImage(Drawings::drawMenuPicture, static_cast<int>(picture), devicePixelRatio));
}

QIcon menuIcon(MenuPicture picture)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0, 3.0})
        icon.addPixmap(menuPicture(picture, ratio));
    return icon;
}

} // namespace Resources
