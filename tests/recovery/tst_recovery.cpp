// Zevora tests - recovery journals: their file format, and a killed
// program's pages come back.
#include "TestFiles.h"
#include "TestFrame.h"

#include "FileCommands.h"
#include "JournalFile.h"
#include "ProcessLimits.h"
#include "RecoveryJournals.h"
#include "RecoveryOffer.h"
#include "frmRecover.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Platform;

namespace {
JournalHeader sampleHeader()
{
    JournalHeader header;
    header.pid = 4242;
    header.tag = QStringLiteral("/home/user/site/index.htm");
    header.caption = QStringLiteral("index.htm");
    header.encoding = PageEncoding::Windows1252;
    header.lineEnding = LineEnding::Lf;
    header.caret = 7;
    header.written = QDateTime(QDate(2026, 12, 7), QTime(2, 30, 0, 123), Qt::UTC);
    header.fileSize = 14;
    header.fileModifiedNs = 1796000000123456789;
    return header;
}
} // namespace

class tst_Recovery : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_journals = std::make_unique<RecoveryJournals>(path("recovery"));
        m_journals->setDelays(0, 1000);
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
        m_frame->setJournals(m_journals.get());
    }

    void cleanup()
    {
        m_test.reset();
        m_journals.reset();
        m_dir.reset();
    }

    void aJournalReadsBackAsWritten_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QByteArray>("body");
        QTest::addRow("a page with CR LF, NUL and Windows-1252 bytes")
            << "/home/user/site/index.htm" << QByteArray("caf\xE9\r\n\0x\r\n\n", 11);
        QTest::addRow("a path with a line break and a percent sign")
            << "/tmp/a\nb%0A\r.htm" << QByteArray("x");
        QTest::addRow("an empty page") << "/tmp/Untitled1htm" << QByteArray();
    }

    void aJournalReadsBackAsWritten()
    {
        QFETCH(QString, tag);
        QFETCH(QByteArray, body);
        JournalHeader header = sampleHeader();
        header.tag = tag;
        const std::optional<Journal> journal = JournalFile::parse(JournalFile::compose(header, body));
        QVERIFY(journal);
        QCOMPARE(journal->header, header);
        QCOMPARE(journal->body, body);
    }

    void damagedJournalsAreRefusedWithTheReason_data()
    {
        const QByteArray good = JournalFile::compose(sampleHeader(), "0123456789");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addRow("cut short") << good.chopped(1) << "it was cut short";
        QTest::addRow("longer than announced") << good + "!"
                                               << "it is longer than its header says";
        QTest::addRow("another version") << QByteArray(good).replace("journal 1", "journal 2")
                                         << "it is not a recovery journal of this version";
        QTest::addRow("a field twice")
            << QByteArray(good).replace("caret: 7", "tag: x") << "its header names tag twice";
        QTest::addRow("a field missing")
            << QByteArray(good).replace("caret: 7\n", "") << "its header is incomplete";
        QTest::addRow("a number with a sign")
            << QByteArray(good).replace("caret: 7", "caret: +7") << "its header is damaged";
        QTest::addRow("an unknown encoding")
            << QByteArray(good).replace("windows-1252", "koi8-r") << "its header is damaged";
    }

    void damagedJournalsAreRefusedWithTheReason()
    {
        QFETCH(QByteArray, bytes);
        QString error;
        QVERIFY(!JournalFile::parse(bytes, &error));
        QTEST(error, "reason");
    }

    void aKilledProgramsPageComesBackExactly_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: a new, untitled page
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::addRow("UTF-8 with CR LF") << QByteArray("<p>caf\xC3\xA9</p>\r\n") << "x\ny"
                                          << QByteArray("<p>caf\xC3\xA9</p>\r\nx\r\ny\r\n");
        QTest::addRow("Windows-1252 with LF")
            << QByteArray("caf\xE9\n") << QString::fromUtf8("é\n") << QByteArray("caf\xE9\n\xE9\n");
        QTest::addRow("an untitled page") << QByteArray() << "z" << QByteArray();
    }

    void aKilledProgramsPageComesBackExactly()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        QStringList arguments{path("recovery"), typed};
        if (!file.isEmpty()) {
            QVERIFY(writeFile(path("page.htm"), file));
            arguments.append(path("page.htm"));
        }
        QProcess typist;
        typist.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        typist.start(QStringLiteral(RECOVERY_TYPIST), arguments);
        QVERIFY(typist.waitForStarted(10000));
        // It says so once the page's journal is on disk.
        QVERIFY(typist.waitForReadyRead(30000));
        QCOMPARE(typist.readAllStandardOutput(), QByteArray("ready\n"));
        typist.kill();
        QVERIFY(typist.waitForFinished(10000));

        const QList<StaleJournal> stale = m_journals->staleJournals(processIsRunning);
        QCOMPARE(stale.size(), 1);
        QVERIFY2(stale.first().journal, qPrintable(stale.first().error));
        frmKid *kid = RecoveryOffer::recover(*m_frame, *stale.first().journal);
        QVERIFY(kid->richy->DataChanged());
        if (file.isEmpty()) {
            QCOMPARE(kid->windowTitle(), QString("Untitled1.htm"));
            QCOMPARE(kid->richy->Text(), FileCommands::newPageText() + typed);
            m_services->fileDialogs.answerNext(path("new.htm"), 0);
            QVERIFY(m_frame->files()->SaveDocument(kid));
            QCOMPARE(readFile(path("new.htm")), (FileCommands::newPageText() + typed + "\r\n").toUtf8());
            return;
        }
        QVERIFY(kid->windowTitle().startsWith("page.htm"));
        QCOMPARE(kid->richy->SelStart(), kid->richy->textLength());
        QVERIFY(m_frame->files()->SaveDocument(kid));
        QTEST(readFile(path("page.htm")), "saved");
    }

    void savingOrClosingAPageRemovesItsJournal()
    {
        QVERIFY(writeFile(path("page.htm"), "one\r\n"));
        m_services->fileDialogs.answerNext(path("page.htm"));
        frmKid *kid = m_frame->files()->OpenDocument();
        QVERIFY(journalFiles().isEmpty());
        QTest::keyClicks(kid->richy, "x");
        QTRY_COMPARE(journalFiles().size(), 1);
        QVERIFY(m_frame->files()->SaveDocument(kid));
        m_journals->waitForWrites();
        QVERIFY(journalFiles().isEmpty());

        QTest::keyClicks(kid->richy, "y");
        QTRY_COMPARE(journalFiles().size(), 1);
        m_services->messages.answerNext(MsgAnswer::No);
        QVERIFY(kid->close());
        QTRY_VERIFY(journalFiles().isEmpty());
    }

    void theOfferSkipsDamagedJournalsAndDiscardsOnlyWhenAsked()
    {
        JournalHeader header = sampleHeader();
        header.tag = path("gone.htm");
        header.caption = "gone.htm";
        const QByteArray good = JournalFile::compose(header, "kept text");
        for (const auto &[name, bytes] :
             {std::pair{"4242-1.zevora-journal", good}, {"4242-2.zevora-journal", good.chopped(3)}})
            QVERIFY(writeFile(path("recovery/") + name, bytes));
        const auto gone = [](qint64) { return false; };

        QStringList notes;
        answerOffer("cmdRecover", &notes);
        RecoveryOffer::offer(*m_frame, *m_journals, gone);
        QCOMPARE(notes,
                 (QStringList{"gone.htm | The file is no longer on disk.",
                              "4242-2.zevora-journal | Could not be read (it was cut short); skipped."}));
        QCOMPARE(m_frame->documents().size(), 1);
        QCOMPARE(m_frame->documents().first()->richy->Text(), QString("kept text"));
        m_journals->waitForWrites();
        // The recovered page has a journal of this process; the damaged one stays.
        QCOMPARE(journalFiles().size(), 2);
        QVERIFY(journalFiles().contains("4242-2.zevora-journal"));

        notes.clear();
        answerOffer("cmdDiscard", &notes);
        m_services->messages.answerNext(MsgAnswer::No);
        RecoveryOffer::offer(*m_frame, *m_journals, gone);
        QCOMPARE(notes.size(), 1);
        QCOMPARE(m_services->messages.shown.last(),
                 (MessageBox{"Zevora Note:", "Discard the checked pages? Their unsaved text will be lost.",
                             MsgIcon::Question, MsgButtons::YesNo, true}));
        m_journals->waitForWrites();
        QVERIFY(journalFiles().contains("4242-2.zevora-journal"));

        answerOffer("cmdDiscard", &notes);
        m_services->messages.answerNext(MsgAnswer::Yes);
        RecoveryOffer::offer(*m_frame, *m_journals, gone);
        m_journals->waitForWrites();
        QVERIFY(!journalFiles().contains("4242-2.zevora-journal"));
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList journalFiles() const
    {
        return QDir(path("recovery")).entryList({"*.zevora-journal"}, QDir::Files, QDir::Name);
    }
    // Runs frmRecover when it shows: notes its rows and clicks \a button.
    void answerOffer(const QString &button, QStringList *notes)
    {
        whenModal([=](QWidget *modal) {
            auto *window = qobject_cast<frmRecover *>(modal);
            QVERIFY(window);
            for (int i = 0; i < window->lstPages->topLevelItemCount(); ++i) {
                QTreeWidgetItem *row = window->lstPages->topLevelItem(i);
                notes->append(row->text(0) + " | " + row->text(4));
                // Only the damaged journal is left checked for the discard.
                if (button == "cmdDiscard")
                    row->setCheckState(0, Qt::Checked);
            }
            window->findChild<QPushButton *>(button)->click();
        });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecoveryJournals> m_journals;
    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_Recovery)
#include "tst_recovery.moc"
