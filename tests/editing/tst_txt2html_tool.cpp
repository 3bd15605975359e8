// Zevora tests - the zevora-txt2html command-line filter, run as a program.
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
    void init();

    void convertsTheNamedFileOrStandardInput_data();
    void convertsTheNamedFileOrStandardInput();
    void anOverLongLinkExitsWithStatus1AndTheMessage();
    void aMissingFileOrExtraArgumentIsAUsageError();
    void aDeviceIsRefusedBeforeItIsRead_data();
    void aDeviceIsRefusedBeforeItIsRead();
    void inputOver64MiBIsRefused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Txt2HtmlTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Txt2HtmlTool::convertsTheNamedFileOrStandardInput_data()
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

void tst_Txt2HtmlTool::convertsTheNamedFileOrStandardInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, html);
    const QString path = m_dir->filePath(QStringLiteral("page text.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    // Named, or on standard input (with or without a dash).
    for (const Run &run : {runTool({path}), runTool({}, bytes), runTool({"-"}, bytes)}) {
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, html);
        QCOMPARE(run.err, QByteArray());
    }
}

void tst_Txt2HtmlTool::anOverLongLinkExitsWithStatus1AndTheMessage()
{
    const Run run = runTool({}, "start\r\nhttp://" + QByteArray(130, 'z'));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray("You seem to have included a link without end...\n"
                                 "Please check your text and try again.\n"));
}

void tst_Txt2HtmlTool::aMissingFileOrExtraArgumentIsAUsageError()
{
    const QString missing = m_dir->filePath(QStringLiteral("none.txt"));
    const Run noFile = runTool({missing});
    QCOMPARE(noFile.exitCode, 2);
    QCOMPARE(noFile.out, QByteArray());
    QVERIFY2(noFile.err.startsWith("zevora-txt2html: cannot read " + missing.toUtf8() + ": "),
             noFile.err.constData());

    const Run twoFiles = runTool({missing, missing});
    QCOMPARE(twoFiles.exitCode, 2);
    QCOMPARE(twoFiles.out, QByteArray());
    QVERIFY2(twoFiles.err.startsWith("Usage: zevora-txt2html [FILE]\n"), twoFiles.err.constData());
}

void tst_Txt2HtmlTool::aDeviceIsRefusedBeforeItIsRead_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("inputFile");
    QTest::addColumn<QByteArray>("error");
    QTest::addRow("named on the command line")
        << QStringList{"/dev/zero"} << QString()
        << QByteArray("zevora-txt2html: cannot read /dev/zero: not a regular file or a pipe\n");
    QTest::addRow("as standard input")
        << QStringList() << QString("/dev/zero")
        << QByteArray("zevora-txt2html: cannot read standard input: not a regular file or a pipe\n");
}

void tst_Txt2HtmlTool::aDeviceIsRefusedBeforeItIsRead()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, inputFile);
    QFETCH(QByteArray, error);
    if (!QFile::exists("/dev/zero"))
        QSKIP("this system has no /dev/zero");
    const Run run = runTool(arguments, QByteArray(), inputFile);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, error);
}

void tst_Txt2HtmlTool::inputOver64MiBIsRefused()
{
    constexpr qint64 limit = qint64(64) * 1024 * 1024;
    const QString path = m_dir->filePath(QStringLiteral("big.txt"));
    QFile big(path);
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(limit + 1));
    big.close();
    const Run file = runTool({path});
    QCOMPARE(file.exitCode, 2);
    QCOMPARE(file.out, QByteArray());
    QCOMPARE(file.err, "zevora-txt2html: cannot read " + path.toUtf8() + ": larger than 64 MiB\n");

    // A pipe tells its size only by ending.
    const Run pipe = runTool({}, QByteArray(limit + 1, 'a'));
    QCOMPARE(pipe.exitCode, 2);
    QCOMPARE(pipe.out, QByteArray());
    QCOMPARE(pipe.err, QByteArray("zevora-txt2html: cannot read standard input: larger than 64 MiB\n"));
}

QTEST_GUILESS_MAIN(tst_Txt2HtmlTool)
#include "tst_txt2html_tool.moc"
