// Zevora tests - the tool strip pictures and the splash picture.
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

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
    return count;
}

// The largest difference between the colour channels of any clearly visible pixel.
int largestSaturation(const QImage &image)
{
    int largest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 64)
                continue;
            const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
            largest = std::max(largest, high - low);
        }
    return largest;
}

// How far apart two pixels are: the sum of the differences of all four channels.
int distance(QRgb a, QRgb b)
{
    return std::abs(qAlpha(a) - qAlpha(b)) + std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

class tst_ToolPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsADrawingOnTheSixteenPixelCanvas_data();
    void everyPictureIsADrawingOnTheSixteenPixelCanvas();
    void aHighDpiPictureIsDrawnAtFullResolution_data();
    void aHighDpiPictureIsDrawnAtFullResolution();
    void theDisabledPictureIsAGreyVersionOfTheEnabledOne_data();
    void theDisabledPictureIsAGreyVersionOfTheEnabledOne();
    void noTwoToolsShareAPicture();
    void unknownResourceNumbersGiveNothing_data();
    void unknownResourceNumbersGiveNothing();
    void theIconHoldsEveryRatioAndItsOwnDisabledLook();
    void menuPicturesAreDrawingsOfTheirOwn_data();
    void menuPicturesAreDrawingsOfTheirOwn();
    void theSplashIsAPictureOfItsSize();

private:
    void addEveryPicture();
    void addEveryTool();
};

void tst_ToolPictures::addEveryPicture()
{
    QTest::addColumn<int>("resourceId");
    for (int tool = 0; tool < Resources::ToolCount; ++tool) {
        QTest::addRow("enabled %d", Resources::EnabledBase + tool) << Resources::EnabledBase + tool;
        QTest::addRow("disabled %d", Resources::DisabledBase + tool) << Resources::DisabledBase + tool;
    }
}

void tst_ToolPictures::addEveryTool()
{
    QTest::addColumn<int>("tool");
    for (int tool = 0; tool < Resources::ToolCount; ++tool)
        QTest::addRow("tool %d", tool) << tool;
}

void tst_ToolPictures::everyPictureIsADrawingOnTheSixteenPixelCanvas_data()
{
    addEveryPicture();
}

void tst_ToolPictures::everyPictureIsADrawingOnTheSixteenPixelCanvas()
{
    QFETCH(int, resourceId);
    const QPixmap picture = Resources::toolPicture(resourceId);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(16, 16));
    QCOMPARE(picture.devicePixelRatio(), 1.0);
    const int covered = opaquePixels(argb(picture));
    // A real drawing covers a fair part of the canvas; an empty or nearly
    // empty canvas means the drawing went missing.
    QVERIFY2(covered >= 40, qPrintable(QString("only %1 of 256 pixels drawn").arg(covered)));
}

void tst_ToolPictures::aHighDpiPictureIsDrawnAtFullResolution_data()
{
    addEveryPicture();
}

void tst_ToolPictures::aHighDpiPictureIsDrawnAtFullResolution()
{
    QFETCH(int, resourceId);
    const QPixmap sharp = Resources::toolPicture(resourceId, 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(16, 16));

    // Shrunk to 16 by 16, the 2x picture must be the same drawing as the 1x
    // one: this fails when the drawing is not scaled to the device (it would
    // fill only a corner) or is drawn at a different place.
    const QImage small = argb(Resources::toolPicture(resourceId, 1.0));
    const QImage big = argb(sharp);
    long difference = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int alpha = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    alpha += qAlpha(big.pixel(2 * x + dx, 2 * y + dy));
            difference += std::abs(alpha / 4 - qAlpha(small.pixel(x, y)));
        }
    const double meanDifference = difference / 256.0;
    QVERIFY2(meanDifference < 24, qPrintable(QString("mean coverage difference %1").arg(meanDifference)));

    // A 2x picture scaled up from 1x has every 2 by 2 block in one colour.
    int detailedBlocks = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb first = big.pixel(2 * x, 2 * y);
            if (big.pixel(2 * x + 1, 2 * y) != first || big.pixel(2 * x, 2 * y + 1) != first ||
                big.pixel(2 * x + 1, 2 * y + 1) != first)
                ++detailedBlocks;
        }
    QVERIFY2(detailedBlocks >= 8, qPrintable(QString("%1 blocks with detail").arg(detailedBlocks)));
}

void tst_ToolPictures::theDisabledPictureIsAGreyVersionOfTheEnabledOne_data()
{
    addEveryTool();
}

void tst_ToolPictures::theDisabledPictureIsAGreyVersionOfTheEnabledOne()
{
    QFETCH(int, tool);
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage enabled = argb(Resources::toolPicture(Resources::EnabledBase + tool, ratio));
        const QImage disabled = argb(Resources::toolPicture(Resources::DisabledBase + tool, ratio));
        QCOMPARE(disabled.size(), enabled.size());
        QVERIFY(disabled != enabled);
        QVERIFY2(largestSaturation(disabled) <= 6,
                 qPrintable(QString("a disabled pixel has colour %1").arg(largestSaturation(disabled))));
        // The two looks must differ at a glance, not in a few pixels.
        int covered = 0, changed = 0;
        for (int y = 0; y < enabled.height(); ++y)
            for (int x = 0; x < enabled.width(); ++x) {
                const QRgb e = enabled.pixel(x, y), d = disabled.pixel(x, y);
                if (qAlpha(e) < 128)
                    continue;
                ++covered;
                if (distance(e, d) > 60)
                    ++changed;
            }
        QVERIFY2(changed * 2 >= covered,
                 qPrintable(QString("%1 of %2 pixels changed").arg(changed).arg(covered)));
        // Same shape: the disabled picture covers the enabled one's pixels.
        int uncovered = 0;
        for (int y = 0; y < enabled.height(); ++y)
            for (int x = 0; x < enabled.width(); ++x)
                if (qAlpha(enabled.pixel(x, y)) >= 200 && qAlpha(disabled.pixel(x, y)) < 128)
                    ++uncovered;
        QCOMPARE(uncovered, 0);
    }
}

void tst_ToolPictures::noTwoToolsShareAPicture()
{
    QList<QImage> pictures;
    for (int tool = 0; tool < Resources::ToolCount; ++tool)
        pictures.append(argb(Resources::toolPicture(Resources::EnabledBase + tool)));
    for (int a = 0; a < Resources::ToolCount; ++a)
        for (int b = a + 1; b < Resources::ToolCount; ++b) {
            // Pictures that differ in only a few pixels would look the same on the strip.
            int differing = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    differing += distance(pictures[a].pixel(x, y), pictures[b].pixel(x, y)) > 64 ? 1 : 0;
            QVERIFY2(
                differing >= 20,
                qPrintable(QString("tools %1 and %2 differ in only %3 pixels").arg(a).arg(b).arg(differing)));
        }
}

void tst_ToolPictures::unknownResourceNumbersGiveNothing_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addRow("zero") << 0;
    QTest::addRow("negative") << -100;
    QTest::addRow("just below the enabled pictures") << 99;
    QTest::addRow("just after the enabled pictures") << 117;
    QTest::addRow("just below the disabled pictures") << 199;
    QTest::addRow("just after the disabled pictures") << 217;
    QTest::addRow("a sound number") << 300;
    QTest::addRow("a button picture number") << 500;
}

void tst_ToolPictures::unknownResourceNumbersGiveNothing()
{
    QFETCH(int, resourceId);
    QVERIFY(Resources::toolPicture(resourceId).isNull());
    QVERIFY(Resources::toolPicture(resourceId, 2.0).isNull());
    QVERIFY(Resources::toolIcon(resourceId).isNull());
}

void tst_ToolPictures::theIconHoldsEveryRatioAndItsOwnDisabledLook()
{
    for (int tool = 0; tool < Resources::ToolCount; ++tool) {
        const QIcon icon = Resources::toolIcon(Resources::EnabledBase + tool);
        QVERIFY(!icon.isNull());
        for (const qreal ratio : {1.0, 2.0, 3.0}) {
            const QPixmap normal = icon.pixmap(QSize(16, 16), ratio, QIcon::Normal);
            QCOMPARE(normal.size(), QSize(16, 16) * ratio);
            QCOMPARE(argb(normal), argb(Resources::toolPicture(Resources::EnabledBase + tool, ratio)));
            const QPixmap disabled = icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled);
            QCOMPARE(argb(disabled), argb(Resources::toolPicture(Resources::DisabledBase + tool, ratio)));
        }
        const QIcon disabledIcon = Resources::toolIcon(Resources::DisabledBase + tool);
        QCOMPARE(argb(disabledIcon.pixmap(QSize(16, 16), 2.0)),
                 argb(Resources::toolPicture(Resources::DisabledBase + tool, 2.0)));
    }
}

void tst_ToolPictures::menuPicturesAreDrawingsOfTheirOwn_data()
{
    QTest::addColumn<Resources::MenuPicture>("picture");
    QTest::addColumn<Resources::MenuPicture>("other");
    QTest::addRow("exit") << Resources::MenuPicture::Exit << Resources::MenuPicture::RecentFile;
    QTest::addRow("recent file") << Resources::MenuPicture::RecentFile << Resources::MenuPicture::Exit;
}

void tst_ToolPictures::menuPicturesAreDrawingsOfTheirOwn()
{
    QFETCH(Resources::MenuPicture, picture);
    QFETCH(Resources::MenuPicture, other);
    const QImage image = argb(Resources::menuPicture(picture));
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(opaquePixels(image) >= 40);
    const QPixmap sharp = Resources::menuPicture(picture, 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);

    // It must not pass for a tool's picture or for the other menu picture.
    QList<QImage> others{argb(Resources::menuPicture(other))};
    for (int tool = 0; tool < Resources::ToolCount; ++tool)
        others.append(argb(Resources::toolPicture(Resources::EnabledBase + tool)));
    for (const QImage &look : others) {
        int differing = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                differing += distance(image.pixel(x, y), look.pixel(x, y)) > 64 ? 1 : 0;
        QVERIFY2(differing >= 20, qPrintable(QString("only %1 pixels differ").arg(differing)));
    }
}

void tst_ToolPictures::theSplashIsAPictureOfItsSize()
{
    const QPixmap splash = Resources::splashPicture();
    QCOMPARE(splash.size(), QSize(420, 260));
    const QPixmap sharp = Resources::splashPicture(2.0);
    QCOMPARE(sharp.size(), QSize(840, 520));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(420, 260));

    // The name is written in white on the blue ground: the left half, where
    // it stands, must hold white pixels, and the picture must use many colours.
    const QImage image = argb(splash);
    int white = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            colours.insert(c);
            if (x < 210 && qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240)
                ++white;
        }
    QVERIFY2(white > 300, qPrintable(QString("%1 white pixels where the name stands").arg(white)));
    QVERIFY(colours.size() > 200);
}

QTEST_MAIN(tst_ToolPictures)
#include "tst_toolpictures.moc"
