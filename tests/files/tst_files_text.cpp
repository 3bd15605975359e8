// Zevora tests - reading and writing a page's bytes, and the plain text of an RTF document.
#include "RtfToText.h"
#include "TextCodec.h"

#include <QFile>
#include <QTest>

using namespace TextCodec;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageEncoding)
Q_DECLARE_METATYPE(LineEnding)

namespace {

// Every byte from 0x80 to 0xFF, once.
QByteArray highBytes()
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(char(b));
    return bytes;
}

QByteArray testFile(const QString &name)
{
    QFile file(QStringLiteral(ZEVORA_FILES_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read test data %s", qPrintable(file.fileName()));
    return file.readAll();
}

// The reference texts use LF; the converter writes the line ending of a new page.
QString referenceText(const QString &name)
{
    return QString::fromUtf8(testFile(name + ".reference.txt")).replace(u'\n', QLatin1String("\r\n"));
}

void row(const char *name, const QByteArray &rtf, const QString &text)
{
    QTest::newRow(name) << rtf << text;
}

} // namespace

class tst_FilesText : public QObject
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
        QTest::addRow("NUL byte") << QByteArray("a\0b", 3) << u"a\0b"_s << utf8;
        QTest::addRow("UTF-8 letters") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << u"café €"_s << utf8;
        QTest::addRow("UTF-8 beyond the BMP") << QByteArray("\xF0\x9F\x98\x80") << u"\U0001F600"_s << utf8;
        QTest::addRow("byte-order mark kept")
            << QByteArray("\xEF\xBB\xBF<HTML>") << u"\uFEFF<HTML>"_s << utf8;
        QTest::addRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << u"€ “x”"_s << ansi;
        QTest::addRow("stray continuation byte") << QByteArray("a\x80z") << u"a€z"_s << ansi;
        QTest::addRow("sequence cut short at the end") << QByteArray("ab\xC3") << u"abÃ"_s << ansi;
        QTest::addRow("overlong two-byte slash") << QByteArray("\xC0\xAF") << u"À¯"_s << ansi;
        QTest::addRow("overlong three-byte") << QByteArray("\xE0\x80\xAF") << u"à€¯"_s << ansi;
        QTest::addRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << u"í\u00A0€"_s << ansi;
        QTest::addRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << u"ô\u0090€€"_s << ansi;
        QTest::addRow("F5 lead byte") << QByteArray("\xF5\x80\x80\x80") << u"õ€€€"_s << ansi;
        QTest::addRow("byte-order mark then Windows-1252")
            << QByteArray("\xEF\xBB\xBF\xE9") << u"ï»¿é"_s << ansi;
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

    // Every byte has its own character, and the bytes convert to UTF-8 and back.
    void windows1252BytesHaveTheirOwnCharactersAndConvertToAndFromUtf8()
    {
        const DecodedPage page = decode(highBytes());
        QCOMPARE(page.encoding, PageEncoding::Windows1252);
        QCOMPARE(page.text.size(), 128);

        QCOMPARE(page.text.at(0x9F - 0x80), QChar(0x0178));
        QCOMPARE(page.text.at(0xFF - 0x80), QChar(0x00FF));
        // The five bytes the code page leaves undefined stand for their own numbers.
        for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(page.text.at(byte - 0x80), QChar(byte));
        QCOMPARE(encode(page.text, PageEncoding::Windows1252), highBytes());

        const QByteArray ansi = "<P>" + highBytes() + "</P>\r\n";
        const QByteArray utf8 = utf8FromWindows1252(ansi);
        QCOMPARE(utf8, decode(ansi).text.toUtf8());
        QCOMPARE(windows1252FromUtf8(utf8), ansi);
        QCOMPARE(windows1252FromUtf8("\xCE\xA9"), std::nullopt);
        QCOMPARE(windows1252FromUtf8("\xF0\x9F\x98\x80"), std::nullopt);
        QCOMPARE(windows1252FromUtf8("caf\xE9"), std::nullopt);
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

    // What an encoding can store is written back byte for byte above; what it
    // cannot is refused, never written in part.
    void charactersAnEncodingCannotStoreAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<PageEncoding>("encoding");
        const auto ansi = PageEncoding::Windows1252;
        QTest::addRow("emoji in Windows-1252") << u"\U0001F600"_s << ansi;
        QTest::addRow("byte-order mark in Windows-1252") << u"\uFEFFa"_s << ansi;
        QTest::addRow("lone high surrogate in UTF-8") << QString(QChar(0xD83D)) + "a" << PageEncoding::Utf8;
    }

    void charactersAnEncodingCannotStoreAreRefused()
    {
        QFETCH(QString, text);
        QFETCH(PageEncoding, encoding);
        QCOMPARE(encode(text, encoding), std::nullopt);
    }

    void theLineEndingIsTakenFromTheFirstLineBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineEnding>("ending");

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

    void theSignatureIsTheOpeningBraceAndRtfInAnyCase_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("rtf");

        QTest::addRow("capitals") << QByteArray("{\\RTF1") << true;
        QTest::addRow("exactly five bytes") << QByteArray("{\\rtf") << true;
        QTest::addRow("too short") << QByteArray("{\\rt") << false;
        QTest::addRow("leading blank") << QByteArray(" {\\rtf1") << false;
        QTest::addRow("UTF-8 mark first") << QByteArray("\xEF\xBB\xBF{\\rtf1") << false;
    }

    void theSignatureIsTheOpeningBraceAndRtfInAnyCase()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, rtf);
        QCOMPARE(hasRtfSignature(head), rtf);
    }

    void documentsFromWordProcessorsGiveTheirReferenceText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("LibreOffice letter") << "letter";
        QTest::addRow("LibreOffice Greek, Cyrillic, Japanese and emoji") << "unicode";
        QTest::addRow("pandoc") << "pandoc";
    }

    void documentsFromWordProcessorsGiveTheirReferenceText()
    {
        QFETCH(QString, name);
        QCOMPARE(rtfToText(testFile(name + ".rtf")), referenceText(name));
    }

    void rtfBecomesPlainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        // Paragraphs, line breaks, tabs, fields, list text, table rows, and
        // fallbacks after \u, are read in the word processors' documents above.
        // Lists and tables written by LibreOffice: the text it writes for readers
        // without lists (the bullet or number, with a blank before a number, and
        // a tab), cells separated by tabs.
        row("LibreOffice lists", testFile("lists.rtf"),
            u"•\tFirst bullet\r\n•\tSecond bullet\r\n 1.\tOne\r\n 2.\tTwo\r\nDone.\r\n"_s);
        row("LibreOffice table", testFile("table.rtf"),
            u"Before the table.\r\nName\tPrice\r\nTea\t€2\r\nAfter the table.\r\n"_s);
        // Text, breaks and control words.
        row("backslash before a line feed", "{\\rtf1 one\\\ntwo}", "one\r\ntwo");
        row("source line breaks are not text", "{\\rtf1 one\r\ntwo\nthree\r}", "onetwothree");
        row("page, section and column breaks", R"({\rtf1 a\page b\sect c\column d})", "a\r\nb\r\nc\r\nd");
        row("one blank ends a control word", R"({\rtf1 {\b bold}\b0  two})", "bold two");
        row("a parameter ends at a letter", R"({\rtf1 \fs24x})", "x");
        row("a hyphen that is not a parameter", R"({\rtf1 \b-x})", "-x");
        row("groups keep their text", R"({\rtf1 a{b{c}d}e})", "abcde");
        row("blank at the start of a group", R"({\rtf1 a{ b}})", "a b");
        // Escapes and symbols.
        row("braces and backslash", R"({\rtf1 \{x\} and a\\b})", "{x} and a\\b");
        row("no-break space and hyphen", R"({\rtf1 10\~km e\_mail})", u"10\u00A0km e\u2011mail"_s);
        row("symbols, the first and the last of the list", R"({\rtf1 a\bullet b\zwnj c})", u"a•b\u200Cc"_s);
        row("other symbols mark nothing", R"({\rtf1 a\:b\|c})", "abc");
        // Code pages: the document's, a font's, an unknown one.
        row("1252 by default", R"({\rtf1 caf\'e9 \'80\'93\'94})", u"café €“”"_s);
        row("1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2 \'a8\'b8})", u"Привет Ёё"_s);
        row("unknown code page reads as 1252", R"({\rtf1\ansicpg1253 \'e1})", u"á"_s);
        row("font charset",
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;})"
            R"({\f1\fcharset204 Arial CYR;}}\f1\'e0\f0\'e0})",
            u"аà"_s);
        row("font charset ends with its group", R"({\rtf1{\fonttbl{\f1\fcharset238 A;}}{\f1\'b9}\'b9})",
            u"ą¹"_s);
        row("default font charset",
            R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\'e0\f0\'e0\plain\'e0})", u"аàа"_s);
        row("font code page", R"({\rtf1{\fonttbl{\f0\cpg1250 A;}}\f0\'b9})", u"ą"_s);
        row("font table without groups",
            R"({\rtf1{\fonttbl\f0\fcharset204 A;\f1\fcharset0 B;}\f0\'e0\f1\'e0})", u"аà"_s);
        row("ANSI charset takes the document's code page",
            R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset0 A;}}\f0\'e0})", u"а"_s);
        row("one hex digit", R"({\rtf1 a\'4 b})", QString("a") + QChar(4) + " b");
        row("no hex digit", R"({\rtf1 a\'zz})", "azz");
        // Unicode characters and their fallbacks.
        row("fallback count ends with its group", R"({\rtf1{\uc2 \u233??}\u233?x})", u"ééx"_s);
        row("fallback ends at a group boundary", R"({\rtf1{\uc3 \u233?}x})", u"éx"_s);
        row("fallback takes a control word", R"({\rtf1 \u8226\bullet x})", u"•x"_s);
        row("a tab after the fallback stays", R"({\rtf1 \u8226\'95\tab x})", u"•\tx"_s);
        row("surrogate pair, negative", R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_s);
        row("surrogate pair across a fallback change", R"({\rtf1 \uc0 \u55357\uc1 \u56832\'3f end})",
            u"\U0001F600 end"_s);
        row("lone high surrogate", R"({\rtf1 \u55357?x})", u"\uFFFDx"_s);
        row("code point above the BMP", R"({\rtf1 \u128512?})", u"\U0001F600"_s);
        row("beyond Unicode", R"({\rtf1 \u99999999?})", u"\uFFFD"_s);
        // What is not the body's text is left out.
        for (const char *destination :
             {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer", "footnote",
              "listtable", "fldinst", "shp", "object\\objdata"}) {
            QTest::addRow("%s", destination)
                << QByteArray("{\\rtf1 a{\\") + destination + " hidden\\par text\\tab\\'e9\\u233?}b}"
                << QString("ab");
        }
        row("unknown ignorable destination", R"({\rtf1 a{\*\unknown hidden{x}\par}b})", "ab");
        row("destination after other words", R"({\rtf1 a{\plain\pict 0123}b})", "ab");
        row("old list text stays", R"({\rtf1 {\pntext\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}Item})",
            u"·\tItem"_s);
        row("binary picture data", "{\\rtf1 a{\\pict\\bin5 }{\\\x01}}b}", "ab");
        row("binary data in the body", "{\\rtf1 a\\bin3 {}}b}", "ab");
        row("font names", R"({\rtf1{\fonttbl{\f0\froman{\*\panose 0}Times{\*\falt T};}}x})", "x");
        // Tables: cells end in tabs, rows in line breaks.
        row("empty first cell", R"({\rtf1 \cell b\cell\row})", "\tb\r\n");
        row("empty middle cell", R"({\rtf1 a\cell\cell c\cell\row})", "a\t\tc\r\n");
        row("empty last cells", R"({\rtf1 a\cell\cell\cell\row})", "a\r\n");
        row("paragraphs in a cell", R"({\rtf1 a\par b\cell c\cell\row})", "a\r\nb\tc\r\n");
        row("row properties in a group", R"({\rtf1 a\cell b\cell{\trowd\cellx1\cellx2\row}x})", "a\tb\r\nx");
        row("nested table",
            R"({\rtf1 o\cell x\nestcell y\nestcell{\*\nesttableprops\trowd\nestrow}z\cell\row})",
            "o\tx\ty\r\nz\r\n");
        // Damaged documents give what can be read.
        row("no group", "plain words", QString());
        row("text before the document", R"(junk{\rtf1 a})", "a");
        row("text after the document", R"({\rtf1 a}b{c})", "a");
        row("closing brace missing", R"({\rtf1 a{\b b)", "ab");
        row("ends in a backslash", "{\\rtf1 a\\", "a");
        row("binary length past the end", R"({\rtf1 a\bin999999999999 xyz})", "a");
        row("NUL bytes", QByteArray("{\\rtf1 a\0b}", 11), "ab");
    }

    void rtfBecomesPlainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(rtfToText(rtf), text);
    }
};

QTEST_APPLESS_MAIN(tst_FilesText)
#include "tst_files_text.moc"
