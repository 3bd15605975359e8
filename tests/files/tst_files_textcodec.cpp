// Zevora tests - reading and writing a page's bytes.
#include "TextCodec.h"

#include <QSet>
#include <QTest>

using namespace TextCodec;

Q_DECLARE_METATYPE(PageEncoding)
Q_DECLARE_METATYPE(LineEnding)

namespace {

// A QString from a UTF-16 literal, which may hold any character.
QString text16(QStringView text)
{
    return text.toString();
}

// Every byte from 0x80 to 0xFF, once.
QByteArray highBytes()
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

class tst_TextCodec : public QObject
{
    Q_OBJECT

private slots:
    void bytesAreReadAsUtf8OrElseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<PageEncoding>("encoding");

        const auto utf8 = PageEncoding::Utf8;
        const auto ansi = PageEncoding::Windows1252;
        QTest::addRow("empty") << QByteArray() << QString() << utf8;
        QTest::addRow("ASCII") << QByteArray("<P>Hi</P>\r\n") << QString("<P>Hi</P>\r\n") << utf8;
        QTest::addRow("NUL byte") << QByteArray("a\0b", 3) << text16(QStringView(u"a\0b", 3)) << utf8;
        QTest::addRow("UTF-8 letters") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << text16(u"café €") << utf8;
        QTest::addRow("UTF-8 beyond the BMP")
            << QByteArray("\xF0\x9F\x98\x80") << text16(u"\U0001F600") << utf8;
        QTest::addRow("byte-order mark in the middle")
            << QByteArray("a\xEF\xBB\xBF") << text16(u"a\uFEFF") << utf8;
        QTest::addRow("byte-order mark kept")
            << QByteArray("\xEF\xBB\xBF<HTML>") << text16(u"\uFEFF<HTML>") << utf8;
        QTest::addRow("Windows-1252 letter") << QByteArray("caf\xE9") << text16(u"café") << ansi;
        QTest::addRow("Windows-1252 euro and quotes")
            << QByteArray("\x80 \x93x\x94") << text16(u"€ “x”") << ansi;
        QTest::addRow("stray continuation byte") << QByteArray("a\x80z") << text16(u"a€z") << ansi;
        QTest::addRow("sequence cut short at the end") << QByteArray("ab\xC3") << text16(u"abÃ") << ansi;
        QTest::addRow("overlong two-byte slash") << QByteArray("\xC0\xAF") << text16(u"À¯") << ansi;
        QTest::addRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << text16(u"à€¯") << ansi;
        QTest::addRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << text16(u"í\u00A0€") << ansi;
        QTest::addRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << text16(u"ô\u0090€€") << ansi;
        QTest::addRow("F5 lead byte") << QByteArray("\xF5\x80\x80\x80") << text16(u"õ€€€") << ansi;
        QTest::addRow("byte-order mark then Windows-1252")
            << QByteArray("\xEF\xBB\xBF\xE9") << text16(u"ï»¿é") << ansi;
    }

    void bytesAreReadAsUtf8OrElseWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(PageEncoding, encoding);

        const DecodedPage page = decode(bytes);
        QCOMPARE(page.text, text);
        QCOMPARE(page.encoding, encoding);
        QCOMPARE(isValidUtf8(bytes), encoding == PageEncoding::Utf8);
        // Whatever was read is written back byte for byte.
        QCOMPARE(encode(page.text, page.encoding), bytes);
    }

    void everyWindows1252ByteHasItsOwnCharacter()
    {
        const DecodedPage page = decode(highBytes());
        QCOMPARE(page.encoding, PageEncoding::Windows1252);
        QCOMPARE(page.text.size(), 128);

        QSet<QChar> distinct(page.text.begin(), page.text.end());
        QCOMPARE(distinct.size(), 128);

        QCOMPARE(page.text.at(0x80 - 0x80), QChar(0x20AC));
        QCOMPARE(page.text.at(0x8A - 0x80), QChar(0x0160));
        QCOMPARE(page.text.at(0x9F - 0x80), QChar(0x0178));
        QCOMPARE(page.text.at(0xFF - 0x80), QChar(0x00FF));
        // The five bytes the code page leaves undefined stand for their own numbers.
        for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(page.text.at(byte - 0x80), QChar(byte));
        QCOMPARE(encode(page.text, PageEncoding::Windows1252), highBytes());
    }

    void malformedUtf8AnywhereInALongAsciiPageMeansWindows1252()
    {
        const QByteArray ascii(1000, 'a');
        for (const int position : {0, 1, 6, 7, 8, 9, 15, 16, 500, 999}) {
            QByteArray bytes = ascii;
            bytes[position] = '\xE9';
            QVERIFY2(!isValidUtf8(bytes), qPrintable(QString::number(position)));
            QCOMPARE(decode(bytes).encoding, PageEncoding::Windows1252);
        }
        QVERIFY(isValidUtf8(ascii));
        QByteArray valid = ascii;
        valid.replace(7, 2, "\xC3\xA9");
        QVERIFY(isValidUtf8(valid));
    }

    void charactersAnEncodingCannotStoreAreReported_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<PageEncoding>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("stored");

        const auto utf8 = PageEncoding::Utf8;
        const auto ansi = PageEncoding::Windows1252;
        QTest::addRow("Greek in UTF-8") << text16(u"Ω") << utf8 << QByteArray("\xCE\xA9") << true;
        QTest::addRow("Greek in Windows-1252") << text16(u"aΩ") << ansi << QByteArray() << false;
        QTest::addRow("euro in Windows-1252") << text16(u"€5") << ansi
                                              << QByteArray("\x80"
                                                            "5")
                                              << true;
        QTest::addRow("emoji in Windows-1252") << text16(u"\U0001F600") << ansi << QByteArray() << false;
        QTest::addRow("byte-order mark in Windows-1252")
            << text16(u"\uFEFFa") << ansi << QByteArray() << false;
        QTest::addRow("lone high surrogate in UTF-8")
            << QString(QChar(0xD83D)) + "a" << utf8 << QByteArray() << false;
        QTest::addRow("surrogate pair in UTF-8")
            << text16(u"\U0001F600") << utf8 << QByteArray("\xF0\x9F\x98\x80") << true;
    }

    void charactersAnEncodingCannotStoreAreReported()
    {
        QFETCH(QString, text);
        QFETCH(PageEncoding, encoding);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, stored);

        const std::optional<QByteArray> written = encode(text, encoding);
        QCOMPARE(written.has_value(), stored);
        if (stored)
            QCOMPARE(*written, bytes);
    }

    void windows1252BytesConvertToAndFromUtf8()
    {
        const QByteArray ansi = "<P>" + highBytes() + "</P>\r\n";
        const QByteArray utf8 = utf8FromWindows1252(ansi);
        QCOMPARE(utf8, decode(ansi).text.toUtf8());
        QCOMPARE(windows1252FromUtf8(utf8), ansi);
        QCOMPARE(windows1252FromUtf8("\xCE\xA9"), std::nullopt);
        QCOMPARE(windows1252FromUtf8("\xF0\x9F\x98\x80"), std::nullopt);
        QCOMPARE(windows1252FromUtf8("caf\xE9"), std::nullopt);
    }

    void theLineEndingIsTakenFromTheFirstLineBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineEnding>("ending");

        QTest::addRow("CRLF") << "a\r\nb\r\n" << LineEnding::CrLf;
        QTest::addRow("LF") << "a\nb\n" << LineEnding::Lf;
        QTest::addRow("CR") << "a\rb\r" << LineEnding::Cr;
        QTest::addRow("CRLF before LF") << "a\r\nb\n" << LineEnding::CrLf;
        QTest::addRow("CR before CRLF") << "a\r\r\n" << LineEnding::Cr;
        QTest::addRow("LF CR") << "a\n\rb" << LineEnding::Lf;
        QTest::addRow("no line break") << "<HTML></HTML>" << LineEnding::CrLf;
    }

    void theLineEndingIsTakenFromTheFirstLineBreak()
    {
        QFETCH(QString, text);
        QFETCH(LineEnding, ending);
        QCOMPARE(detectLineEnding(QStringView(text)), ending);
        QCOMPARE(detectLineEnding(QByteArrayView(text.toLatin1())), ending);
    }

    void aFinalLineBreakIsAddedOnlyWhenMissing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineEnding>("ending");
        QTest::addColumn<QString>("written");

        QTest::addRow("missing, CRLF page") << "a\r\nb" << LineEnding::CrLf << "a\r\nb\r\n";
        QTest::addRow("missing, CR page") << "a\rb" << LineEnding::Cr << "a\rb\r";
        QTest::addRow("present CRLF") << "a\r\n" << LineEnding::CrLf << "a\r\n";
        QTest::addRow("present LF on a CRLF page") << "a\r\nb\n" << LineEnding::CrLf << "a\r\nb\n";
        QTest::addRow("empty page") << "" << LineEnding::CrLf << "\r\n";
    }

    void aFinalLineBreakIsAddedOnlyWhenMissing()
    {
        QFETCH(QString, text);
        QFETCH(LineEnding, ending);
        QFETCH(QString, written);
        QCOMPARE(withFinalLineBreak(text, ending), written);
        QCOMPARE(withFinalLineBreak(written, ending), written);
    }
};

QTEST_APPLESS_MAIN(tst_TextCodec)
#include "tst_files_textcodec.moc"
