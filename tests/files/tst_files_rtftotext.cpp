// Zevora tests - the plain text of an RTF document.
#include "RtfToText.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// A QString from a UTF-16 literal, which may hold any character.
QString text16(QStringView text)
{
    return text.toString();
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

QStringList words(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

class tst_RtfToText : public QObject
{
    Q_OBJECT

private slots:
    void theSignatureIsTheOpeningBraceAndRtfInAnyCase_data();
    void theSignatureIsTheOpeningBraceAndRtfInAnyCase();

    void documentsFromWordProcessorsGiveTheirReferenceText_data();
    void documentsFromWordProcessorsGiveTheirReferenceText();
    void listsKeepTheirBulletsAndNumbers();
    void tableCellsAreSeparatedByTabsAndRowsByLineBreaks();
    void everyDocumentHasTheWordsOfItsReferenceInOrder_data();
    void everyDocumentHasTheWordsOfItsReferenceInOrder();

    void textAndBreaks_data();
    void textAndBreaks();
    void escapesAndSymbols_data();
    void escapesAndSymbols();
    void codePages_data();
    void codePages();
    void unicodeCharacters_data();
    void unicodeCharacters();
    void destinationsOutsideTheBodyAreLeftOut_data();
    void destinationsOutsideTheBodyAreLeftOut();
    void tables_data();
    void tables();
    void damagedDocuments_data();
    void damagedDocuments();

private:
    void addCaseColumns();
    void checkCase();
};

void tst_RtfToText::theSignatureIsTheOpeningBraceAndRtfInAnyCase_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("rtf");

    QTest::addRow("usual") << QByteArray("{\\rtf1\\ansi") << true;
    QTest::addRow("capitals") << QByteArray("{\\RTF1") << true;
    QTest::addRow("mixed case") << QByteArray("{\\Rtf") << true;
    QTest::addRow("exactly five bytes") << QByteArray("{\\rtf") << true;
    QTest::addRow("too short") << QByteArray("{\\rt") << false;
    QTest::addRow("leading blank") << QByteArray(" {\\rtf1") << false;
    QTest::addRow("HTML") << QByteArray("<HTML>") << false;
    QTest::addRow("UTF-8 mark first") << QByteArray("\xEF\xBB\xBF{\\rtf1") << false;
    QTest::addRow("empty") << QByteArray() << false;
}

void tst_RtfToText::theSignatureIsTheOpeningBraceAndRtfInAnyCase()
{
    QFETCH(QByteArray, head);
    QFETCH(bool, rtf);
    QCOMPARE(hasRtfSignature(head), rtf);
}

void tst_RtfToText::documentsFromWordProcessorsGiveTheirReferenceText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("LibreOffice letter") << "letter";
    QTest::addRow("LibreOffice Greek, Cyrillic, Japanese and emoji") << "unicode";
    QTest::addRow("pandoc") << "pandoc";
}

void tst_RtfToText::documentsFromWordProcessorsGiveTheirReferenceText()
{
    QFETCH(QString, name);
    QCOMPARE(rtfToText(testFile(name + ".rtf")), referenceText(name));
}

void tst_RtfToText::listsKeepTheirBulletsAndNumbers()
{
    // The list text LibreOffice writes for readers without lists: the bullet
    // or number (with the blank it puts before a number) and a tab.
    QCOMPARE(rtfToText(testFile("lists.rtf")),
             text16(u"•\tFirst bullet\r\n•\tSecond bullet\r\n 1.\tOne\r\n 2.\tTwo\r\nDone.\r\n"));
}

void tst_RtfToText::tableCellsAreSeparatedByTabsAndRowsByLineBreaks()
{
    QCOMPARE(rtfToText(testFile("table.rtf")),
             text16(u"Before the table.\r\nName\tPrice\r\nTea\t€2\r\nAfter the table.\r\n"));
}

void tst_RtfToText::everyDocumentHasTheWordsOfItsReferenceInOrder_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"letter", "unicode", "pandoc", "lists", "table"})
        QTest::addRow("%s", name) << QString::fromLatin1(name);
}

void tst_RtfToText::everyDocumentHasTheWordsOfItsReferenceInOrder()
{
    QFETCH(QString, name);
    QCOMPARE(words(rtfToText(testFile(name + ".rtf"))), words(referenceText(name)));
}

void tst_RtfToText::addCaseColumns()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
}

void tst_RtfToText::checkCase()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(rtfToText(rtf), text);
}

void tst_RtfToText::textAndBreaks_data()
{
    addCaseColumns();
    QTest::addRow("plain text") << QByteArray(R"({\rtf1 Hello, world.})") << QString("Hello, world.");
    QTest::addRow("paragraphs") << QByteArray(R"({\rtf1 one\par two\par})") << QString("one\r\ntwo\r\n");
    QTest::addRow("line break") << QByteArray(R"({\rtf1 one\line two})") << QString("one\r\ntwo");
    QTest::addRow("backslash before a line feed")
        << QByteArray("{\\rtf1 one\\\ntwo}") << QString("one\r\ntwo");
    QTest::addRow("backslash before a carriage return")
        << QByteArray("{\\rtf1 one\\\rtwo}") << QString("one\r\ntwo");
    QTest::addRow("source line breaks are not text")
        << QByteArray("{\\rtf1 one\r\ntwo\nthree\r}") << QString("onetwothree");
    QTest::addRow("tab") << QByteArray(R"({\rtf1 a\tab b})") << QString("a\tb");
    QTest::addRow("page, section and column breaks")
        << QByteArray(R"({\rtf1 a\page b\sect c\column d})") << QString("a\r\nb\r\nc\r\nd");
    QTest::addRow("one blank ends a control word")
        << QByteArray(R"({\rtf1 {\b bold}\b0  two})") << QString("bold two");
    QTest::addRow("a parameter ends at a letter") << QByteArray(R"({\rtf1 \fs24x})") << QString("x");
    QTest::addRow("a negative parameter") << QByteArray(R"({\rtf1 \fi-283 x})") << QString("x");
    QTest::addRow("a hyphen that is not a parameter") << QByteArray(R"({\rtf1 \b-x})") << QString("-x");
    QTest::addRow("unknown control words") << QByteArray(R"({\rtf1 \foo123 \bar x})") << QString("x");
    QTest::addRow("groups keep their text") << QByteArray(R"({\rtf1 a{b{c}d}e})") << QString("abcde");
    QTest::addRow("blank at the start of a group") << QByteArray(R"({\rtf1 a{ b}})") << QString("a b");
}

void tst_RtfToText::textAndBreaks()
{
    checkCase();
}

void tst_RtfToText::escapesAndSymbols_data()
{
    addCaseColumns();
    QTest::addRow("braces and backslash")
        << QByteArray(R"({\rtf1 \{x\} and a\\b})") << QString("{x} and a\\b");
    QTest::addRow("no-break space") << QByteArray(R"({\rtf1 10\~km})") << text16(u"10\u00A0km");
    QTest::addRow("no-break hyphen") << QByteArray(R"({\rtf1 e\_mail})") << text16(u"e\u2011mail");
    QTest::addRow("optional hyphen") << QByteArray(R"({\rtf1 hy\-phen})") << QString("hyphen");
    QTest::addRow("dashes and bullet")
        << QByteArray(R"({\rtf1 a\emdash b\endash c\bullet d})") << text16(u"a—b–c•d");
    QTest::addRow("quotes") << QByteArray(R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote})")
                            << text16(u"‘a’ “b”");
    QTest::addRow("spaces and joiners") << QByteArray(R"({\rtf1 \emspace\enspace\qmspace\zwj\zwnj})")
                                        << text16(u"\u2003\u2002\u2005\u200D\u200C");
    QTest::addRow("other symbols mark nothing") << QByteArray(R"({\rtf1 a\:b\|c})") << QString("abc");
}

void tst_RtfToText::escapesAndSymbols()
{
    checkCase();
}

void tst_RtfToText::codePages_data()
{
    addCaseColumns();
    QTest::addRow("1252 by default") << QByteArray(R"({\rtf1 caf\'e9 \'80\'93\'94})") << text16(u"café €“”");
    QTest::addRow("upper-case hex") << QByteArray(R"({\rtf1 caf\'E9})") << text16(u"café");
    QTest::addRow("undefined 1252 byte") << QByteArray(R"({\rtf1 \'81\'9d})") << text16(u"\u0081\u009D");
    QTest::addRow("1250") << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'8a\'b9\'e8\'ec})") << text16(u"Šąčě");
    QTest::addRow("1251") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2 \'a8\'b8})")
                          << text16(u"Привет Ёё");
    QTest::addRow("unknown code page reads as 1252")
        << QByteArray(R"({\rtf1\ansicpg1253 \'e1})") << text16(u"á");
    QTest::addRow("Mac documents read as 1252") << QByteArray(R"({\rtf1\mac \'e9})") << text16(u"é");
    QTest::addRow("font charset") << QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;})"
                                                R"({\f1\fcharset204 Arial CYR;}}\f1\'e0\f0\'e0})")
                                  << text16(u"аà");
    QTest::addRow("font charset ends with its group")
        << QByteArray(R"({\rtf1{\fonttbl{\f1\fcharset238 A;}}{\f1\'b9}\'b9})") << text16(u"ą¹");
    QTest::addRow("default font charset")
        << QByteArray(R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\'e0\f0\'e0\plain\'e0})")
        << text16(u"аàа");
    QTest::addRow("font code page") << QByteArray(R"({\rtf1{\fonttbl{\f0\cpg1250 A;}}\f0\'b9})")
                                    << text16(u"ą");
    QTest::addRow("font table without groups")
        << QByteArray(R"({\rtf1{\fonttbl\f0\fcharset204 A;\f1\fcharset0 B;}\f0\'e0\f1\'e0})")
        << text16(u"аà");
    QTest::addRow("ANSI charset takes the document's code page")
        << QByteArray(R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset0 A;}}\f0\'e0})") << text16(u"а");
    QTest::addRow("one hex digit") << QByteArray(R"({\rtf1 a\'4 b})") << QString("a") + QChar(4) + " b";
    QTest::addRow("no hex digit") << QByteArray(R"({\rtf1 a\'zz})") << QString("azz");
}

void tst_RtfToText::codePages()
{
    checkCase();
}

void tst_RtfToText::unicodeCharacters_data()
{
    addCaseColumns();
    QTest::addRow("fallback character skipped") << QByteArray(R"({\rtf1 caf\u233?})") << text16(u"café");
    QTest::addRow("fallback byte skipped") << QByteArray(R"({\rtf1 \u8364\'80 5})") << text16(u"€ 5");
    QTest::addRow("two fallback characters") << QByteArray(R"({\rtf1\uc2 \u233??x})") << text16(u"éx");
    QTest::addRow("no fallback") << QByteArray(R"({\rtf1\uc0 \u233 x})") << text16(u"éx");
    QTest::addRow("fallback count ends with its group")
        << QByteArray(R"({\rtf1{\uc2 \u233??}\u233?x})") << text16(u"ééx");
    QTest::addRow("fallback ends at a group boundary")
        << QByteArray(R"({\rtf1{\uc3 \u233?}x})") << text16(u"éx");
    QTest::addRow("fallback takes a control word")
        << QByteArray(R"({\rtf1 \u8226\bullet x})") << text16(u"•x");
    QTest::addRow("a tab after the fallback stays")
        << QByteArray(R"({\rtf1 \u8226\'95\tab x})") << text16(u"•\tx");
    QTest::addRow("negative parameter") << QByteArray(R"({\rtf1 \u-255?})") << text16(u"\uFF01");
    QTest::addRow("surrogate pair, negative")
        << QByteArray(R"({\rtf1 \u-10179?\u-8704?})") << text16(u"\U0001F600");
    QTest::addRow("surrogate pair, positive")
        << QByteArray(R"({\rtf1 \u55357?\u56832?})") << text16(u"\U0001F600");
    QTest::addRow("surrogate pair across a fallback change")
        << QByteArray(R"({\rtf1 \uc0 \u55357\uc1 \u56832\'3f end})") << text16(u"\U0001F600 end");
    QTest::addRow("lone high surrogate") << QByteArray(R"({\rtf1 \u55357?x})") << text16(u"\uFFFDx");
    QTest::addRow("lone low surrogate") << QByteArray(R"({\rtf1 x\u56832?})") << text16(u"x\uFFFD");
    QTest::addRow("high surrogate at the end") << QByteArray(R"({\rtf1 x\u55357?})") << text16(u"x\uFFFD");
    QTest::addRow("code point above the BMP") << QByteArray(R"({\rtf1 \u128512?})") << text16(u"\U0001F600");
    QTest::addRow("beyond Unicode") << QByteArray(R"({\rtf1 \u99999999?})") << text16(u"\uFFFD");
}

void tst_RtfToText::unicodeCharacters()
{
    checkCase();
}

void tst_RtfToText::destinationsOutsideTheBodyAreLeftOut_data()
{
    addCaseColumns();
    for (const char *destination :
         {"fonttbl",         "colortbl",   "stylesheet", "info",     "pict",       "header",
          "headerl",         "footer",     "footerr",    "footnote", "listtable",  "listoverridetable",
          "fldinst",         "xe",         "tc",         "pn",       "nonshppict", "shp",
          "object\\objdata", "annotation", "revtbl"}) {
        QTest::addRow("%s", destination)
            << QByteArray("{\\rtf1 a{\\") + destination + " hidden\\par text\\tab\\'e9\\u233?}b}"
            << QString("ab");
    }
    QTest::addRow("unknown ignorable destination")
        << QByteArray(R"({\rtf1 a{\*\unknown hidden{x}\par}b})") << QString("ab");
    QTest::addRow("known ignorable destination")
        << QByteArray(R"({\rtf1 a{\*\generator Writer;}b})") << QString("ab");
    QTest::addRow("destination after other words")
        << QByteArray(R"({\rtf1 a{\plain\pict 0123}b})") << QString("ab");
    QTest::addRow("field result stays")
        << QByteArray(R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt {\ul link}}}.})")
        << QString("see link.");
    QTest::addRow("list text stays") << QByteArray(R"({\rtf1 {\listtext \'95\tab}Item\par})")
                                     << text16(u"•\tItem\r\n");
    QTest::addRow("old list text stays")
        << QByteArray(R"({\rtf1 {\pntext\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}Item})") << text16(u"·\tItem");
    QTest::addRow("binary picture data")
        << QByteArray("{\\rtf1 a{\\pict\\bin5 }{\\\x01}}b}") << QString("ab");
    QTest::addRow("binary data in the body") << QByteArray("{\\rtf1 a\\bin3 {}}b}") << QString("ab");
    QTest::addRow("font names") << QByteArray(
                                       R"({\rtf1{\fonttbl{\f0\froman{\*\panose 0}Times{\*\falt T};}}x})")
                                << QString("x");
}

void tst_RtfToText::destinationsOutsideTheBodyAreLeftOut()
{
    checkCase();
}

void tst_RtfToText::tables_data()
{
    addCaseColumns();
    QTest::addRow("two rows")
        << QByteArray(
               R"({\rtf1 \trowd\cellx1000\cellx2000 a\cell b\cell\row \trowd c\cell d\cell\row after})")
        << QString("a\tb\r\nc\td\r\nafter");
    QTest::addRow("empty first cell") << QByteArray(R"({\rtf1 \cell b\cell\row})") << QString("\tb\r\n");
    QTest::addRow("empty middle cell")
        << QByteArray(R"({\rtf1 a\cell\cell c\cell\row})") << QString("a\t\tc\r\n");
    QTest::addRow("empty last cells") << QByteArray(R"({\rtf1 a\cell\cell\cell\row})") << QString("a\r\n");
    QTest::addRow("paragraphs in a cell")
        << QByteArray(R"({\rtf1 a\par b\cell c\cell\row})") << QString("a\r\nb\tc\r\n");
    QTest::addRow("row properties in a group")
        << QByteArray(R"({\rtf1 a\cell b\cell{\trowd\cellx1\cellx2\row}x})") << QString("a\tb\r\nx");
    QTest::addRow("nested table")
        << QByteArray(R"({\rtf1 o\cell x\nestcell y\nestcell{\*\nesttableprops\trowd\nestrow}z\cell\row})")
        << QString("o\tx\ty\r\nz\r\n");
}

void tst_RtfToText::tables()
{
    checkCase();
}

void tst_RtfToText::damagedDocuments_data()
{
    addCaseColumns();
    QTest::addRow("empty") << QByteArray() << QString();
    QTest::addRow("no group") << QByteArray("plain words") << QString();
    QTest::addRow("text before the document") << QByteArray(R"(junk{\rtf1 a})") << QString("a");
    QTest::addRow("text after the document") << QByteArray(R"({\rtf1 a}b{c})") << QString("a");
    QTest::addRow("closing brace missing") << QByteArray(R"({\rtf1 a{\b b)") << QString("ab");
    QTest::addRow("ends in a backslash") << QByteArray("{\\rtf1 a\\") << QString("a");
    QTest::addRow("ends in a hex escape") << QByteArray("{\\rtf1 a\\'") << QString("a");
    QTest::addRow("binary length past the end")
        << QByteArray(R"({\rtf1 a\bin999999999999 xyz})") << QString("a");
    QTest::addRow("NUL bytes") << QByteArray("{\\rtf1 a\0b}", 11) << QString("ab");
}

void tst_RtfToText::damagedDocuments()
{
    checkCase();
}

QTEST_APPLESS_MAIN(tst_RtfToText)
#include "tst_files_rtftotext.moc"
