// Zevora tests - the recovery journal's file format.
#include "JournalFile.h"

#include <QTest>

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

class tst_JournalFile : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_APPLESS_MAIN(tst_JournalFile)
#include "tst_journalfile.moc"
