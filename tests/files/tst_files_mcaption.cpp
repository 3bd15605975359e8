// Zevora tests - the caption of a saved page and its last-modified stamp.
#include "mCaption.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace mCaption;

class tst_mCaption : public QObject
{
    Q_OBJECT

private slots:
    void theStampShowsMonthDayYearAndTheTwelveHourClock();
    void theStampShowsEveryHourOfTheDay_data();
    void theStampShowsEveryHourOfTheDay();
    void theStampIsInLocalTime();
    void anInvalidTimeHasNoStamp();

    void theStampOfAFileIsItsLastWriteTime();
    void aFileThatCannotBeOpenedHasNoStamp();

    void theCaptionBaseEndsWhereTheStampBegins_data();
    void theCaptionBaseEndsWhereTheStampBegins();
    void aNewStampReplacesTheOldOne();
};

void tst_mCaption::theStampShowsMonthDayYearAndTheTwelveHourClock()
{
    const QDateTime written(QDate(2001, 7, 5), QTime(15, 7, 9));
    QCOMPARE(LastModifiedStamp(written), QString("              > Last modified: 7/5/2001  [3:07:09 PM]"));
}

void tst_mCaption::theStampShowsEveryHourOfTheDay_data()
{
    QTest::addColumn<QDateTime>("written");
    QTest::addColumn<QString>("tail");

    QTest::addRow("half past midnight")
        << QDateTime(QDate(2001, 7, 4), QTime(0, 30, 0)) << "7/4/2001  [12:30:00 AM]";
    QTest::addRow("five past noon") << QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9))
                                    << "7/4/2001  [12:05:09 PM]";
    QTest::addRow("one in the morning")
        << QDateTime(QDate(2001, 7, 4), QTime(1, 2, 3)) << "7/4/2001  [1:02:03 AM]";
    QTest::addRow("just before noon")
        << QDateTime(QDate(2001, 7, 4), QTime(11, 59, 59)) << "7/4/2001  [11:59:59 AM]";
    QTest::addRow("one in the afternoon")
        << QDateTime(QDate(2001, 7, 4), QTime(13, 0, 0)) << "7/4/2001  [1:00:00 PM]";
    QTest::addRow("just before midnight")
        << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << "12/31/2099  [11:59:59 PM]";
    QTest::addRow("two-digit month and day")
        << QDateTime(QDate(2024, 10, 15), QTime(9, 8, 7)) << "10/15/2024  [9:08:07 AM]";
}

void tst_mCaption::theStampShowsEveryHourOfTheDay()
{
    QFETCH(QDateTime, written);
    QFETCH(QString, tail);
    QCOMPARE(LastModifiedStamp(written), QString(14, u' ') + "> Last modified: " + tail);
}

void tst_mCaption::theStampIsInLocalTime()
{
    const QDateTime written(QDate(2001, 7, 5), QTime(17, 7, 9), QTimeZone(2 * 3600));
    if (QTimeZone::systemTimeZone().offsetFromUtc(written) != 0)
        QSKIP("needs the local time zone to be UTC, as the test runner sets it");
    QCOMPARE(LastModifiedStamp(written), QString("              > Last modified: 7/5/2001  [3:07:09 PM]"));
}

void tst_mCaption::anInvalidTimeHasNoStamp()
{
    QCOMPARE(LastModifiedStamp(QDateTime()), QString());
}

void tst_mCaption::theStampOfAFileIsItsLastWriteTime()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("index.htm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("<HTML>"), 6);
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(
        file.setFileTime(QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9)), QFileDevice::FileModificationTime));
    file.close();

    QCOMPARE(LastModifiedStamp(file.fileName()),
             QString("              > Last modified: 7/4/2001  [12:05:09 PM]"));
}

void tst_mCaption::aFileThatCannotBeOpenedHasNoStamp()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(LastModifiedStamp(dir.filePath("missing.htm")), QString());
    QCOMPARE(LastModifiedStamp(dir.path()), QString());
}

void tst_mCaption::theCaptionBaseEndsWhereTheStampBegins_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("base");

    const QString fourteen(14, u' ');
    QTest::addRow("with a stamp") << "index.htm" + fourteen + "> Last modified: 7/4/2001  [12:05:09 PM]"
                                  << "index.htm";
    QTest::addRow("without a stamp") << "index.htm"
                                     << "index.htm";
    QTest::addRow("thirteen spaces") << "a" + QString(13, u' ') + "> b"
                                     << "a" + QString(13, u' ') + "> b";
    QTest::addRow("fourteen spaces without the mark") << "a" + fourteen + "b"
                                                      << "a" + fourteen + "b";
    QTest::addRow("fifteen spaces") << "a" + QString(15, u' ') + "> b"
                                    << "a ";
    QTest::addRow("two stamps") << "a" + fourteen + "> one" + fourteen + "> two"
                                << "a";
    QTest::addRow("untitled page") << "Untitled1.htm"
                                   << "Untitled1.htm";
    QTest::addRow("empty") << ""
                           << "";
}

void tst_mCaption::theCaptionBaseEndsWhereTheStampBegins()
{
    QFETCH(QString, caption);
    QFETCH(QString, base);
    QCOMPARE(CaptionBase(caption), base);
}

void tst_mCaption::aNewStampReplacesTheOldOne()
{
    const QString first = "index.htm" + LastModifiedStamp(QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9)));
    const QString second =
        CaptionBase(first) + LastModifiedStamp(QDateTime(QDate(2001, 7, 4), QTime(0, 30, 0)));
    QCOMPARE(second, QString("index.htm              > Last modified: 7/4/2001  [12:30:00 AM]"));
}

QTEST_APPLESS_MAIN(tst_mCaption)
#include "tst_files_mcaption.moc"
