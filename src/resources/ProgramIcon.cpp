// Zevora - the program's icon: a page of source text with the program's badge.
#include "ToolPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Resources {

namespace {

// On a 64 by 64 canvas: a sheet with a folded corner, lines of text in two
// colours (tags and words), and the badge over its lower right corner.
void drawProgramIcon(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(10, 4);
    sheet.lineTo(40, 4);
    sheet.lineTo(52, 16);
    sheet.lineTo(52, 58);
    sheet.lineTo(10, 58);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x5a, 0x67, 0x78), 1.5));
    QLinearGradient paper(0, 4, 0, 58);
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xe8, 0xee, 0xf4));
    p.setBrush(paper);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(40, 4);
    fold.lineTo(40, 16);
    fold.lineTo(52, 16);
    p.setBrush(QColor(0xc9, 0xd3, 0xdf));
    p.drawPath(fold);

    p.setPen(QPen(QColor(0x2a, 0x6f, 0xb0), 3, Qt::SolidLine, Qt::RoundCap));
    const struct
    {
        qreal y, tag, text;
    } lines[] = {{14, 8, 10}, {22, 6, 22}, {30, 10, 16}, {38, 6, 8}};
    for (const auto &line : lines) {
        p.setPen(QPen(QColor(0x2a, 0x6f, 0xb0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, line.y), QPointF(16 + line.tag, line.y));
        p.setPen(QPen(QColor(0x7d, 0x88, 0x96), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20 + line.tag, line.y), QPointF(20 + line.tag + line.text, line.y));
    }
    drawTagBadge(p, QPointF(46, 46), 15);
}

} // namespace

QImage programIconImage(int pixels)
{
    if (pixels <= 0)
        return {};
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.scale(pixels / 64.0, pixels / 64.0);
    drawProgramIcon(painter);
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int pixels : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(pixels)));
    return icon;
}

} // namespace Resources
