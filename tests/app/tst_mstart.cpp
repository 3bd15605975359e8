// Zevora tests - start-up: the command line, the command-line file, the splash.
#include "TestFiles.h"
#include "TestFrame.h"

#include "CRegSettings.h"
#include "frmSplash.h"
#include "mFuncs.h"
#include "mStart.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_mStart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
        m_dir = std::make_unique<QTemporaryDir>(QDir::homePath() + "/zevora-start-XXXXXX");
    }

    void cleanup()
    {
        m_test.reset();
        m_dir.reset();
    }

    void theArgumentsJoinedByBlanksAreThePath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::addRow("none") << QStringList{"zevora"} << QString();
        QTest::addRow("one") << QStringList{"zevora", "/site/index.htm"} << QString("/site/index.htm");
        QTest::addRow("a path with blanks, split by the shell")
            << QStringList{"zevora", "/my", "site/a", "page.htm"} << QString("/my site/a page.htm");
        // The running instance that receives it works in another folder.
        QTest::addRow("a relative path, from the working folder")
            << QStringList{"zevora", "page.htm"} << QString("/home/ann/site/page.htm");
        QTest::addRow("what looks like an option is part of the path")
            << QStringList{"zevora", "-x", "file"} << QString("/home/ann/site/-x file");
    }

    void theArgumentsJoinedByBlanksAreThePath()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(mStart::commandLinePath(arguments, "/home/ann/site"), path);
    }

    void aCommandLineFileOpens()
    {
        QVERIFY(writeFile(path("index.htm"), "<p>caf\xE9</p>\r\n"));
        mStart::openCommandLineFile(*m_frame, path("index.htm"));
        frmKid *kid = m_frame->activeDocument();
        QVERIFY(kid);
        QCOMPARE(kid->richy->Text(), QString::fromUtf8("<p>café</p>\r\n"));
        QCOMPARE(kid->Tag(), path("index.htm"));
        QVERIFY(kid->windowTitle().startsWith("index.htm"));
        QVERIFY(!kid->richy->DataChanged());
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0"), path("index.htm"));
    }

    void filesFromTemporaryOrCacheFoldersStayOutOfTheRecentList()
    {
        QDir(m_dir->path()).mkpath("Cache");
        QVERIFY(writeFile(path("Cache/cached.htm"), "from the browser's cache"));
        mStart::openCommandLineFile(*m_frame, path("Cache/cached.htm"));
        QVERIFY(m_frame->activeDocument());
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0", "none"), QString("none"));

        QTemporaryDir temp(mFuncs::TempFolder() + "zevora-XXXXXX");
        QVERIFY(writeFile(temp.filePath("t.htm"), "temporary"));
        mStart::openCommandLineFile(*m_frame, temp.filePath("t.htm"));
        QCOMPARE(m_frame->documents().size(), 2);
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0", "none"), QString("none"));
    }

    void anRtfFileShowsItsSourceAsTxt()
    {
        QVERIFY(writeFile(path("notes.rtf"), "{\\rtf1 Hello}"));
        mStart::openCommandLineFile(*m_frame, path("notes.rtf"));
        frmKid *kid = m_frame->activeDocument();
        QVERIFY(kid);
        QCOMPARE(kid->richy->Text(), QString("{\\rtf1 Hello}"));
        QVERIFY(kid->windowTitle().startsWith("notes.txt"));
        QVERIFY(m_services->messages.shown.isEmpty());
    }

    void showMainWindowPlaysTheStartUpSound()
    {
        m_services->sound.available = true;
        frmSplash splash;
        splash.show();
        mStart::ShowMainWindow(*m_frame, &splash);
        QVERIFY(m_frame->isVisible());
        QVERIFY(!splash.isVisible());
        QCOMPARE(m_services->sound.played, (QList<FakeSoundService::Played>{{300, true}}));
        m_frame->hide();
        m_services->sound.available = false;
        mStart::ShowMainWindow(*m_frame, nullptr);
        QCOMPARE(m_services->sound.played.size(), 1);
    }

    void theSplashStaysAtLeastTwoSeconds()
    {
        QElapsedTimer clock;
        clock.start();
        frmSplash splash;
        splash.show();
        QVERIFY(!splash.ReadyToClose());
        QCOMPARE(splash.tmrDelay->interval(), 2000);
        QVERIFY(splash.tmrDelay->isActive());
        // Events keep running while start-up waits.
        bool ticked = false;
        QTimer::singleShot(100, [&] { ticked = true; });
        while (!splash.ReadyToClose())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QVERIFY(ticked);
        QVERIFY(clock.elapsed() >= 1990);
    }

    void escapeEndsTheSplashAtOnce()
    {
        frmSplash splash;
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.ReadyToClose());
        QVERIFY(!splash.tmrDelay->isActive());
        QVERIFY(!splash.isVisible());
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<TestFrame> m_test;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_mStart)
#include "tst_mstart.moc"
