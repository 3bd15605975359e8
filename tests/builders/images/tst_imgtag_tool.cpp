// Zevora tests - zevora-imgtag, run as a program: its tags, --link, standard error and exit codes.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_ImgTagTool : public QObject
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

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_ImgTagTool)
#include "tst_imgtag_tool.moc"
