// Zevora - the start-up splash picture.
// A calm blue ground, the program's name, and a page of indented tags as the motif.
#include "ToolPictures.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace Resources {

namespace {

constexpr int SplashWidth = 420;
constexpr int SplashHeight = 260;

QFont sansFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void drawGround(QPainter &p)
{
    QLinearGradient ground(0, 0, SplashWidth, SplashHeight);
    ground.setColorAt(0, QColor(0x1b, 0x2f, 0x4e));
    ground.setColorAt(1, QColor(0x23, 0x6b, 0x82));
    p.fillRect(QRectF(0, 0, SplashWidth, SplashHeight), ground);
    // A soft light behind the page.
    QRadialGradient light(QPointF(318, 112), 170);
    light.setColorAt(0, QColor(255, 255, 255, 46));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, SplashWidth, SplashHeight), light);
}

// A page of source text: coloured bars for tags, indented like an HTML page.
void drawPage(QPainter &p)
{
    p.save();
    p.translate(318, 118);
    p.rotate(6);
    const QRectF sheet(-62, -86, 124, 168);
    const qreal fold = 22;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(outline.translated(5, 6));
    p.setBrush(QColor(0xfb, 0xfc, 0xfe));
    p.drawPath(outline);
    p.setBrush(QColor(0xd6, 0xdf, 0xea));
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    corner.closeSubpath();
    p.drawPath(corner);

    struct Bar
    {
        int indent;
        int length;
        QRgb colour;
    };
    static const std::array<Bar, 11> bars = {{
        {0, 46, 0xe76f51},
        {1, 40, 0x2a9d8f},
        {2, 62, 0x8ab17d},
        {1, 40, 0x2a9d8f},
        {1, 42, 0xe9a23b},
        {2, 70, 0x9aa7b8},
        {2, 54, 0x9aa7b8},
        {2, 28, 0x4f86c6},
        {1, 44, 0xe9a23b},
        {0, 48, 0xe76f51},
        {0, 0, 0},
    }};
    qreal y = sheet.top() + 18;
    for (const Bar &bar : bars) {
        if (bar.length > 0) {
            p.setBrush(QColor(bar.colour));
            p.drawRoundedRect(QRectF(sheet.left() + 14 + bar.indent * 12, y, bar.length, 6), 3, 3);
        }
        y += 13;
    }
    p.restore();
}

void drawTitle(QPainter &p)
{
    p.setPen(Qt::white);
    p.setFont(sansFont(52, QFont::Bold));
    p.drawText(QRectF(32, 74, 230, 66), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zevora"));
    p.setPen(QColor(0xf4, 0xa2, 0x61));
    p.drawLine(QPointF(35, 146), QPointF(95, 146));
    p.setPen(QColor(0xd4, 0xe6, 0xf2));
    p.setFont(sansFont(16, QFont::Normal));
    p.drawText(QRectF(34, 156, 230, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("text-based HTML editor"));
    p.setPen(QColor(0x9f, 0xbf, 0xd4));
    p.setFont(sansFont(11, QFont::Normal));
    p.drawText(QRectF(34, 222, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version %1").arg(QStringLiteral(ZEVORA_VERSION)));
}

} // namespace

QPixmap splashPicture(qreal devicePixelRatio)
{
    return renderPicture(QSizeF(SplashWidth, SplashHeight), devicePixelRatio, Qt::black,
                         [](QPainter &painter) {
                             drawGround(painter);
                             drawPage(painter);
                             drawTagBadge(painter, QPointF(262, 196), 30);
                             drawTitle(painter);
                         });
}

QPixmap renderPicture(const QSizeF &size, qreal devicePixelRatio, const QColor &ground,
                      const std::function<void(QPainter &)> &draw)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1.0;
    QImage image(static_cast<int>(std::ceil(size.width() * devicePixelRatio - 1e-6)),
                 static_cast<int>(std::ceil(size.height() * devicePixelRatio - 1e-6)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(ground);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        draw(painter);
    }
    return QPixmap::fromImage(std::move(image));
}

void drawTagBadge(QPainter &p, const QPointF &centre, qreal radius)
{
    const qreal unit = radius / 30.0;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(centre + QPointF(3, 4) * unit, radius, radius);
    QLinearGradient fill(centre - QPointF(0, radius), centre + QPointF(0, radius));
    fill.setColorAt(0, QColor(0xf4, 0xa2, 0x61));
    fill.setColorAt(1, QColor(0xe7, 0x6f, 0x51));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    QPainterPath tag;
    tag.moveTo(centre + QPointF(-9, -9) * unit);
    tag.lineTo(centre + QPointF(-18, 0) * unit);
    tag.lineTo(centre + QPointF(-9, 9) * unit);
    tag.moveTo(centre + QPointF(9, -9) * unit);
    tag.lineTo(centre + QPointF(18, 0) * unit);
    tag.lineTo(centre + QPointF(9, 9) * unit);
    tag.moveTo(centre + QPointF(3, -12) * unit);
    tag.lineTo(centre + QPointF(-3, 12) * unit);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4.2 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tag);
    p.restore();
}

} // namespace Resources
