// Zevora tests - the caption of a saved page and its last-modified stamp.
#include "TestFiles.h"
#include "mCaption.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace mCaption;

class tst_mCaption : public QObject
{
    Q_OBJECT

private slots:
    void theStampShowsMonthDayYearAndTheTwelveHourClock_data()
    {
        QTest::addColumn<QDateTime>("written");
        QTest::addColumn<QString>("tail");
        QTest::addRow("half past midnight")
            << QDateTime(QDate(2001, 7, 4), QTime(0, 30, 0)) << "7/4/2001  [12:30:00 AM]";
        QTest::addRow("five past noon")
            << QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9)) << "7/4/2001  [12:05:09 PM]";
        QTest::addRow("just before noon")
            << QDateTime(QDate(2001, 7, 4), QTime(11, 59, 59)) << "7/4/2001  [11:59:59 AM]";
        QTest::addRow("in the afternoon, two-digit month and day")
            << QDateTime(QDate(2024, 10, 15), QTime(15, 8, 7)) << "10/15/2024  [3:08:07 PM]";
        // The test runner's time zone is UTC: the stamp shows the local time.
        QTest::addRow("written in another time zone")
            << QDateTime(QDate(2001, 7, 5), QTime(17, 7, 9), QTimeZone(2 * 3600)) << "7/5/2001  [3:07:09 PM]";
        QTest::addRow("no time, no stamp") << QDateTime() << "";
    }

    void theStampShowsMonthDayYearAndTheTwelveHourClock()
    {
        QFETCH(QDateTime, written);
        QFETCH(QString, tail);
        if (QTimeZone::systemTimeZone().offsetFromUtc(QDateTime::currentDateTime()) != 0)
            QSKIP("needs the local time zone to be UTC, as the test runner sets it");
        QCOMPARE(LastModifiedStamp(written),
                 tail.isEmpty() ? tail : QString(14, u' ') + "> Last modified: " + tail);
    }

    void theStampOfAFileIsItsLastWriteTime()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("index.htm")));
        QVERIFY(setModified(dir.filePath("index.htm"), QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9))));
        QCOMPARE(LastModifiedStamp(dir.filePath("index.htm")),
                 QString("              > Last modified: 7/4/2001  [12:05:09 PM]"));
        // A file that cannot be opened has none.
        QCOMPARE(LastModifiedStamp(dir.filePath("missing.htm")), QString());
        QCOMPARE(LastModifiedStamp(dir.path()), QString());
    }

    void theCaptionBaseEndsWhereTheStampBegins_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("base");
        const QString fourteen(14, u' ');
        QTest::addRow("with a stamp") << "index.htm" + fourteen + "> Last modified: 7/4/2001  [12:05:09 PM]"
                                      << "index.htm";
        QTest::addRow("without a stamp") << "Untitled1.htm"
                                         << "Untitled1.htm";
        QTest::addRow("thirteen spaces") << "a" + QString(13, u' ') + "> b"
                                         << "a" + QString(13, u' ') + "> b";
        QTest::addRow("fourteen spaces without the mark") << "a" + fourteen + "b"
                                                          << "a" + fourteen + "b";
        QTest::addRow("fifteen spaces") << "a" + QString(15, u' ') + "> b"
                                        << "a ";
        QTest::addRow("two stamps") << "a" + fourteen + "> one" + fourteen + "> two"
                                    << "a";
    }

    void theCaptionBaseEndsWhereTheStampBegins()
    {
        QFETCH(QString, caption);
        QFETCH(QString, base);
        QCOMPARE(CaptionBase(caption), base);
    }
};

QTEST_APPLESS_MAIN(tst_mCaption)
#include "tst_files_mcaption.moc"
