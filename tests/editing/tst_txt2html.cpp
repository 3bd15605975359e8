// Zevora tests - Text to HTML: the conversion, and the zevora-txt2html
// command-line filter run as a program.
#include "TestFiles.h"
#include "cTxt2HTML.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
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

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the filter with \a input on standard input, or with the file
// \a inputFile as standard input when one is given.
Run runTool(const QStringList &arguments, const QByteArray &input = QByteArray(),
            const QString &inputFile = QString())
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(QStringLiteral(TXT2HTML_PATH), arguments);
    Run run;
    if (!process.waitForStarted())
        return run;
    if (inputFile.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class tst_Txt2Html : public QObject
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
        row("three spaces between two letters", "a   b", "a &nbsp;&nbsp;b");
        row("a run at the end", "x    ", "x &nbsp;&nbsp;&nbsp;");
        row("less-than and ampersand", "if a < b & c then", "if a &lt; b &amp; c then");
        row("an entity is not taken as one", "&amp;", "&amp;amp;");
        row("CR LF lines", "a\r\nb\r\n", "a<br>\r\nb<br>\r\n");
        row("LF CR is two line ends", "a\n\rb", "a<br>\n<br>\rb");
        row("e acute and the first, a gapped and the last entity", QString::fromUtf8("café ¡®×ÿ"),
            "caf&eacute; &iexcl;&reg;&times;&yuml;");
        row("beyond Latin-1", QString::fromUtf8("5 € Ω \U0001F600 “x” \ufeff"),
            QString::fromUtf8("5 € Ω \U0001F600 “x” \ufeff"));

        row("a link closed by LF", url + "\nnext", link(url) + "<br>\nnext");
        row("a link closed by a tab", "a " + url + "\tb", "a " + link(url) + "<br>" + Tab + "b");
        row("an ftp link", "a " + ftp + " b", "a " + link(ftp) + " b");
        row("upper-case HTTP", "HTTP://X.EXAMPLE/ z", link("HTTP://X.EXAMPLE/") + " z");
        row("a single slash is enough", "http:/x y", link("http:/x") + " y");
        row("the secure scheme is no link", "https://x.example y", "https://x.example y");
        row("too short to be a link", "http:", "http:");
        row("inside a word", "xhttp://y z", "x" + link("http://y") + " z");
        row("a run of spaces after it", url + "   b", link(url) + " &nbsp;&nbsp;b");
        row("a link on each line", url + "\r\n" + ftp + "\r\n",
            link(url) + "<br>\r\n" + link(ftp) + "<br>\r\n");
        row("reserved characters inside are escaped", "http://x/?a=1&b=<2> c",
            "<a href=\"http://x/?a=1&amp;b=&lt;2&gt;\">http://x/?a=1&amp;b=&lt;2&gt;</a> c");
        row("a quote cannot end the address", "http://x\"onmouseover=alert(1)// y",
            "<a href=\"http://x&quot;onmouseover=alert(1)//\">http://x&quot;onmouseover=alert(1)//</a> y");
        row("Latin-1 letters inside stay as written", QString::fromUtf8("http://x/café é"),
            link(QString::fromUtf8("http://x/café")) + " &eacute;");
        row("text before it is converted", "a&b\t<http://x", "a&amp;b" + Tab + "&lt;" + link("http://x"));
        // A link running to the end may have at most 120 characters; one closed by a blank has no limit.
        const QString url120 = "http://" + QString(113, u'a'), url121 = url120 + 'a';
        row("a link of 120 characters at the end", "see " + url120, "see " + link(url120));
        row("a link of 121 characters at the end", "see " + url121, "<failed>");
        row("a link of 121 characters closed by a blank", url121 + " ", link(url121) + " ");
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

    // A refused text stays as it was, and the next conversion forgets the note.
    void aRefusedTextStaysAndItsNoteGoesWithTheNextConversion()
    {
        const QString text = "see http://" + QString(114, u'a');
        cTxt2HTML converter(text);
        QVERIFY(!converter.toHTML());
        QVERIFY(converter.note().has_value()); // its words: tst_topform and the tool's test below
        QCOMPARE(converter.txt1(), text);
        converter.setTxt1("a<b");
        QVERIFY(converter.toHTML());
        QCOMPARE(converter.txt1(), QString("a&lt;b"));
        QVERIFY(!converter.note().has_value());
    }

    void convertsTheNamedFileOrStandardInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("html");
        QTest::addRow("UTF-8 with CR LF lines")
            << QByteArray("Caf\xc3\xa9 & \"tea\"\r\nnow\r\n")
            << QByteArray("Caf&eacute; &amp; &quot;tea&quot;<br>\r\nnow<br>\r\n");
        QTest::addRow("a byte-order mark is kept")
            << QByteArray("\xef\xbb\xbf<p>") << QByteArray("\xef\xbb\xbf&lt;p&gt;");
        QTest::addRow("a Windows-1252 file")
            << QByteArray("caf\xe9 \x80 \x93q\x94 \x81")
            << QByteArray("caf&eacute; \xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d \xc2\x81");
        QTest::addRow("an empty file") << QByteArray() << QByteArray();
    }

    void convertsTheNamedFileOrStandardInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, html);
        QVERIFY(writeFile(path("page text.txt"), bytes));
        // Named, or on standard input (with or without a dash).
        for (const Run &run : {runTool({path("page text.txt")}), runTool({}, bytes), runTool({"-"}, bytes)}) {
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, html);
            QCOMPARE(run.err, QByteArray());
        }
    }

    // Nothing is written to standard output; the message is the whole of standard
    // error, or (where the system's own reason follows) its start.
    void refusalsExitWithTheirMessage_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "big" and "none" name files of the test's folder
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("inputFile");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("error");
        QTest::addColumn<bool>("whole");
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &input,
                            const QString &inputFile, int exitCode, const QByteArray &error,
                            bool whole = true) {
            QTest::newRow(name) << arguments << input << inputFile << exitCode << error << whole;
        };
        const QByteArray cannot = "zevora-txt2html: cannot read ";
        row("a link without end", {}, "start\r\nhttp://" + QByteArray(130, 'z'), {}, 1,
            "You seem to have included a link without end...\nPlease check your text and try again.\n");
        row("a missing file", {"none"}, {}, {}, 2, cannot + "none: ", false);
        row("two files", {"none", "none"}, {}, {}, 2, "Usage: zevora-txt2html [FILE]\n", false);
        row("a device named on the command line", {"/dev/zero"}, {}, {}, 2,
            cannot + "/dev/zero: not a regular file or a pipe\n");
        row("a device as standard input", {}, {}, "/dev/zero", 2,
            cannot + "standard input: not a regular file or a pipe\n");
        row("a file over 64 MiB", {"big"}, {}, {}, 2, cannot + "big: larger than 64 MiB\n");
        // A pipe tells its size only by ending.
        row("a pipe over 64 MiB", {}, QByteArray(64 * 1024 * 1024 + 1, 'a'), {}, 2,
            cannot + "standard input: larger than 64 MiB\n");
    }

    void refusalsExitWithTheirMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, inputFile);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, error);
        QFETCH(bool, whole);
        QFile big(path("big"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(64) * 1024 * 1024 + 1)); // sparse
        big.close();
        for (QString &argument : arguments) {
            if (!argument.startsWith('/')) {
                error.replace(argument.toUtf8() + ':', path(argument).toUtf8() + ':');
                argument = path(argument);
            }
        }
        const Run run = runTool(arguments, input, inputFile);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QByteArray());
        if (whole)
            QCOMPARE(run.err, error);
        else
            QVERIFY2(run.err.startsWith(error), run.err.constData());
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_Txt2Html)
#include "tst_txt2html.moc"
