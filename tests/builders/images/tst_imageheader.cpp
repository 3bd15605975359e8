// Zevora tests - the image header reader, against ImageMagick's sizes and on damaged input.
#include "CImageInfo.h"
#include "ImageHeader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Bytes = QByteArray;

namespace {

Bytes of(std::initializer_list<int> bytes)
{
    Bytes b;
    for (const int byte : bytes)
        b += char(byte);
    return b;
}

Bytes be32(quint32 v)
{
    return of({int(v >> 24), int(v >> 16), int(v >> 8), int(v)});
}

Bytes png(quint32 width, quint32 height, int bitDepth, int colourType)
{
    return Bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + be32(width) + be32(height) + char(bitDepth) +
           char(colourType) + Bytes(3, '\0');
}

Bytes segment(int code, int length, char fill = 'x')
{
    return of({0xFF, code, length >> 8, length}) + Bytes(qMax(length - 2, 0), fill);
}

// A frame header: 8-bit samples, 300 high, 400 wide, \a components.
Bytes frame(int code = 0xC0, int components = 3)
{
    return of({0xFF, code, 0, 17, 8, 1, 44, 1, 144, components}) + Bytes(9, '\1');
}

const Bytes Soi("\xFF\xD8", 2);

} // namespace

Q_DECLARE_METATYPE(ImageHeader::Type)

class tst_ImageHeader : public QObject
{
    Q_OBJECT

private slots:
    void sizesMatchWhatIdentifyReports_data();
    void sizesMatchWhatIdentifyReports();
    void depthFollowsTheFormatsRules_data();
    void depthFollowsTheFormatsRules();
    void damagedHeadersAreNoImage_data();
    void damagedHeadersAreNoImage();
    void filesThatCannotHoldAnImageAreAnsweredAtOnce();
};

// One row per line of each manifest: the shared samples and our own.
void tst_ImageHeader::sizesMatchWhatIdentifyReports_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ImageHeader::Type>("type");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    const QHash<QString, ImageHeader::Type> types{{"GIF", ImageHeader::Gif},
                                                  {"JPEG", ImageHeader::Jpeg},
                                                  {"PNG", ImageHeader::Png},
                                                  {"BMP", ImageHeader::Bmp}};
    for (const QString &folder : {QStringLiteral(SHARED_SAMPLES), QStringLiteral(OWN_SAMPLES)}) {
        QFile manifest(folder + "/MANIFEST.txt");
        if (!manifest.open(QIODevice::ReadOnly)) {
            qWarning("No samples in %s", qPrintable(folder));
            continue;
        }
        while (!manifest.atEnd()) {
            const QStringList fields = QString::fromUtf8(manifest.readLine()).simplified().split(' ');
            if (fields.size() != 4 || fields.first().startsWith('#'))
                continue;
            QTest::addRow("%s", qPrintable(fields[0]))
                << folder + '/' + fields[0] << types.value(fields[1], ImageHeader::None) << fields[2].toInt()
                << fields[3].toInt();
        }
    }
}

void tst_ImageHeader::sizesMatchWhatIdentifyReports()
{
    QFETCH(QString, path);
    QFETCH(ImageHeader::Type, type);
    QFETCH(int, width);
    QFETCH(int, height);
    CImageInfo info;
    QCOMPARE(info.readImageHeader(path), CImageInfo::Status::Read);
    QCOMPARE(info.imageType(), type);
    QCOMPARE(info.width(), width);
    QCOMPARE(info.height(), height);
}

void tst_ImageHeader::depthFollowsTheFormatsRules_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<int>("depth");
    QTest::addRow("PNG grey, 16 bits") << png(1, 1, 16, 0) << 16;
    QTest::addRow("PNG colour, 8 bits a sample") << png(1, 1, 8, 2) << 24;
    QTest::addRow("PNG palette, 2 bits") << png(1, 1, 2, 3) << 8;
    QTest::addRow("PNG grey and alpha, 8 bits") << png(1, 1, 8, 4) << 16;
    QTest::addRow("PNG colour and alpha, 16 bits") << png(1, 1, 16, 6) << 64;
    QTest::addRow("GIF colour table size 7") << Bytes("GIF89a\1\0\1\0\xF7\0\0", 13) << 8;
    QTest::addRow("GIF colour table size 0") << Bytes("GIF89a\1\0\1\0\x80\0\0", 13) << 1;
    QTest::addRow("JPEG grey") << Soi + frame(0xC0, 1) << 8;
    QTest::addRow("JPEG three components") << Soi + frame(0xC2, 3) << 24;
    QTest::addRow("JPEG CMYK") << Soi + frame(0xC1, 4) << 32;
}

void tst_ImageHeader::depthFollowsTheFormatsRules()
{
    QFETCH(Bytes, bytes);
    QFETCH(int, depth);
    const ImageHeader::Info info =
        ImageHeader::read(reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()));
    QVERIFY(info.type != ImageHeader::None);
    QCOMPARE(info.depth, depth);
}

void tst_ImageHeader::damagedHeadersAreNoImage_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<ImageHeader::Type>("type");
    QTest::addColumn<int>("width");
    const Bytes app0 = segment(0xE0, 16);
    QTest::addRow("empty") << Bytes() << ImageHeader::None << 0;
    QTest::addRow("one byte") << Bytes("\xFF") << ImageHeader::None << 0;
    QTest::addRow("JPEG signature only") << Bytes("\xFF\xD8\xFF") << ImageHeader::None << 0;
    QTest::addRow("PNG header cut in its colour type") << png(5, 5, 8, 2).left(25) << ImageHeader::None << 0;
    QTest::addRow("GIF header cut before its flags") << Bytes("GIF89a\1\0\1\0") << ImageHeader::None << 0;
    QTest::addRow("JPEG frame header cut") << Soi + app0 + frame().left(9) << ImageHeader::None << 0;
    QTest::addRow("PNG of unknown colour type") << png(5, 5, 8, 5) << ImageHeader::None << 0;
    QTest::addRow("PNG 70000 wide") << png(70000, 2, 8, 0) << ImageHeader::Png << 70000;
    QTest::addRow("PNG 2147483647 wide") << png(0x7FFFFFFF, 2, 8, 0) << ImageHeader::Png << 0x7FFFFFFF;
    QTest::addRow("PNG 2147483648 wide") << png(0x80000000, 2, 8, 0) << ImageHeader::None << 0;
    QTest::addRow("PNG 4294967295 high") << png(2, 0xFFFFFFFF, 8, 0) << ImageHeader::None << 0;
    QTest::addRow("BM is a bitmap") << Bytes("BM") + Bytes(40, '\0') << ImageHeader::Bmp << 0;
    QTest::addRow("JPEG signature at byte 1") << Bytes(1, 0) + Soi + frame() << ImageHeader::None << 0;
    QTest::addRow("JPEG segment length 0") << Soi + segment(0xE0, 0) + frame() << ImageHeader::None << 0;
    QTest::addRow("JPEG segment length 1") << Soi + segment(0xE0, 1) + frame() << ImageHeader::None << 0;
    QTest::addRow("JPEG segment length 65535, file ends")
        << Soi + segment(0xFE, 65535).left(30000) + frame() << ImageHeader::None << 0;
    QTest::addRow("JPEG segment length 65535, frame behind it")
        << Soi + segment(0xFE, 65535, char(0xC0)) + frame() << ImageHeader::Jpeg << 400;
    QTest::addRow("JPEG frame header inside a comment is skipped")
        << Soi + Bytes("\xFF\xFE\0\x0C\xFF\xC0\0\x11\x08\0\x05\0\x05\x03", 14) + frame() << ImageHeader::Jpeg
        << 400;
    QTest::addRow("JPEG comment ending in 0xFF")
        << Soi + segment(0xFE, 40, char(0xFF)) + frame() << ImageHeader::Jpeg << 400;
    QTest::addRow("JPEG tables 196, 200 and 204 are no frames")
        << Soi + segment(0xC4, 20) + segment(0xC8, 4) + segment(0xCC, 6) + frame(0xCF) << ImageHeader::Jpeg
        << 400;
    QTest::addRow("JPEG fill bytes before a marker")
        << Soi + Bytes(5, char(0xFF)) + frame() << ImageHeader::Jpeg << 400;
    QTest::addRow("JPEG frame past 64 KiB")
        << Soi + segment(0xE1, 65535) + segment(0xE2, 65535) + frame() << ImageHeader::Jpeg << 400;
}

void tst_ImageHeader::damagedHeadersAreNoImage()
{
    QFETCH(Bytes, bytes);
    QFETCH(ImageHeader::Type, type);
    QFETCH(int, width);
    // Exactly the bytes given, so that the sanitizers see any read past them.
    const std::unique_ptr<unsigned char[]> exact(new unsigned char[size_t(bytes.size()) + 1]);
    std::copy(bytes.cbegin(), bytes.cend(), exact.get());
    const ImageHeader::Info info =
        ImageHeader::read(bytes.isEmpty() ? nullptr : exact.get(), size_t(bytes.size()));
    QCOMPARE(info.type, type);
    QCOMPARE(info.width, width);
    if (type == ImageHeader::None)
        QCOMPARE(info.height, 0);
}

void tst_ImageHeader::filesThatCannotHoldAnImageAreAnsweredAtOnce()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.gif");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CImageInfo info;
    QCOMPARE(info.readImageHeader(fifo), CImageInfo::Status::NotAFile);
    QCOMPARE(info.readImageHeader(dir.path()), CImageInfo::Status::NotAFile);
    QCOMPARE(info.readImageHeader(dir.filePath("missing.gif")), CImageInfo::Status::Missing);

    // A link is followed to its image.
    const QString link = dir.filePath("link.png");
    QVERIFY(QFile::link(QStringLiteral(OWN_SAMPLES "/grey.png"), link));
    QCOMPARE(info.readImageHeader(link), CImageInfo::Status::Read);
    QCOMPARE(info.width(), 30);

    // 4 GiB, nearly all of it a hole, which is searched for a marker byte by
    // byte; a frame header 17 MiB in is past what is ever read.
    QFile huge(dir.filePath("huge.jpg"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write(Soi + segment(0xE0, 16)) == 20);
    QVERIFY(huge.seek(17 * 1024 * 1024));
    QVERIFY(huge.write(frame()) > 0);
    QVERIFY(huge.resize(qint64(4) << 30));
    huge.close();
    QCOMPARE(info.readImageHeader(huge.fileName()), CImageInfo::Status::Read);
    QCOMPARE(info.imageType(), ImageHeader::None);
}

QTEST_APPLESS_MAIN(tst_ImageHeader)
#include "tst_imageheader.moc"
