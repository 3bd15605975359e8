// Zevora tests - the GIF encoder and the bullet icons, read back with Qt's own GIF reader.
#include "BulletIcons.h"
#include "GifWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {

QImage decoded(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer);
    if (reader.format() != "gif")
        return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Random pixels over \a colours distinct colours, the same on every run.
QImage noise(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    for (int i = 0; i < colours; ++i)
        image.setColor(i, qRgb(i, (i * 7) & 0xff, 255 - i));
    QRandomGenerator random(colours);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.bounded(colours));
    return image;
}

} // namespace

class tst_BulletGifs : public QObject
{
    Q_OBJECT

private slots:
    void picturesComeBackPixelForPixel_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("transparentIndex");
        // Noise fills the string table many times over: every code width up to
        // 12 bits, and a Clear code each time the table is full.
        QTest::addRow("noise in 2 colours") << noise(300, 300, 2) << -1;
        QTest::addRow("noise in 256 colours") << noise(300, 300, 256) << -1;
        // Ever longer runs of one colour, in a table padded to two entries.
        QTest::addRow("one colour") << noise(300, 300, 1) << -1;
        QTest::addRow("5 colours, index 3 transparent") << noise(37, 5, 5) << 3;
    }

    void picturesComeBackPixelForPixel()
    {
        QFETCH(QImage, image);
        QFETCH(int, transparentIndex);

        const QByteArray gif = GifWriter::encode(image, transparentIndex);
        QVERIFY(gif.startsWith("GIF89a") && gif.endsWith(";"));
        QCOMPARE(GifWriter::encode(image, transparentIndex), gif);
        const QImage back = decoded(gif);
        QCOMPARE(back.size(), image.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int index = image.pixelIndex(x, y);
                const bool same = index == transparentIndex ? qAlpha(back.pixel(x, y)) == 0
                                                            : back.pixel(x, y) == image.color(index);
                if (!same)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
            }
        }
    }

    void picturesTheEncoderCannotHoldGiveNothing()
    {
        QCOMPARE(GifWriter::encode(QImage(4, 4, QImage::Format_ARGB32)), QByteArray());
        QImage outside = noise(4, 4, 2);
        outside.scanLine(3)[3] = 2; // setPixel() would refuse an index outside the table
        QCOMPARE(GifWriter::encode(outside), QByteArray());
    }

    void everyIconIsAMarkInItsSetsColourOnAClearGround_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("inMark");
        QTest::addColumn<QPoint>("onGround");
        for (int set = 0; set < Resources::BulletSetCount; ++set) {
            const QByteArray tag = Resources::bulletSetTag(set).toLatin1();
            // The triangle points right; the dot's corners are clear.
            QTest::addRow("topic %s", tag.constData())
                << 700 + set << QSize(6, 11) << QPoint(5, 5) << QPoint(5, 0);
            QTest::addRow("detail %s", tag.constData())
                << 800 + set << QSize(5, 5) << QPoint(2, 2) << QPoint(4, 4);
        }
    }

    void everyIconIsAMarkInItsSetsColourOnAClearGround()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QFETCH(QPoint, inMark);
        QFETCH(QPoint, onGround);

        const QByteArray gif = Resources::bulletGif(id);
        QCOMPARE(Resources::bulletGif(id), gif);
        const QImage icon = decoded(gif);
        QCOMPARE(icon.size(), size);
        const QRgb colour = 0xff000000u | Resources::bulletSetColour(id % 100);
        QCOMPARE(icon.pixel(inMark), colour);
        QCOMPARE(qAlpha(icon.pixel(onGround)), 0);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                QVERIFY(icon.pixel(x, y) == colour || qAlpha(icon.pixel(x, y)) == 0);
    }

    void otherIconNumbersGiveNothing()
    {
        for (int id : {0, 100, 699, 716, 799, 816})
            QCOMPARE(Resources::bulletGif(id), QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_BulletGifs)
#include "tst_bulletgifs.moc"
