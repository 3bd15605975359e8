// Zevora tests - Text to HTML conversion.
#include "cTxt2HTML.h"

#include <QTest>

namespace {

const QString Tab = QStringLiteral(" &nbsp; &nbsp; &nbsp; ");

QString link(const QString &url)
{
    return QStringLiteral("<a href=\"%1\">%1</a>").arg(url);
}

// The HTML 4 named entity expected for each Latin-1 code that has one here.
const QMap<int, QString> &latinEntities()
{
    static const QMap<int, QString> entities{
        {161, "&iexcl;"},  {162, "&cent;"},   {163, "&pound;"},  {164, "&curren;"}, {165, "&yen;"},
        {166, "&brvbar;"}, {167, "&sect;"},   {168, "&uml;"},    {169, "&copy;"},   {170, "&ordf;"},
        {171, "&laquo;"},  {172, "&not;"},    {174, "&reg;"},    {175, "&macr;"},   {176, "&deg;"},
        {177, "&plusmn;"}, {178, "&sup2;"},   {179, "&sup3;"},   {180, "&acute;"},  {181, "&micro;"},
        {182, "&para;"},   {183, "&middot;"}, {184, "&cedil;"},  {185, "&sup1;"},   {186, "&ordm;"},
        {187, "&raquo;"},  {188, "&frac14;"}, {189, "&frac12;"}, {190, "&frac34;"}, {191, "&iquest;"},
        {192, "&Agrave;"}, {193, "&Aacute;"}, {194, "&Acirc;"},  {195, "&Atilde;"}, {196, "&Auml;"},
        {197, "&Aring;"},  {198, "&AElig;"},  {199, "&Ccedil;"}, {200, "&Egrave;"}, {201, "&Eacute;"},
        {202, "&Ecirc;"},  {203, "&Euml;"},   {204, "&Igrave;"}, {205, "&Iacute;"}, {206, "&Icirc;"},
        {207, "&Iuml;"},   {208, "&ETH;"},    {209, "&Ntilde;"}, {210, "&Ograve;"}, {211, "&Oacute;"},
        {212, "&Ocirc;"},  {213, "&Otilde;"}, {214, "&Ouml;"},   {215, "&times;"},  {216, "&Oslash;"},
        {217, "&Ugrave;"}, {218, "&Uacute;"}, {219, "&Ucirc;"},  {220, "&Uuml;"},   {221, "&Yacute;"},
        {222, "&THORN;"},  {223, "&szlig;"},  {224, "&agrave;"}, {225, "&aacute;"}, {226, "&acirc;"},
        {227, "&atilde;"}, {228, "&auml;"},   {229, "&aring;"},  {230, "&aelig;"},  {231, "&ccedil;"},
        {232, "&egrave;"}, {233, "&eacute;"}, {234, "&ecirc;"},  {235, "&euml;"},   {236, "&igrave;"},
        {237, "&iacute;"}, {238, "&icirc;"},  {239, "&iuml;"},   {240, "&eth;"},    {241, "&ntilde;"},
        {242, "&ograve;"}, {243, "&oacute;"}, {244, "&ocirc;"},  {245, "&otilde;"}, {246, "&ouml;"},
        {247, "&divide;"}, {248, "&oslash;"}, {249, "&ugrave;"}, {250, "&uacute;"}, {251, "&ucirc;"},
        {252, "&uuml;"},   {253, "&yacute;"}, {254, "&thorn;"},  {255, "&yuml;"},
    };
    return entities;
}

} // namespace

class tst_cTxt2HTML : public QObject
{
    Q_OBJECT

private slots:
    void theSampleTextsConvertAsDescribed_data();
    void theSampleTextsConvertAsDescribed();
    void everySingleByteCodeHasItsPiece_data();
    void everySingleByteCodeHasItsPiece();
    void blanksAndLineEndsConvert_data();
    void blanksAndLineEndsConvert();
    void webAddressesBecomeLinks_data();
    void webAddressesBecomeLinks();
    void aLinkRunningToTheEndMayHaveAtMost120Characters_data();
    void aLinkRunningToTheEndMayHaveAtMost120Characters();
    void anOverLongLinkFailsWithTheNoteAndChangesNothing();
    void aSuccessfulConversionClearsAnEarlierNote();
    void charactersBeyondLatin1PassThrough_data();
    void charactersBeyondLatin1PassThrough();
};

void tst_cTxt2HTML::theSampleTextsConvertAsDescribed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addRow("three spaces between two letters") << "a   b"
                                                      << "a &nbsp;&nbsp;b";
    QTest::addRow("less-than and ampersand between words") << "if a < b & c then"
                                                           << "if a &lt; b &amp; c then";
    QTest::addRow("two lines separated by CR LF") << "first line\r\nsecond line"
                                                  << "first line<br>\r\nsecond line";
    QTest::addRow("http address between two words")
        << "see http://zevora.example/page.htm today"
        << "see " + link("http://zevora.example/page.htm") + " today";
    QTest::addRow("ftp address at the end of a line")
        << "get ftp://files.example/kit.zip\r\nthen unpack"
        << "get " + link("ftp://files.example/kit.zip") + "<br>\r\nthen unpack";
    QTest::addRow("selection ending in an address") << "home: http://zevora.example/"
                                                    << "home: " + link("http://zevora.example/");
    QTest::addRow("e acute") << QString::fromUtf8("caf\u00e9") << "caf&eacute;";
    QTest::addRow("soft hyphen and no-break space stay")
        << QString::fromUtf8("a\u00adb\u00a0c") << QString::fromUtf8("a\u00adb\u00a0c");
    QTest::addRow("inverted question mark") << QString::fromUtf8("\u00bfqu\u00e9?") << "&iquest;qu&eacute;?";
    QTest::addRow("empty text") << ""
                                << "";
}

void tst_cTxt2HTML::theSampleTextsConvertAsDescribed()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    cTxt2HTML converter;
    converter.setTxt1(text);
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), html);
    QVERIFY(!converter.note().has_value());
}

void tst_cTxt2HTML::everySingleByteCodeHasItsPiece_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    for (int code = 0; code < 256; ++code) {
        const QString text(QChar(static_cast<char16_t>(code)));
        QString html = text;
        if (code == 9)
            html = Tab;
        else if (code == 10 || code == 13)
            html = "<br>" + text; // a line end of its own
        else if (code == '"')
            html = "&quot;";
        else if (code == '&')
            html = "&amp;";
        else if (code == '<')
            html = "&lt;";
        else if (code == '>')
            html = "&gt;";
        else if (latinEntities().contains(code))
            html = latinEntities().value(code);
        QTest::addRow("code %d", code) << text << html;
    }
}

void tst_cTxt2HTML::everySingleByteCodeHasItsPiece()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    cTxt2HTML converter(text);
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), html);
}

void tst_cTxt2HTML::blanksAndLineEndsConvert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addRow("a single space stays") << "a b"
                                          << "a b";
    QTest::addRow("a run at the start") << "   x"
                                        << " &nbsp;&nbsp;x";
    QTest::addRow("a run at the end") << "x    "
                                      << "x &nbsp;&nbsp;&nbsp;";
    QTest::addRow("two runs") << "a  b  c"
                              << "a &nbsp;b &nbsp;c";
    QTest::addRow("a tab between words") << "a\tb"
                                         << "a" + Tab + "b";
    QTest::addRow("spaces around a tab") << "a \t b"
                                         << "a " + Tab + " b";
    QTest::addRow("two tabs") << "\t\t" << Tab + Tab;
    QTest::addRow("CR LF lines") << "a\r\nb\r\n"
                                 << "a<br>\r\nb<br>\r\n";
    QTest::addRow("LF lines") << "a\nb\n"
                              << "a<br>\nb<br>\n";
    QTest::addRow("CR lines") << "a\rb\r"
                              << "a<br>\rb<br>\r";
    QTest::addRow("an empty CR LF line") << "a\r\n\r\nb"
                                         << "a<br>\r\n<br>\r\nb";
    QTest::addRow("LF CR is two line ends") << "a\n\rb"
                                            << "a<br>\n<br>\rb";
    QTest::addRow("all four reserved characters") << "<a href=\"x\">&</a>"
                                                  << "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;";
    QTest::addRow("an entity is not taken as one") << "&amp;"
                                                   << "&amp;amp;";
}

void tst_cTxt2HTML::blanksAndLineEndsConvert()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    cTxt2HTML converter(text);
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), html);
}

void tst_cTxt2HTML::webAddressesBecomeLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    const QString url = "http://zevora.example/a.htm";
    const QString ftp = "ftp://files.example/b.zip";

    QTest::addRow("at the start, closed by a space") << url + " next" << link(url) + " next";
    QTest::addRow("at the start, closed by CR") << url + "\rnext" << link(url) + "<br>\rnext";
    QTest::addRow("at the start, closed by CR LF") << url + "\r\nnext" << link(url) + "<br>\r\nnext";
    QTest::addRow("at the start, closed by LF") << url + "\nnext" << link(url) + "<br>\nnext";
    QTest::addRow("at the start, closed by a tab") << url + "\tnext" << link(url) + "<br>" + Tab + "next";
    QTest::addRow("in the middle, closed by a space") << "a " + url + " b"
                                                      << "a " + link(url) + " b";
    QTest::addRow("in the middle, closed by CR") << "a " + url + "\rb"
                                                 << "a " + link(url) + "<br>\rb";
    QTest::addRow("in the middle, closed by a tab") << "a " + url + "\tb"
                                                    << "a " + link(url) + "<br>" + Tab + "b";
    QTest::addRow("at the end, closed by a space") << "a " + url + " "
                                                   << "a " + link(url) + " ";
    QTest::addRow("at the end, closed by CR") << "a " + url + "\r"
                                              << "a " + link(url) + "<br>\r";
    QTest::addRow("at the end, closed by a tab") << "a " + url + "\t"
                                                 << "a " + link(url) + "<br>" + Tab;
    QTest::addRow("at the end, closed by the end") << "a " + url << "a " + link(url);
    QTest::addRow("the whole text") << url << link(url);

    QTest::addRow("ftp in the middle") << "a " + ftp + " b"
                                       << "a " + link(ftp) + " b";
    QTest::addRow("upper-case HTTP") << "HTTP://X.EXAMPLE/ z" << link("HTTP://X.EXAMPLE/") + " z";
    QTest::addRow("mixed-case ftp") << "FtP://x y" << link("FtP://x") + " y";
    QTest::addRow("a single slash is enough") << "http:/x y" << link("http:/x") + " y";
    QTest::addRow("secure scheme is no link") << "https://x.example y"
                                              << "https://x.example y";
    QTest::addRow("host name alone is no link") << "www.x.example y"
                                                << "www.x.example y";
    QTest::addRow("too short to be a link") << "http:"
                                            << "http:";
    QTest::addRow("inside a word") << "xhttp://y z"
                                   << "x" + link("http://y") + " z";

    QTest::addRow("a run of spaces after it") << url + "   b" << link(url) + " &nbsp;&nbsp;b";
    QTest::addRow("a tab before a later space") << url + "\tb c" << link(url) + "<br>" + Tab + "b c";
    QTest::addRow("a space before a later tab") << url + " b\tc" << link(url) + " b" + Tab + "c";
    QTest::addRow("a tab before a later CR") << url + "\tb\rc" << link(url) + "<br>" + Tab + "b<br>\rc";
    QTest::addRow("a CR before a later tab") << url + "\rb\tc" << link(url) + "<br>\rb" + Tab + "c";
    QTest::addRow("two links") << url + " " + ftp << link(url) + " " + link(ftp);
    QTest::addRow("link on each line") << url + "\r\n" + ftp + "\r\n"
                                       << link(url) + "<br>\r\n" + link(ftp) + "<br>\r\n";
    QTest::addRow("reserved characters inside are escaped")
        << "http://x/?a=1&b=<2> c"
        << "<a href=\"http://x/?a=1&amp;b=&lt;2&gt;\">http://x/?a=1&amp;b=&lt;2&gt;</a> c";
    QTest::addRow("a quote cannot end the address")
        << "http://x\"onmouseover=alert(1)// y"
        << "<a href=\"http://x&quot;onmouseover=alert(1)//\">http://x&quot;onmouseover=alert(1)//</a> y";
    QTest::addRow("a tag in an address at the end stays text")
        << "ftp://x/<script>"
        << "<a href=\"ftp://x/&lt;script&gt;\">ftp://x/&lt;script&gt;</a>";
    QTest::addRow("Latin-1 letters inside stay as written")
        << QString::fromUtf8("http://x/caf\u00e9 \u00e9")
        << link(QString::fromUtf8("http://x/caf\u00e9")) + " &eacute;";
    QTest::addRow("text before it is converted") << "a&b\t<http://x"
                                                 << "a&amp;b" + Tab + "&lt;" + link("http://x");
}

void tst_cTxt2HTML::webAddressesBecomeLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    cTxt2HTML converter(text);
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), html);
}

void tst_cTxt2HTML::aLinkRunningToTheEndMayHaveAtMost120Characters_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("linkLength");
    QTest::addColumn<bool>("converts");
    QTest::addRow("119 characters") << "see " << 119 << true;
    QTest::addRow("120 characters") << "see " << 120 << true;
    QTest::addRow("121 characters") << "see " << 121 << false;
    QTest::addRow("121 characters, whole text") << "" << 121 << false;
    QTest::addRow("500 characters after a line") << "line\r\n" << 500 << false;
}

void tst_cTxt2HTML::aLinkRunningToTheEndMayHaveAtMost120Characters()
{
    QFETCH(QString, before);
    QFETCH(int, linkLength);
    QFETCH(bool, converts);
    const QString url = "http://" + QString(linkLength - 7, QChar('a'));
    QCOMPARE(url.size(), linkLength);

    cTxt2HTML converter(before + url);
    QCOMPARE(converter.toHTML(), converts);
    if (converts) {
        QCOMPARE(converter.txt1(), QString(before).replace("\r", "<br>\r") + link(url));
        QVERIFY(!converter.note().has_value());
    } else {
        QCOMPARE(converter.txt1(), before + url);
        QVERIFY(converter.note().has_value());
    }

    // The same address closed by a blank has no limit.
    cTxt2HTML closed(url + " ");
    QVERIFY(closed.toHTML());
    QCOMPARE(closed.txt1(), link(url) + " ");
}

void tst_cTxt2HTML::anOverLongLinkFailsWithTheNoteAndChangesNothing()
{
    const QString text = QString::fromUtf8("caf\u00e9 & more\r\nhttp://") + QString(200, QChar('x'));
    cTxt2HTML converter(text);
    QVERIFY(!converter.toHTML());
    QCOMPARE(converter.txt1(), text);
    const auto note = converter.note();
    QVERIFY(note.has_value());
    QCOMPARE(note->title, QString("txt2htm Note:"));
    QCOMPARE(note->text, QString("You seem to have included a link without end...\n"
                                 "Please check your text and try again."));
}

void tst_cTxt2HTML::aSuccessfulConversionClearsAnEarlierNote()
{
    cTxt2HTML converter("ftp://" + QString(150, QChar('y')));
    QVERIFY(!converter.toHTML());
    QVERIFY(converter.note().has_value());

    converter.setTxt1("a<b");
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), QString("a&lt;b"));
    QVERIFY(!converter.note().has_value());
}

void tst_cTxt2HTML::charactersBeyondLatin1PassThrough_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addRow("euro sign") << QString::fromUtf8("5 \u20ac") << QString::fromUtf8("5 \u20ac");
    QTest::addRow("Greek and Cyrillic")
        << QString::fromUtf8("\u03a9\u0436") << QString::fromUtf8("\u03a9\u0436");
    QTest::addRow("emoji (a surrogate pair)")
        << QString::fromUtf8("hi \U0001F600!") << QString::fromUtf8("hi \U0001F600!");
    QTest::addRow("curly quotes and dashes")
        << QString::fromUtf8("\u201cx\u201d \u2014 y") << QString::fromUtf8("\u201cx\u201d \u2014 y");
    QTest::addRow("mixed with Latin-1")
        << QString::fromUtf8("\u20ac\u00e9\u0100\u00ff") << QString::fromUtf8("\u20ac&eacute;\u0100&yuml;");
    QTest::addRow("byte-order mark") << QString::fromUtf8("\ufeffa") << QString::fromUtf8("\ufeffa");
}

void tst_cTxt2HTML::charactersBeyondLatin1PassThrough()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    cTxt2HTML converter(text);
    QVERIFY(converter.toHTML());
    QCOMPARE(converter.txt1(), html);
}

QTEST_APPLESS_MAIN(tst_cTxt2HTML)
#include "tst_ctxt2html.moc"
