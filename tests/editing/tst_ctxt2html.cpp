// Zevora tests - Text to HTML conversion.
#include "cTxt2HTML.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString Tab = QStringLiteral(" &nbsp; &nbsp; &nbsp; ");

QString link(const QString &url)
{
    return QStringLiteral("<a href=\"%1\">%1</a>").arg(url);
}

QString converted(const QString &text)
{
    cTxt2HTML converter(text);
    return converter.toHTML() && !converter.note() ? converter.txt1() : QStringLiteral("<failed>");
}

} // namespace

class tst_cTxt2HTML : public QObject
{
    Q_OBJECT

private slots:
    void textBecomesHtml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        const QString url = "http://zevora.example/a.htm";
        const QString ftp = "ftp://files.example/b.zip";
        const auto row = [](const char *name, const QString &text, const QString &html) {
            QTest::newRow(name) << text << html;
        };
        row("empty text", "", "");
        row("a single space stays", "a b", "a b");
        row("three spaces between two letters", "a   b", "a &nbsp;&nbsp;b");
        row("a run at the start", "   x", " &nbsp;&nbsp;x");
        row("a run at the end", "x    ", "x &nbsp;&nbsp;&nbsp;");
        row("two runs", "a  b  c", "a &nbsp;b &nbsp;c");
        row("a tab between words", "a\tb", "a" + Tab + "b");
        row("spaces around a tab", "a \t b", "a " + Tab + " b");
        row("less-than and ampersand", "if a < b & c then", "if a &lt; b &amp; c then");
        row("an entity is not taken as one", "&amp;", "&amp;amp;");
        row("CR LF lines", "a\r\nb\r\n", "a<br>\r\nb<br>\r\n");
        row("LF lines", "a\nb\n", "a<br>\nb<br>\n");
        row("CR lines", "a\rb\r", "a<br>\rb<br>\r");
        row("an empty CR LF line", "a\r\n\r\nb", "a<br>\r\n<br>\r\nb");
        row("LF CR is two line ends", "a\n\rb", "a<br>\n<br>\rb");
        row("e acute and the first, a gapped and the last entity", QString::fromUtf8("café ¡®×ÿ"),
            "caf&eacute; &iexcl;&reg;&times;&yuml;");
        row("soft hyphen and no-break space stay", QString::fromUtf8("a\u00adb\u00a0c"),
            QString::fromUtf8("a\u00adb\u00a0c"));
        row("beyond Latin-1", QString::fromUtf8("5 € Ω \U0001F600 “x” \ufeff"),
            QString::fromUtf8("5 € Ω \U0001F600 “x” \ufeff"));

        row("a link closed by a space", url + " next", link(url) + " next");
        row("a link closed by CR", url + "\rnext", link(url) + "<br>\rnext");
        row("a link closed by CR LF", url + "\r\nnext", link(url) + "<br>\r\nnext");
        row("a link closed by LF", url + "\nnext", link(url) + "<br>\nnext");
        row("a link closed by a tab", "a " + url + "\tb", "a " + link(url) + "<br>" + Tab + "b");
        row("a link at the end of the text", "home: " + url, "home: " + link(url));
        row("an ftp link", "a " + ftp + " b", "a " + link(ftp) + " b");
        row("upper-case HTTP", "HTTP://X.EXAMPLE/ z", link("HTTP://X.EXAMPLE/") + " z");
        row("a single slash is enough", "http:/x y", link("http:/x") + " y");
        row("the secure scheme is no link", "https://x.example y", "https://x.example y");
        row("too short to be a link", "http:", "http:");
        row("inside a word", "xhttp://y z", "x" + link("http://y") + " z");
        row("a run of spaces after it", url + "   b", link(url) + " &nbsp;&nbsp;b");
        row("a tab before a later CR", url + "\tb\rc", link(url) + "<br>" + Tab + "b<br>\rc");
        row("a link on each line", url + "\r\n" + ftp + "\r\n",
            link(url) + "<br>\r\n" + link(ftp) + "<br>\r\n");
        row("reserved characters inside are escaped", "http://x/?a=1&b=<2> c",
            "<a href=\"http://x/?a=1&amp;b=&lt;2&gt;\">http://x/?a=1&amp;b=&lt;2&gt;</a> c");
        row("a quote cannot end the address", "http://x\"onmouseover=alert(1)// y",
            "<a href=\"http://x&quot;onmouseover=alert(1)//\">http://x&quot;onmouseover=alert(1)//</a> y");
        row("Latin-1 letters inside stay as written", QString::fromUtf8("http://x/café é"),
            link(QString::fromUtf8("http://x/café")) + " &eacute;");
        row("text before it is converted", "a&b\t<http://x", "a&amp;b" + Tab + "&lt;" + link("http://x"));
    }

    void textBecomesHtml()
    {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(converted(text), html);
    }

    void everyLatin1CodeHasItsPiece()
    {
        const QRegularExpression named("^&[A-Za-z0-9]+;$");
        QSet<QString> names;
        for (int code = 0; code < 256; ++code) {
            const QString text(QChar(static_cast<char16_t>(code)));
            const QString html = converted(text);
            if (code == '\t')
                QCOMPARE(html, Tab);
            else if (code == '\n' || code == '\r')
                QCOMPARE(html, "<br>" + text); // a line end of its own
            else if (code == '"' || code == '&' || code == '<' || code == '>' || (code >= 161 && code != 173))
                QVERIFY2(named.match(html).hasMatch() && !names.contains(html), qPrintable(html));
            else
                QCOMPARE(html, text);
            names.insert(html);
        }
    }

    void aLinkRunningToTheEndMayHaveAtMost120Characters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("linkLength");
        QTest::addColumn<bool>("converts");
        QTest::addRow("120 characters") << "see " << 120 << true;
        QTest::addRow("121 characters") << "see " << 121 << false;
        QTest::addRow("121 characters, whole text") << "" << 121 << false;
        QTest::addRow("500 characters after a line") << "line\r\n" << 500 << false;
    }

    void aLinkRunningToTheEndMayHaveAtMost120Characters()
    {
        QFETCH(QString, before);
        QFETCH(int, linkLength);
        QFETCH(bool, converts);
        const QString url = "http://" + QString(linkLength - 7, QChar('a'));
        cTxt2HTML converter(before + url);
        QCOMPARE(converter.toHTML(), converts);
        QCOMPARE(converter.note().has_value(), !converts);
        QCOMPARE(converter.txt1(),
                 converts ? QString(before).replace("\r", "<br>\r") + link(url) : before + url);
        // The same address closed by a blank has no limit.
        QCOMPARE(converted(url + " "), link(url) + " ");
    }

    void anOverLongLinkFailsWithTheNoteUntilTheNextConversion()
    {
        const QString text = QString::fromUtf8("café & more\r\nhttp://") + QString(200, QChar('x'));
        cTxt2HTML converter(text);
        QVERIFY(!converter.toHTML());
        QCOMPARE(converter.txt1(), text);
        QVERIFY(converter.note().has_value()); // its words: tst_topform and tst_txt2html_tool

        converter.setTxt1("a<b");
        QVERIFY(converter.toHTML());
        QCOMPARE(converter.txt1(), QString("a&lt;b"));
        QVERIFY(!converter.note().has_value());
    }
};

QTEST_APPLESS_MAIN(tst_cTxt2HTML)
#include "tst_ctxt2html.moc"
