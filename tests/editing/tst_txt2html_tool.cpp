// Zevora tests - the zevora-txt2html command-line filter, run as a program.
#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

class tst_Txt2HtmlTool : public QObject
{
    Q_OBJECT

private slots:
    void convertsTheNamedFileOrStandardInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("html");
        QTest::addRow("UTF-8 with CR LF lines")
            << QByteArray("Caf\xc3\xa9 & \"tea\"\r\nsee http://zevora.example/ now\r\n")
            << QByteArray("Caf&eacute; &amp; &quot;tea&quot;<br>\r\nsee "
                          "<a href=\"http://zevora.example/\">http://zevora.example/</a> now<br>\r\n");
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

QTEST_GUILESS_MAIN(tst_Txt2HtmlTool)
#include "tst_txt2html_tool.moc"
