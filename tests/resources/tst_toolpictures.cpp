// Zevora tests - the tool strip pictures, the menu pictures and the splash picture.
#include "ToolPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
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

} // namespace

class tst_ToolPictures : public QObject
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
            QVERIFY(pixels(enabled, [](int, int, QRgb c) { return qAlpha(c) >= 128; }) >= 40 * ratio * ratio);
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
            const int covered = pixels(enabled, [](int, int, QRgb c) { return qAlpha(c) >= 128; });
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
            QVERIFY(Resources::toolPicture(resourceId, 2.0).isNull());
            QVERIFY(Resources::toolIcon(resourceId).isNull());
        }
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
};

QTEST_MAIN(tst_ToolPictures)
#include "tst_toolpictures.moc"
