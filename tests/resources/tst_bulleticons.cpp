// Zevora tests - the list builder's bullet icons, read back with Qt's GIF reader.
#include "BulletIcons.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

class tst_BulletIcons : public QObject
{
    Q_OBJECT

private slots:
    void everyIconIsAMarkInItsSetsColourOnATransparentGround_data();
    void everyIconIsAMarkInItsSetsColourOnATransparentGround();
    void theSixteenSetsDifferInColour();
    void otherNumbersGiveNothing_data();
    void otherNumbersGiveNothing();
};

void tst_BulletIcons::everyIconIsAMarkInItsSetsColourOnATransparentGround_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("set");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("inMark");
    QTest::addColumn<QPoint>("onGround");

    for (int set = 0; set < Resources::BulletSetCount; ++set) {
        const QByteArray tag = Resources::bulletSetTag(set).toLatin1();
        // The triangle points right: its tip is in the middle of the right edge.
        QTest::addRow("topic %s", tag.constData())
            << 700 + set << set << QSize(6, 11) << QPoint(5, 5) << QPoint(5, 0);
        // The dot is round: its corners are clear.
        QTest::addRow("detail %s", tag.constData())
            << 800 + set << set << QSize(5, 5) << QPoint(2, 2) << QPoint(4, 4);
    }
}

void tst_BulletIcons::everyIconIsAMarkInItsSetsColourOnATransparentGround()
{
    QFETCH(int, id);
    QFETCH(int, set);
    QFETCH(QSize, size);
    QFETCH(QPoint, inMark);
    QFETCH(QPoint, onGround);

    const QByteArray gif = Resources::bulletGif(id);
    QCOMPARE(Resources::bulletGif(id), gif);
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), size);

    const QRgb colour = 0xff000000u | Resources::bulletSetColour(set);
    QCOMPARE(icon.pixel(inMark), colour);
    QCOMPARE(qAlpha(icon.pixel(onGround)), 0);
    // Nothing but the mark's colour and the clear ground.
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            QVERIFY(icon.pixel(x, y) == colour || qAlpha(icon.pixel(x, y)) == 0);
}

void tst_BulletIcons::theSixteenSetsDifferInColour()
{
    QSet<quint32> colours;
    QSet<QString> tags;
    for (int set = 0; set < Resources::BulletSetCount; ++set) {
        colours.insert(Resources::bulletSetColour(set));
        tags.insert(Resources::bulletSetTag(set));
    }
    QCOMPARE(colours.size(), 16);
    QCOMPARE(tags.size(), 16);
}

void tst_BulletIcons::otherNumbersGiveNothing_data()
{
    QTest::addColumn<int>("id");
    for (int id : {0, 699, 716, 799, 816, 100})
        QTest::addRow("%d", id) << id;
}

void tst_BulletIcons::otherNumbersGiveNothing()
{
    QFETCH(int, id);
    QCOMPARE(Resources::bulletGif(id), QByteArray());
}

QTEST_GUILESS_MAIN(tst_BulletIcons)
#include "tst_bulleticons.moc"
