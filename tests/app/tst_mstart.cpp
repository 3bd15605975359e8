// Zevora tests - start-up: the command line, the command-line file, the splash.
#include "TestFiles.h"
#include "TestFrame.h"

#include "CRegSettings.h"
#include "frmSplash.h"
#include "mFuncs.h"
#include "mStart.h"

#include <QElapsedTimer>
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

    // The shell splits a path with blanks; its pieces are joined back. A
    // relative path is resolved in the folder of the start that was given it
    // (tst_singleinstance hands one over from another folder).
    void theArgumentsJoinedByBlanksAreThePath()
    {
        QCOMPARE(mStart::commandLinePath({"zevora", "/my", "site/a", "page.htm"}, "/home/ann"),
                 QString("/my site/a page.htm"));
        QCOMPARE(mStart::commandLinePath({"zevora"}, "/home/ann"), QString());
    }

    void aCommandLineFileOpens_data()
    {
        QTest::addColumn<QString>("name"); // in the test's folder, or "<temp>/" the temporary one
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("recent");
        QTest::addRow("a page") << "index.htm" << QByteArray("<p>caf\xE9</p>\r\n")
                                << QString::fromUtf8("<p>café</p>\r\n") << "index.htm" << true;
        QTest::addRow("an RTF file, as its source")
            << "notes.rtf" << QByteArray("{\\rtf1 Hello}") << "{\\rtf1 Hello}"
            << "notes.txt" << true;
        // Files from temporary or cache folders stay out of the recent list (which
        // paths are such: tst_files_paths).
        QTest::addRow("a page from the temporary folder")
            << "<temp>/t.htm" << QByteArray("temporary") << "temporary"
            << "t.htm" << false;
    }

    void aCommandLineFileOpens()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(bool, recent);
        QTemporaryDir temp(mFuncs::TempFolder() + "zevora-XXXXXX");
        const QString file = name.startsWith("<temp>") ? name.replace("<temp>", temp.path()) : path(name);
        QVERIFY(writeFile(file, bytes));
        mStart::openCommandLineFile(*m_frame, file);
        frmKid *kid = m_frame->activeDocument();
        QVERIFY(kid);
        QCOMPARE(kid->richy->Text(), text);
        QCOMPARE(kid->Tag(), file);
        QVERIFY2(kid->windowTitle().startsWith(caption), qPrintable(kid->windowTitle()));
        QVERIFY(!kid->richy->DataChanged());
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0", "none"), recent ? file : "none");
    }

    // Escape ends the splash at once; the main window closes one still shown
    // and plays the start-up sound.
    void escapeOrTheMainWindowEndsTheSplash()
    {
        m_services->sound.available = true;
        frmSplash splash;
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.ReadyToClose());
        QVERIFY(!splash.tmrDelay->isActive());
        QVERIFY(!splash.isVisible());
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

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<TestFrame> m_test;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_mStart)
#include "tst_mstart.moc"
