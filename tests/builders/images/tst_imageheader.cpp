// Zevora tests - the image header reader, against ImageMagick's sizes and on
// damaged input; and zevora-imgtag, run as a program: its tags, --link,
// standard error and exit codes.
#include "CImageInfo.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Bytes = QByteArray;
using ImageHeader::Type;
Q_DECLARE_METATYPE(ImageHeader::Type)

namespace {
Bytes of(std::initializer_list<int> bytes)
{
    Bytes b;
    for (const int byte : bytes)
        b += char(byte);
    return b;
}
Bytes png(quint32 w, quint32 h, int bitDepth, int colourType)
{
    return Bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) +
           of({int(w >> 24), int(w >> 16), int(w >> 8), int(w)}) +
           of({int(h >> 24), int(h >> 16), int(h >> 8), int(h), bitDepth, colourType, 0, 0, 0});
}
Bytes segment(int code, int length, char fill = 'x')
{
    return of({0xFF, code, length >> 8, length}) + Bytes(qMax(length - 2, 0), fill);
}
// A frame header: 8-bit samples, 300 high, 400 wide.
Bytes frame(int code = 0xC0, int components = 3)
{
    return of({0xFF, code, 0, 17, 8, 1, 44, 1, 144, components}) + Bytes(9, '\1');
}
const Bytes Soi = of({0xFF, 0xD8});
} // namespace

class tst_ImageHeader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QDir site(m_dir.path());
        QVERIFY(site.mkpath("site/docs/sub") && site.mkpath("site/img/folder"));
        QVERIFY(QFile::copy(OWN_SAMPLES "/grey.png", m_dir.filePath("site/img/grey.png")));
        QVERIFY(QFile::copy(OWN_SAMPLES "/mono.gif", m_dir.filePath("site/img/a b#%\"é.gif")));
        for (const char *name : {"site/docs/page.htm", "site/docs/sub/p.SHTML", "site/notes.txt"}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<p>") == 3);
        }
    }

    void printsWhatADropWouldInsert_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("status");
        QTest::addRow("tags relative to the page")
            << QStringList{"site/docs/page.htm", "site/img/grey.png", "site/img/a b#%\"é.gif"}
            << QByteArray("<img src=\"../img/grey.png\" width=30 height=20 border=0>\n"
                          "<img src=\"../img/a b%23%25%22é.gif\" width=17 height=13 border=0>\n")
            << QByteArray() << 0;
        // A refusal before the file is read and one after; the drop tests
        // check every refusal's text.
        QTest::addRow("refused files print why, and the rest goes on")
            << QStringList{"site/docs/page.htm", "site/gone.gif", "site/img/folder", "./site/img/grey.png"}
            << QByteArray("<img src=\"../img/grey.png\" width=30 height=20 border=0>\n")
            << QByteArray("site/gone.gif: No such file.\n"
                          "site/img/folder: Looks like a folder.\n\nZevora Drag N Drop (on a page)\n"
                          "is used to generate IMAGE tags.   \n\nTry a GIF, a JPG or a PNG file...\n")
            << 1;
        QTest::addRow("links to pages")
            << QStringList{"--link", "site/docs/page.htm", "site/docs/sub/p.SHTML", "site/notes.txt"}
            << QByteArray("<a href=\"sub/p.SHTML\">My Page</a>\n")
            << QByteArray("site/notes.txt: Please drop an HTM, HTML, SHTML or an ASP page.\n") << 1;
        QTest::addRow("a link from a page not on disk is a bare name")
            << QStringList{"--link", "site/new/page.htm", "site/docs/sub/p.SHTML"}
            << QByteArray("<a href=\"p.SHTML\">My Page</a>\n") << QByteArray() << 0;
        QTest::addRow("no image") << QStringList{"site/docs/page.htm"} << QByteArray() << QByteArray() << 2;
    }

    void printsWhatADropWouldInsert()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QProcess tool;
        tool.setWorkingDirectory(m_dir.path());
        tool.start(IMGTAG_PATH, arguments);
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QTEST(tool.readAllStandardOutput(), "out");
        const QByteArray errors = tool.readAllStandardError();
        if (status == 2)
            QVERIFY(errors.startsWith("Usage: zevora-imgtag"));
        else
            QTEST(errors, "err");
        QCOMPARE(tool.exitCode(), status);
    }

    // One row per line of each manifest: the shared samples and our own.
    void sizesMatchWhatIdentifyReports_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Type>("type");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const QHash<QString, Type> types{{"GIF", ImageHeader::Gif},
                                         {"JPEG", ImageHeader::Jpeg},
                                         {"PNG", ImageHeader::Png},
                                         {"BMP", ImageHeader::Bmp}};
        for (const QString &folder : {QStringLiteral(SHARED_SAMPLES), QStringLiteral(OWN_SAMPLES)}) {
            QFile manifest(folder + "/MANIFEST.txt");
            if (!manifest.open(QIODevice::ReadOnly))
                qWarning("No samples in %s", qPrintable(folder));
            while (manifest.isOpen() && !manifest.atEnd()) {
                const QStringList f = QString::fromUtf8(manifest.readLine()).simplified().split(' ');
                if (f.size() == 4 && !f[0].startsWith('#'))
                    QTest::addRow("%s", qPrintable(f[0]))
                        << folder + '/' + f[0] << types.value(f[1], ImageHeader::None) << f[2].toInt()
                        << f[3].toInt();
            }
        }
    }

    void sizesMatchWhatIdentifyReports()
    {
        QFETCH(QString, path);
        CImageInfo info;
        QCOMPARE(info.readImageHeader(path), CImageInfo::Status::Read);
        QTEST(info.imageType(), "type");
        QTEST(int(info.width()), "width");
        QTEST(int(info.height()), "height");
    }

    void headersFollowTheFormatsRules_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<Type>("type");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("depth");
        const Type none = ImageHeader::None;
        const Type jpeg = ImageHeader::Jpeg;
        QTest::addRow("PNG grey, 16 bits") << png(1, 1, 16, 0) << ImageHeader::Png << 1 << 16;
        QTest::addRow("PNG palette, 2 bits") << png(1, 1, 2, 3) << ImageHeader::Png << 1 << 8;
        QTest::addRow("PNG colour and alpha") << png(1, 1, 16, 6) << ImageHeader::Png << 1 << 64;
        QTest::addRow("PNG colour type 5") << png(5, 5, 8, 5) << none << 0 << 0;
        QTest::addRow("PNG 2147483648 wide") << png(0x80000000, 2, 8, 0) << none << 0 << 0;
        QTest::addRow("PNG cut in its colour type") << png(5, 5, 8, 2).left(25) << none << 0 << 0;
        QTest::addRow("GIF table size 7") << Bytes("GIF89a\3\1\1\0\xF7", 11) << ImageHeader::Gif << 259 << 8;
        QTest::addRow("BM is a bitmap") << Bytes("BM") + Bytes(40, '\0') << ImageHeader::Bmp << 0 << 0;
        QTest::addRow("empty") << Bytes() << none << 0 << 0;
        QTest::addRow("JPEG CMYK, progressive") << Soi + frame(0xC2, 4) << jpeg << 400 << 32;
        QTest::addRow("JPEG frame header cut") << Soi + segment(0xE0, 16) + frame().left(9) << none << 0 << 0;
        QTest::addRow("JPEG signature at byte 1") << Bytes(1, 0) + Soi + frame() << none << 0 << 0;
        QTest::addRow("JPEG segment length 0") << Soi + segment(0xE0, 0) + frame() << none << 0 << 0;
        QTest::addRow("JPEG segment length 65535, cut")
            << Soi + segment(0xFE, 65535).left(3000) + frame() << none << 0 << 0;
        QTest::addRow("JPEG comment ending in 0xFF, fill bytes")
            << Soi + segment(0xFE, 40, char(0xFF)) + Bytes(3, char(0xFF)) + frame() << jpeg << 400 << 24;
        QTest::addRow("JPEG 196, 200 and 204 are no frames")
            << Soi + segment(0xC4, 20) + segment(0xC8, 4) + segment(0xCC, 6) + frame(0xCF) << jpeg << 400
            << 24;
    }

    void headersFollowTheFormatsRules()
    {
        QFETCH(Bytes, bytes);
        // Exactly the bytes given, so that the sanitizers see any read past them.
        const std::unique_ptr<unsigned char[]> exact(new unsigned char[size_t(bytes.size())]);
        std::copy(bytes.cbegin(), bytes.cend(), exact.get());
        const ImageHeader::Info info = ImageHeader::read(exact.get(), size_t(bytes.size()));
        QTEST(info.type, "type");
        QTEST(int(info.width), "width");
        QTEST(int(info.depth), "depth");
        QCOMPARE(info.height == 0, info.type == ImageHeader::None || info.type == ImageHeader::Bmp);
    }

    void filesThatCannotHoldAnImageAreAnsweredAtOnce()
    {
        QTemporaryDir dir;
        CImageInfo info;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.gif")).constData(), 0600), 0);
        QCOMPARE(info.readImageHeader(dir.filePath("pipe.gif")), CImageInfo::Status::NotAFile);
        QCOMPARE(info.readImageHeader(dir.path()), CImageInfo::Status::NotAFile);
        QCOMPARE(info.readImageHeader(dir.filePath("missing.gif")), CImageInfo::Status::Missing);
        QVERIFY(QFile::link(OWN_SAMPLES "/grey.png", dir.filePath("link.png")));
        QCOMPARE(info.readImageHeader(dir.filePath("link.png")), CImageInfo::Status::Read);
        QCOMPARE(info.width(), 30);

        // 4 GiB, nearly all of it a hole, which is searched for a marker byte by
        // byte; a frame header 17 MiB in is past what is ever read.
        QFile huge(dir.filePath("huge.jpg"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(Soi + segment(0xE0, 16)) == 20);
        QVERIFY(huge.seek(17 << 20) && huge.write(frame()) > 0 && huge.resize(qint64(4) << 30));
        huge.close();
        QCOMPARE(info.readImageHeader(huge.fileName()), CImageInfo::Status::Read);
        QCOMPARE(info.imageType(), ImageHeader::None);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_ImageHeader)
#include "tst_imageheader.moc"
