// Zevora - the picture that explains the macro keys in the Key Macros window.
// The colours are the splash's: a deep blue band, warm orange for the tags.
#include "MacroKeysPicture.h"

#include "ToolPictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(0x1f, 0x2a, 0x37);
const QColor Muted(0x55, 0x65, 0x78);
const QColor BandTop(0x1b, 0x2f, 0x4e);
const QColor BandBottom(0x23, 0x6b, 0x82);
const QColor Accent(0xe7, 0x6f, 0x51);

QFont sansFont(qreal pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixelSize));
    font.setWeight(weight);
    return font;
}

QFont monoFont(qreal pixelSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    font.setPixelSize(int(pixelSize));
    font.setWeight(QFont::Bold);
    return font;
}

// A keyboard key seen from the front: a light cap on a darker base.
// Returns the x just after the key.
qreal drawKey(QPainter &p, qreal x, qreal y, const QString &label)
{
    const QFont font = sansFont(12, QFont::DemiBold);
    const qreal width = std::max<qreal>(30, QFontMetricsF(font).horizontalAdvance(label) + 18);
    const QRectF base(x, y, width, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(base.translated(0, 2), 5, 5);
    p.setBrush(QColor(0xa9, 0xb4, 0xc2));
    p.drawRoundedRect(base, 5, 5);
    const QRectF cap = base.adjusted(2, 1.5, -2, -5);
    QLinearGradient face(cap.topLeft(), cap.bottomLeft());
    face.setColorAt(0, QColor(0xff, 0xff, 0xff));
    face.setColorAt(1, QColor(0xe4, 0xe9, 0xf0));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x8f, 0x9b, 0xab), 0.8));
    p.drawRoundedRect(cap, 4, 4);
    p.setPen(Ink);
    p.setFont(font);
    p.drawText(cap, Qt::AlignCenter, label);
    return base.right();
}

qreal drawPlus(QPainter &p, qreal x, qreal y)
{
    p.setPen(Muted);
    p.setFont(sansFont(14, QFont::Bold));
    p.drawText(QRectF(x, y, 16, 28), Qt::AlignCenter, QStringLiteral("+"));
    return x + 16;
}

qreal drawArrow(QPainter &p, qreal x, qreal y)
{
    const qreal mid = y + 14;
    p.setPen(QPen(Accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x + 4, mid), QPointF(x + 19, mid));
    QPainterPath head;
    head.moveTo(x + 14, mid - 5);
    head.lineTo(x + 20, mid);
    head.lineTo(x + 14, mid + 5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    return x + 24;
}

// The tag that goes into the page, as it would look in the source.
void drawTag(QPainter &p, qreal x, qreal y, const QString &tag)
{
    const QFont font = monoFont(13);
    const QRectF chip(x, y + 2, QFontMetricsF(font).horizontalAdvance(tag) + 14, 25);
    p.setPen(QPen(QColor(0xf0, 0xb4, 0x8c), 1));
    p.setBrush(QColor(0xfd, 0xf0, 0xe6));
    p.drawRoundedRect(chip, 4, 4);
    p.setPen(QColor(0xb2, 0x45, 0x2a));
    p.setFont(font);
    p.drawText(chip, Qt::AlignCenter, tag);
}

void drawCaption(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, qreal size)
{
    p.setPen(colour);
    p.setFont(sansFont(size));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void drawPicture(QPainter &p)
{
    const qreal w = MacroKeysPictureSize.width();
    const qreal h = MacroKeysPictureSize.height();
    const QRectF card(0.5, 0.5, w - 1, h - 1);

    QPainterPath outline;
    outline.addRoundedRect(card, 8, 8);
    p.setClipPath(outline);
    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, QColor(0xfb, 0xfc, 0xfe));
    paper.setColorAt(1, QColor(0xee, 0xf3, 0xf8));
    p.fillRect(card, paper);

    QLinearGradient band(0, 0, w, 44);
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    p.fillRect(QRectF(0, 0, w, 44), band);
    p.setPen(Qt::white);
    p.setFont(sansFont(15, QFont::Bold));
    p.drawText(QRectF(16, 0, w - 32, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Using the macro keys"));
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc4, 0xd0, 0xdd), 1));
    p.drawRoundedRect(card, 8, 8);

    const qreal left = 16;
    const qreal textWidth = w - 2 * left;

    // Opening tag: Ctrl + letter.
    qreal y = 58;
    qreal x = drawKey(p, left, y, QStringLiteral("Ctrl"));
    x = drawPlus(p, x, y);
    x = drawKey(p, x, y, QStringLiteral("T"));
    x = drawArrow(p, x + 4, y);
    drawTag(p, x + 4, y, QStringLiteral("<TABLE>"));
    drawCaption(p, QRectF(left, y + 36, textWidth, 36),
                QStringLiteral("Hold Ctrl and press a letter to insert the opening tag."), Ink, 12);

    // Closing tag: Ctrl + Shift + letter.
    y = 138;
    x = drawKey(p, left, y, QStringLiteral("Ctrl"));
    x = drawPlus(p, x, y);
    x = drawKey(p, x, y, QStringLiteral("Shift"));
    x = drawPlus(p, x, y);
    x = drawKey(p, x, y, QStringLiteral("T"));
    x = drawArrow(p, x + 4, y);
    drawTag(p, x + 4, y, QStringLiteral("</TABLE>"));
    drawCaption(p, QRectF(left, y + 36, textWidth, 36),
                QStringLiteral("Ctrl+Shift+letter inserts the closing tag."), Ink, 12);

    drawCaption(p, QRectF(left, 212, textWidth, 36),
                QStringLiteral("The tag replaces any selected text. B, H, O and Q have no closing tag."),
                Muted, 11);

    p.setPen(QPen(QColor(0xd5, 0xdd, 0xe6), 1));
    p.drawLine(QPointF(left, 252), QPointF(w - left, 252));
    drawCaption(
        p, QRectF(left, 258, textWidth, 36),
        QStringLiteral("Click a tag in the list for more about it. Click here to go back to the list."),
        Muted, 11);
}

} // namespace

QPixmap macroKeysPicture(qreal devicePixelRatio)
{
    return Resources::renderPicture(MacroKeysPictureSize, devicePixelRatio, Qt::transparent, drawPicture);
}
