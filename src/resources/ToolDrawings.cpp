// Zevora - the vector drawings behind the tool strip and menu pictures.
// One small function per tool, built from a few shared shapes so that all pictures share one style.
#include "ToolDrawings.h"

#include <QColor>
#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>

namespace Resources::Drawings {

namespace {

// The house colours: every picture takes its colours from here.
const QColor Ink(0x2e, 0x38, 0x45);
const QColor PaperEdge(0x58, 0x67, 0x7a);
const QColor Paper(0xff, 0xff, 0xff);
const QColor PaperShade(0xe4, 0xea, 0xf1);
const QColor TextLine(0x93, 0xa9, 0xc2);
const QColor Folder(0xf6, 0xc4, 0x4f);
const QColor FolderBack(0xdc, 0x9d, 0x2e);
const QColor Blue(0x34, 0x7f, 0xd0);
const QColor DiskBlue(0x35, 0x63, 0xad);
const QColor Metal(0xc9, 0xd0, 0xd8);
const QColor Red(0xd9, 0x36, 0x36);
const QColor Green(0x2f, 0x9e, 0x44);
const QColor Wood(0xb8, 0x82, 0x48);

QPen pen(const QColor &colour, qreal width = 1.0, Qt::PenCapStyle cap = Qt::SquareCap)
{
    return QPen(colour, width, Qt::SolidLine, cap, cap == Qt::RoundCap ? Qt::RoundJoin : Qt::MiterJoin);
}

// Fills a shape with a soft top-to-bottom gradient of its colour and outlines
// it in a darker shade of the same colour (or in \a edge when given).
void shape(QPainter &p, const QPainterPath &path, const QColor &fill, const QColor &edge = QColor())
{
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, fill.lighter(118));
    gradient.setColorAt(1, fill.darker(108));
    p.setBrush(gradient);
    p.setPen(pen(edge.isValid() ? edge : fill.darker(200)));
    p.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath rectangle(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A tube of the given width along \a centre line, as a fillable outline.
QPainterPath tube(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap = Qt::FlatCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

// A line drawn as a light core inside a dark rim, for handles and check marks.
void rimmedLine(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(colour.darker(190), width + 1.4, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(pen(colour, width, Qt::RoundCap));
    p.drawPath(path);
}

// A sheet of paper with its top right corner folded over; \a lines rows of text.
void page(QPainter &p, const QRectF &r, qreal fold, int lines)
{
    const qreal l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    shape(p, polygon({{l, t}, {rt - fold, t}, {rt, t + fold}, {rt, b}, {l, b}}), Paper, PaperEdge);
    p.setBrush(PaperShade);
    p.drawPath(polygon({{rt - fold, t}, {rt - fold, t + fold}, {rt, t + fold}}));
    p.setPen(pen(TextLine));
    for (int i = 0; i < lines; ++i) {
        const qreal y = t + 3 + 2 * i;
        if (y > b - 1.5)
            break;
        // Lines beside the fold stop short of it; the last line ends its paragraph early.
        qreal right = rt - 2;
        if (y <= t + fold + 0.5)
            right = rt - fold - 1.5;
        else if (i == lines - 1 && lines > 2)
            right = l + (rt - l) * 0.55;
        p.drawLine(QPointF(l + 2, y), QPointF(right, y));
    }
}

// A floppy disk filling \a r: shutter at the top, label at the bottom.
void floppy(QPainter &p, const QRectF &r)
{
    const qreal l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    shape(p, polygon({{l, t}, {rt - 2, t}, {rt, t + 2}, {rt, b}, {l, b}}), DiskBlue);
    const qreal shutterBottom = t + qRound(r.height() * 0.38);
    shape(p, rectangle(QRectF(QPointF(l + 3, t), QPointF(rt - 3, shutterBottom))), Metal, Ink);
    p.setPen(Qt::NoPen);
    p.setBrush(DiskBlue.darker(150));
    p.drawRect(QRectF(QPointF(rt - 6, t + 1), QPointF(rt - 4, shutterBottom - 1)));
    const qreal labelTop = b - qRound(r.height() * 0.45);
    shape(p, rectangle(QRectF(QPointF(l + 2, labelTop), QPointF(rt - 2, b))), Paper, DiskBlue.darker(200));
    p.setPen(pen(TextLine));
    for (qreal y = labelTop + 2; y < b - 1; y += 2)
        p.drawLine(QPointF(l + 4, y), QPointF(rt - 4, y));
}

// A magnifying glass: lens centred at \a centre, handle reaching to \a handleEnd.
void magnifier(QPainter &p, const QPointF &centre, qreal radius, const QPointF &handleEnd)
{
    const QPointF direction = (handleEnd - centre) / QLineF(centre, handleEnd).length();
    QPainterPath handle(centre + direction * (radius + 0.8));
    handle.lineTo(handleEnd);
    rimmedLine(p, handle, Wood, 2.0);

    QRadialGradient glass(centre - QPointF(radius, radius) * 0.4, radius * 1.6);
    glass.setColorAt(0, QColor(0xf4, 0xfa, 0xff));
    glass.setColorAt(1, QColor(0x9c, 0xc8, 0xf0));
    p.setBrush(glass);
    p.setPen(pen(QColor(0x3b, 0x48, 0x56), 1.5));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Qt::white, 1.0, Qt::RoundCap));
    const qreal inner = radius - 1.8;
    p.drawArc(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), 100 * 16, 70 * 16);
}

// Capital letters drawn as strokes in the box (x, top) of the given width and height.
void letterA(QPainter &p, qreal x, qreal top, qreal w, qreal h)
{
    QPainterPath a(QPointF(x, top + h));
    a.lineTo(x + w / 2, top);
    a.lineTo(x + w, top + h);
    a.moveTo(x + w * 0.22, top + h * 0.64);
    a.lineTo(x + w * 0.78, top + h * 0.64);
    p.drawPath(a);
}

void letterB(QPainter &p, qreal x, qreal top, qreal w, qreal h)
{
    const qreal mid = top + qRound(h * 0.45);
    QPainterPath b(QPointF(x, top + h));
    b.lineTo(x, top);
    b.lineTo(x + w - 1.2, top);
    b.quadTo(x + w - 0.2, top, x + w - 0.2, (top + mid) / 2);
    b.quadTo(x + w - 0.2, mid, x + w - 1.2, mid);
    b.lineTo(x, mid);
    b.moveTo(x + w - 1.2, mid);
    b.quadTo(x + w + 0.3, mid, x + w + 0.3, (mid + top + h) / 2);
    b.quadTo(x + w + 0.3, top + h, x + w - 1.2, top + h);
    b.lineTo(x, top + h);
    p.drawPath(b);
}

void letterC(QPainter &p, qreal x, qreal top, qreal w, qreal h)
{
    p.drawArc(QRectF(x, top, w, h), 45 * 16, 270 * 16);
}

void drawNew(QPainter &p)
{
    page(p, QRectF(2.5, 0.5, 11, 15), 4, 0);
    // A small spark in the corner: this page has only just been made.
    p.setPen(pen(QColor(0xf0, 0xa8, 0x1c), 1.0, Qt::RoundCap));
    const QPointF c(5.5, 4.5);
    p.drawLine(c + QPointF(0, -2.5), c + QPointF(0, 2.5));
    p.drawLine(c + QPointF(-2.5, 0), c + QPointF(2.5, 0));
    p.drawLine(c + QPointF(-1.4, -1.4), c + QPointF(1.4, 1.4));
    p.drawLine(c + QPointF(-1.4, 1.4), c + QPointF(1.4, -1.4));
}

void drawOpen(QPainter &p)
{
    shape(p, polygon({{0.5, 2.5}, {5.5, 2.5}, {6.5, 3.5}, {13.5, 3.5}, {13.5, 13.5}, {0.5, 13.5}}),
          FolderBack);
    shape(p, rectangle(QRectF(2.5, 5.5, 9, 4)), Paper, PaperEdge);
    shape(p, polygon({{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}), Folder);
}

void drawClose(QPainter &p)
{
    page(p, QRectF(1.5, 0.5, 11, 14), 4, 5);
    QPainterPath cross(QPointF(9, 9));
    cross.lineTo(14, 14);
    cross.moveTo(14, 9);
    cross.lineTo(9, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Qt::white, 4.4, Qt::RoundCap));
    p.drawPath(cross);
    p.setPen(pen(Red, 2.2, Qt::RoundCap));
    p.drawPath(cross);
}

void drawSave(QPainter &p)
{
    floppy(p, QRectF(1.5, 1.5, 13, 13));
}

void drawSaveAs(QPainter &p)
{
    floppy(p, QRectF(0.5, 0.5, 11, 11));
    // A pencil lying from the top right down to the bottom left, its point towards the disk.
    const QPointF back(15.2, 6.2), point(7.6, 13.8);
    const QPointF along = (point - back) / QLineF(back, point).length();
    const QPointF across(-along.y() * 1.6, along.x() * 1.6);
    const QPointF woodStart = back + (point - back) * 0.68;
    const QPointF capEnd = back + (point - back) * 0.16;
    shape(p, polygon({back + across, capEnd + across, capEnd - across, back - across}),
          QColor(0xe8, 0x8a, 0x9a));
    shape(p, polygon({capEnd + across, woodStart + across, woodStart - across, capEnd - across}),
          QColor(0xf2, 0xb6, 0x32));
    shape(p, polygon({woodStart + across, point, woodStart - across}), QColor(0xf3, 0xd8, 0xa6),
          QColor(0x7a, 0x55, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF({point + (woodStart - point) * 0.35 + across * 0.35, point,
                             point + (woodStart - point) * 0.35 - across * 0.35}));
}

// The undo arrow: head to the left, shaft curling round on the right. Redo is its mirror image.
QPainterPath undoArrow()
{
    QPainterPath shaft(QPointF(5.5, 5.5));
    shaft.lineTo(9.5, 5.5);
    shaft.arcTo(QRectF(5.5, 5.5, 8, 8), 90, -180);
    shaft.lineTo(6.5, 13.5);
    QPainterPath arrow = tube(shaft, 3.0);
    arrow = arrow.united(polygon({{0.5, 5.5}, {6.5, 0.5}, {6.5, 10.5}}));
    return arrow.simplified();
}

void drawUndo(QPainter &p)
{
    shape(p, undoArrow(), Blue);
}

void drawRedo(QPainter &p)
{
    shape(p, QTransform(-1, 0, 0, 1, 16, 0).map(undoArrow()), Blue);
}

void drawCut(QPainter &p)
{
    // Light blades with a soft edge: a dark outline would fill the small
    // space where the blades cross.
    const QColor blade(0xc6, 0xce, 0xd6);
    const QColor bladeEdge(0x61, 0x6d, 0x7a);
    shape(p, polygon({{4.8, 10.2}, {10.9, 0.5}, {11.6, 1.3}, {6.8, 10.8}}), blade, bladeEdge);
    shape(p, polygon({{11.2, 10.2}, {5.1, 0.5}, {4.4, 1.3}, {9.2, 10.8}}), blade, bladeEdge);
    for (const qreal x : {4.2, 11.8}) {
        QPainterPath ring;
        ring.addEllipse(QPointF(x, 12.6), 3.0, 3.0);
        ring.addEllipse(QPointF(x, 12.6), 1.4, 1.4);
        shape(p, ring, Red);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(bladeEdge);
    p.drawEllipse(QPointF(8, 6.4), 0.8, 0.8);
}

void drawCopy(QPainter &p)
{
    page(p, QRectF(0.5, 0.5, 9, 11), 3, 4);
    page(p, QRectF(5.5, 4.5, 10, 11), 3, 4);
}

void drawPaste(QPainter &p)
{
    shape(p, rounded(QRectF(0.5, 1.5, 12, 14), 1.5), Wood);
    shape(p, rounded(QRectF(3.5, 0.5, 6, 3), 1), Metal, Ink);
    page(p, QRectF(6.5, 5.5, 9, 10), 3, 3);
}

void drawSpelling(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink, 1.1, Qt::FlatCap));
    letterA(p, 0.5, 0.5, 4.5, 6.5);
    letterB(p, 6.0, 0.5, 3.2, 6.5);
    letterC(p, 10.8, 0.5, 4.6, 6.5);
    QPainterPath check(QPointF(3.5, 11.5));
    check.lineTo(6.5, 14.3);
    check.lineTo(13.5, 8.8);
    rimmedLine(p, check, Green, 2.0);
}

void drawFind(QPainter &p)
{
    magnifier(p, QPointF(6.5, 6.5), 5.0, QPointF(14.5, 14.5));
}

void drawReplace(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink, 1.1, Qt::FlatCap));
    letterA(p, 0.5, 0.5, 4.5, 6.0);
    p.setPen(pen(Red.darker(115), 1.1, Qt::FlatCap));
    letterB(p, 11.8, 0.5, 3.0, 6.0);
    p.setPen(pen(Blue.darker(120), 1.0, Qt::FlatCap));
    p.drawLine(QPointF(6, 3.5), QPointF(9.5, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Blue.darker(120));
    p.drawPolygon(QPolygonF({QPointF(8.5, 1.5), QPointF(11, 3.5), QPointF(8.5, 5.5)}));
    magnifier(p, QPointF(6.5, 11.0), 3.5, QPointF(12.5, 15.2));
}

void drawWebSafe(QPainter &p)
{
    // Nine colours whose channels are all multiples of 0x33: the web-safe palette.
    static const std::array<QRgb, 9> colours = {0xff3333, 0xff9933, 0xffff33, 0x33cc33, 0x33cccc,
                                                0x3366ff, 0x9933cc, 0xff66cc, 0x999999};
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawRoundedRect(QRectF(0, 0, 16, 16), 1, 1);
    for (int i = 0; i < 9; ++i) {
        const QColor c(colours[static_cast<size_t>(i)]);
        const QRectF cell(1 + 5 * (i % 3), 1 + 5 * (i / 3), 4, 4);
        QLinearGradient gradient(cell.topLeft(), cell.bottomLeft());
        gradient.setColorAt(0, c.lighter(115));
        gradient.setColorAt(1, c);
        p.fillRect(cell, gradient);
    }
}

void drawCustom(QPainter &p)
{
    const QPointF centre(8, 8);
    QConicalGradient hues(centre, 0);
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 235, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawEllipse(centre, 7.0, 7.0);
    QRadialGradient white(centre, 7.0);
    white.setColorAt(0, QColor(255, 255, 255, 255));
    white.setColorAt(0.25, QColor(255, 255, 255, 200));
    white.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(white);
    p.drawEllipse(centre, 7.0, 7.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink));
    p.drawEllipse(centre, 7.0, 7.0);
}

void drawPreview(QPainter &p)
{
    const QPointF centre(8, 8);
    const qreal r = 7.0;
    QRadialGradient sea(centre - QPointF(2.5, 2.5), 9.5);
    sea.setColorAt(0, QColor(0x9d, 0xd3, 0xff));
    sea.setColorAt(1, QColor(0x1f, 0x6c, 0xc4));
    p.setBrush(sea);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, r, r);

    QPainterPath globe;
    globe.addEllipse(centre, r, r);
    p.save();
    p.setClipPath(globe);
    QPainterPath land;
    land.moveTo(3, 3.5);
    land.cubicTo(6, 2, 9, 4, 7.5, 6.5);
    land.cubicTo(6.5, 8, 8.5, 9.5, 7, 12);
    land.cubicTo(5.5, 14, 3.5, 11, 4, 9);
    land.cubicTo(4.5, 7, 1, 6, 3, 3.5);
    land.moveTo(10.5, 2.2);
    land.cubicTo(13, 2.5, 15, 5, 14.5, 7);
    land.cubicTo(13, 8, 11, 6, 10.5, 2.2);
    land.moveTo(11, 10);
    land.cubicTo(13, 9.5, 14, 11, 12.5, 13.5);
    land.cubicTo(11, 13.5, 10, 11.5, 11, 10);
    p.setBrush(QColor(0x4c, 0xb0, 0x50));
    p.drawPath(land);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.7));
    p.drawEllipse(centre, r * 0.45, r);
    p.drawLine(QPointF(8, 1), QPointF(8, 15));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(0x17, 0x4a, 0x86)));
    p.drawEllipse(centre, r, r);
}

void drawPrint(QPainter &p)
{
    page(p, QRectF(3.5, 0.5, 9, 7), 0, 0);
    shape(p, rounded(QRectF(0.5, 5.5, 15, 7), 1.5), QColor(0xa9, 0xb2, 0xbc), Ink);
    p.setPen(Qt::NoPen);
    p.setBrush(Green.lighter(130));
    p.drawEllipse(QPointF(13, 7.8), 0.9, 0.9);
    p.setBrush(Ink);
    p.drawRect(QRectF(2.5, 9.5, 11, 1));
    page(p, QRectF(3.5, 10.5, 9, 5), 0, 2);
}

// Exit: a door standing open in its frame, an arrow leading out through it.
void drawExit(QPainter &p)
{
    shape(p, rectangle(QRectF(1.5, 0.5, 9, 15)), QColor(0x4a, 0x55, 0x63), Ink);
    // The door swings towards the viewer: its free edge is taller than the frame.
    shape(p, polygon({{1.5, 0.5}, {6.5, 2.5}, {6.5, 15.0}, {1.5, 15.5}}), Wood);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(5.3, 8.5), 0.7, 0.7);
    shape(p,
          polygon({{7.5, 6.5}, {11.5, 6.5}, {11.5, 3.5}, {15.5, 8.0}, {11.5, 12.5}, {11.5, 9.5}, {7.5, 9.5}}),
          Green);
}

// A recent file: a page with a clock face over its lower right corner.
void drawRecentFile(QPainter &p)
{
    page(p, QRectF(1.5, 0.5, 10, 13), 3, 5);
    const QPointF centre(10.5, 10.5);
    p.setBrush(Paper);
    p.setPen(pen(Blue.darker(130), 1.2));
    p.drawEllipse(centre, 4.8, 4.8);
    p.setPen(pen(Ink, 1.1, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -3.2));
    p.drawLine(centre, centre + QPointF(2.3, 0.8));
}

} // namespace

void drawMenuPicture(QPainter &painter, int picture)
{
    using Draw = void (*)(QPainter &);
    static const std::array<Draw, 2> drawings = {drawExit, drawRecentFile};
    if (picture < 0 || picture >= static_cast<int>(drawings.size()))
        return;
    painter.save();
    drawings[static_cast<size_t>(picture)](painter);
    painter.restore();
}

void drawTool(QPainter &painter, int tool)
{
    using Draw = void (*)(QPainter &);
    static const std::array<Draw, 17> drawings = {
        drawNew,     drawOpen,    drawClose,  drawSave,    drawSaveAs,   drawUndo,
        drawCut,     drawCopy,    drawPaste,  drawRedo,    drawSpelling, drawFind,
        drawReplace, drawWebSafe, drawCustom, drawPreview, drawPrint,
    };
    if (tool < 0 || tool >= static_cast<int>(drawings.size()))
        return;
    painter.save();
    drawings[static_cast<size_t>(tool)](painter);
    painter.restore();
}

} // namespace Resources::Drawings
