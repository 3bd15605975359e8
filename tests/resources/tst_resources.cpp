// Zevora tests - the program's own pictures and sounds: the tool strip, menu
// and splash pictures, the GIF encoder and bullet icons (read back with Qt's
// own GIF reader), and the sounds as compiled into the resources library.
#include "BulletIcons.h"
#include "GifWriter.h"
#include "QtSoundService.h"
#include "ToolPictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// How far apart two pixels are: the sum of the differences of all four channels.
int distance(QRgb a, QRgb b)
{
    return std::abs(qAlpha(a) - qAlpha(b)) + std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Counts the pixels of \a image for which \a test holds.
template <typename Test> int pixels(const QImage &image, Test test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(x, y, image.pixel(x, y)) ? 1 : 0;
    return count;
}

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

constexpr std::array SoundIds = {300, 301, 302, 303, 304, 305, 306, 399};

QByteArray soundFile(int id)
{
    QFile file(Platform::QtSoundService::resourcePath(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<qint16> samples(const QByteArray &wave)
{
    QList<qint16> list;
    for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
        list.append(qFromLittleEndian<qint16>(wave.constData() + at));
    return list;
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void everyToolHasADrawingAndAGreyLookAtEveryRatio_data()
    {
        QTest::addColumn<int>("tool");
        for (int tool = 0; tool < Resources::ToolCount; ++tool)
            QTest::addRow("tool %d", tool) << tool;
    }

    void everyToolHasADrawingAndAGreyLookAtEveryRatio()
    {
        QFETCH(int, tool);
        const QIcon icon = Resources::toolIcon(Resources::EnabledBase + tool);
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap picture = Resources::toolPicture(Resources::EnabledBase + tool, ratio);
            QCOMPARE(picture.size(), QSize(16, 16) * ratio);
            QCOMPARE(picture.devicePixelRatio(), ratio);
            const QImage enabled = argb(picture);
            const QImage disabled = argb(Resources::toolPicture(Resources::DisabledBase + tool, ratio));
            // A real drawing covers a fair part of the canvas.
            const int covered = pixels(enabled, [](int, int, QRgb c) { return qAlpha(c) >= 128; });
            QVERIFY(covered >= 40 * ratio * ratio);
            // The disabled look: greys only, the same shape, and different at a glance.
            QCOMPARE(pixels(disabled,
                            [](int, int, QRgb c) {
                                const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
                                return qAlpha(c) >= 64 && high - std::min({qRed(c), qGreen(c), qBlue(c)}) > 6;
                            }),
                     0);
            QCOMPARE(pixels(enabled,
                            [&](int x, int y, QRgb c) {
                                return qAlpha(c) >= 200 && qAlpha(disabled.pixel(x, y)) < 128;
                            }),
                     0);
            QVERIFY(2 * pixels(enabled,
                               [&](int x, int y, QRgb c) {
                                   return qAlpha(c) >= 128 && distance(c, disabled.pixel(x, y)) > 60;
                               }) >=
                    covered);
            // The icon on the strip holds both looks.
            QCOMPARE(argb(icon.pixmap(QSize(16, 16), ratio, QIcon::Normal)), enabled);
            QCOMPARE(argb(icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled)), disabled);
        }
        // Drawn at 2x, not scaled up from 1x: shrunk, it is the 1x drawing, and it has detail of its own.
        const QImage small = argb(Resources::toolPicture(Resources::EnabledBase + tool));
        const QImage big = argb(Resources::toolPicture(Resources::EnabledBase + tool, 2.0));
        long difference = 0;
        int detailed = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb corner = big.pixel(2 * x, 2 * y);
                int alpha = 0, same = 0;
                for (int d = 0; d < 4; ++d) {
                    alpha += qAlpha(big.pixel(2 * x + d % 2, 2 * y + d / 2));
                    same += big.pixel(2 * x + d % 2, 2 * y + d / 2) == corner;
                }
                difference += std::abs(alpha / 4 - qAlpha(small.pixel(x, y)));
                detailed += same < 4;
            }
        QVERIFY2(difference < 24 * 256, qPrintable(QString("coverage difference %1").arg(difference)));
        QVERIFY2(detailed >= 8, qPrintable(QString("%1 blocks with detail").arg(detailed)));
    }

    void noTwoPicturesLookAlike()
    {
        QList<QImage> pictures;
        for (int tool = 0; tool < Resources::ToolCount; ++tool)
            pictures.append(argb(Resources::toolPicture(Resources::EnabledBase + tool)));
        for (const auto menu : {Resources::MenuPicture::Exit, Resources::MenuPicture::RecentFile}) {
            QCOMPARE(Resources::menuPicture(menu, 2.0).size(), QSize(32, 32));
            pictures.append(argb(Resources::menuPicture(menu)));
            QVERIFY(pixels(pictures.last(), [](int, int, QRgb c) { return qAlpha(c) >= 128; }) >= 40);
        }
        for (qsizetype a = 0; a < pictures.size(); ++a)
            for (qsizetype b = a + 1; b < pictures.size(); ++b) {
                // Pictures that differ in only a few pixels would look the same on the strip.
                const int differing = pixels(pictures[a], [&](int x, int y, QRgb c) {
                    return distance(c, pictures[b].pixel(x, y)) > 64;
                });
                QVERIFY2(
                    differing >= 20,
                    qPrintable(
                        QString("pictures %1 and %2 differ in only %3 pixels").arg(a).arg(b).arg(differing)));
            }
    }

    void unknownResourceNumbersGiveNothing()
    {
        for (const int resourceId : {0, -100, 99, 117, 199, 217, 300, 500}) {
            QVERIFY(Resources::toolPicture(resourceId).isNull());
            QVERIFY(Resources::toolIcon(resourceId).isNull());
        }
        for (int id : {0, 100, 699, 716, 799, 816})
            QCOMPARE(Resources::bulletGif(id), QByteArray());
    }

    void theSplashIsAPictureOfItsSize()
    {
        QCOMPARE(Resources::splashPicture().size(), QSize(420, 260));
        const QPixmap sharp = Resources::splashPicture(2.0);
        QCOMPARE(sharp.size(), QSize(840, 520));
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(420, 260));

        // The name is written in white on the blue ground: the left half, where
        // it stands, must hold white pixels, and the picture must use many colours.
        const QImage image = argb(Resources::splashPicture());
        QSet<QRgb> colours;
        const int white = pixels(image, [&](int x, int, QRgb c) {
            colours.insert(c);
            return x < 210 && qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
        });
        QVERIFY2(white > 300, qPrintable(QString("%1 white pixels where the name stands").arg(white)));
        QVERIFY(colours.size() > 200);
    }

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
        // Premultiplied, every transparent pixel is 0 whatever colour the reader gave it.
        QImage expected = image;
        if (transparentIndex >= 0)
            expected.setColor(transparentIndex, qRgba(0, 0, 0, 0));
        QCOMPARE(decoded(gif).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
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

    void everySoundIsAShortCleanPcmWave_data()
    {
        QTest::addColumn<int>("id");
        for (int id : SoundIds)
            QTest::addRow("sound %d", id) << id;
    }

    void everySoundIsAShortCleanPcmWave()
    {
        QFETCH(int, id);
        // The player looks the sound up at this path in any program that links the resources.
        const QByteArray wave = soundFile(id);
        QVERIFY(wave.size() > 44);
        // RIFF, then one format chunk (PCM, mono, 22050 Hz, 16 bits) and one data chunk, sizes to the byte.
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 28).toHex(),
                 QByteArray("57415645666d742010000000010001002256000044ac000002001000"));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 40), quint32(wave.size() - 44));

        const QList<qint16> sound = samples(wave);
        QVERIFY2(sound.size() >= 0.05 * 22050 && sound.size() <= 22050,
                 qPrintable(QString::number(sound.size())));
        double energy = 0;
        for (qint16 s : sound)
            energy += double(s) * s;
        QVERIFY(std::sqrt(energy / sound.size()) > 1000);
        const auto [low, high] = std::minmax_element(sound.begin(), sound.end());
        QVERIFY2(*low > -32000 && *high < 32000, qPrintable(QString("peaks %1 and %2").arg(*low).arg(*high)));
        // A soft start and end: no click when the sound starts or stops.
        QVERIFY(std::abs(sound.front()) < 200 && std::abs(sound.back()) < 200);
        // Each event has a sound of its own, not a copy of another one's.
        for (int other : SoundIds)
            QVERIFY2(other == id || soundFile(other) != wave, qPrintable(QString::number(other)));
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
