// Zevora tests - the GIF encoder, checked with Qt's own GIF reader.
#include "GifWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {

// The parts of a GIF file that a lenient reader might forgive.
struct Layout
{
    QByteArray signature;
    int tableEntries = 0;
    int transparentIndex = -1;
    int minCodeSize = 0;
    int largestBlock = 0;
    bool endsWithTrailer = false;
};

Layout layoutOf(const QByteArray &gif)
{
    Layout layout;
    const auto byte = [&gif](qsizetype at) { return at < gif.size() ? quint8(gif.at(at)) : 0; };
    layout.signature = gif.left(6);
    const quint8 packed = byte(10);
    layout.tableEntries = packed & 0x80 ? 2 << (packed & 7) : 0;
    qsizetype at = 13 + 3 * layout.tableEntries;
    if (byte(at) == 0x21 && byte(at + 1) == 0xf9) {
        if (byte(at + 3) & 1)
            layout.transparentIndex = byte(at + 6);
        at += 8;
    }
    if (byte(at) != ',')
        return layout;
    at += 10;
    layout.minCodeSize = byte(at++);
    while (at < gif.size()) {
        const int length = byte(at++);
        if (length == 0)
            break;
        layout.largestBlock = std::max(layout.largestBlock, length);
        at += length;
    }
    layout.endsWithTrailer = at == gif.size() - 1 && byte(at) == ';';
    return layout;
}

QImage indexed(int width, int height, const QList<QRgb> &colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    image.fill(0);
    return image;
}

// Random pixels over \a colourCount distinct colours, the same on every run.
QImage noise(int side, int colourCount)
{
    QList<QRgb> colours;
    for (int i = 0; i < colourCount; ++i)
        colours.append(qRgb(i, (i * 7) & 0xff, 255 - i));
    QImage image = indexed(side, side, colours);
    QRandomGenerator random(colourCount);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.bounded(colourCount));
    return image;
}

} // namespace

class tst_GifWriter : public QObject
{
    Q_OBJECT

private slots:
    void picturesComeBackFromQtsReaderPixelForPixel_data();
    void picturesComeBackFromQtsReaderPixelForPixel();
    void picturesItCannotHoldGiveNothing_data();
    void picturesItCannotHoldGiveNothing();
};

void tst_GifWriter::picturesComeBackFromQtsReaderPixelForPixel_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("transparentIndex");
    QTest::addColumn<int>("tableEntries");
    QTest::addColumn<int>("minCodeSize");

    // Noise fills the string table many times over: every code width from
    // the smallest up to 12 bits, and a Clear code each time it is full.
    QTest::addRow("300 x 300 noise in 2 colours") << noise(300, 2) << -1 << 2 << 2;
    QTest::addRow("300 x 300 noise in 16 colours") << noise(300, 16) << -1 << 16 << 4;
    QTest::addRow("300 x 300 noise in 256 colours") << noise(300, 256) << -1 << 256 << 8;
    // One colour: ever longer runs, few codes.
    QTest::addRow("300 x 300 in one colour") << indexed(300, 300, {qRgb(10, 20, 30)}) << -1 << 2 << 2;
    QTest::addRow("one pixel") << indexed(1, 1, {qRgb(1, 2, 3)}) << -1 << 2 << 2;
    QImage ground = noise(37, 5);
    QTest::addRow("5 colours in a table of 8, index 3 transparent") << ground << 3 << 8 << 3;
    QImage wide = noise(1000, 3).copy(0, 0, 1000, 2);
    QTest::addRow("a wide strip") << wide << 0 << 4 << 2;
}

void tst_GifWriter::picturesComeBackFromQtsReaderPixelForPixel()
{
    QFETCH(QImage, image);
    QFETCH(int, transparentIndex);
    QFETCH(int, tableEntries);
    QFETCH(int, minCodeSize);

    const QByteArray gif = GifWriter::encode(image, transparentIndex);
    QCOMPARE(GifWriter::encode(image, transparentIndex), gif);

    const Layout layout = layoutOf(gif);
    QCOMPARE(layout.signature, QByteArray("GIF89a"));
    QCOMPARE(layout.tableEntries, tableEntries);
    QCOMPARE(layout.transparentIndex, transparentIndex);
    QCOMPARE(layout.minCodeSize, minCodeSize);
    QVERIFY(layout.largestBlock <= 255);
    QVERIFY(layout.endsWithTrailer);

    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int index = image.pixelIndex(x, y);
            const QRgb wanted = index == transparentIndex ? 0u : image.color(index);
            const QRgb got = decoded.pixel(x, y);
            if (qAlpha(wanted) == 0 ? qAlpha(got) != 0 : got != wanted)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2): %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(got, 8, 16)
                                     .arg(wanted, 8, 16)));
        }
    }
}

void tst_GifWriter::picturesItCannotHoldGiveNothing_data()
{
    QTest::addColumn<QImage>("image");

    QTest::addRow("no picture") << QImage();
    QTest::addRow("not indexed") << QImage(4, 4, QImage::Format_ARGB32);
    QImage noColours(4, 4, QImage::Format_Indexed8);
    noColours.fill(0);
    QTest::addRow("no colour table") << noColours;
    QImage outside = indexed(4, 4, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    outside.scanLine(3)[3] = 2; // setPixel() would refuse it
    QTest::addRow("a pixel outside the colour table") << outside;
}

void tst_GifWriter::picturesItCannotHoldGiveNothing()
{
    QFETCH(QImage, image);
    QCOMPARE(GifWriter::encode(image), QByteArray());
}

QTEST_GUILESS_MAIN(tst_GifWriter)
#include "tst_gifwriter.moc"
