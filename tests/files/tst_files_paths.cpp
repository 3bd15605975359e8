// Zevora tests - general routines on files and paths: which files are pages,
// the name of a handed-over file on disk, and a saved page's caption.
#include "TestFiles.h"
#include "mCaption.h"
#include "mCorrectPath.h"
#include "mFuncs.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace mFuncs;
using namespace mCorrectPath;
using namespace mCaption;

class tst_FilesPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(root()).mkpath("Site/images"));
        QVERIFY(QDir(root()).mkpath("my.site"));
        for (const char *name : {"Site/index.htm", "Site/index.html", "Site/about.html", "Site/README",
                                 "Site/indexes.htm", "my.site/index.htm"})
            QVERIFY(writeFile(m_dir.filePath(name)));
    }

    // A folder, a pipe (whose reading would wait for a writer for ever), a path
    // through a file and a file without read permission are neither.
    void onlyAReadableRegularFileExistsOrIsBinary()
    {
        QVERIFY(FileExists(file("empty.htm", "")));
        const QString binary = file("page.bin", "\x01");
        QVERIFY(FileExists(binary) && IsBinaryFile(binary));
        QStringList others{m_dir.filePath("missing.htm"), m_dir.path(), QString(), binary + "/inside.htm"};
        if (QProcess::execute("mkfifo", {m_dir.filePath("pipe")}) == 0)
            others.append(m_dir.filePath("pipe"));
        QVERIFY(QFile::setPermissions(binary, QFileDevice::WriteOwner));
        if (!QFile(binary).open(QIODevice::ReadOnly)) // root reads it anyway
            others.append(binary);
        for (const QString &path : others) {
            QVERIFY2(!FileExists(path), qPrintable(path));
            QVERIFY2(!IsBinaryFile(path), qPrintable(path));
        }
    }

    void binaryBytesWithinTheFirst300MakeAFileBinary_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("binary");

        const auto fileWith = [](int length, int position, char byte) {
            QByteArray bytes(length, 'a');
            bytes[position] = byte;
            return bytes;
        };
        for (const char byte : {'\xFF', '\x01', '\x02', '\x03'}) {
            const int value = uchar(byte);
            QTest::addRow("0x%02X at 0", value) << fileWith(1000, 0, byte) << true;
            QTest::addRow("0x%02X at 299", value) << fileWith(1000, 299, byte) << true;
            QTest::addRow("0x%02X at 300", value) << fileWith(1000, 300, byte) << false;
            QTest::addRow("0x%02X ends a 10-byte file", value) << fileWith(10, 9, byte) << true;
        }
        QTest::addRow("NUL bytes throughout") << QByteArray(300, '\0') << false;
        QTest::addRow("tab, line breaks and 0x04 to 0x1F")
            << QByteArray("\t\r\n\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17"
                          "\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F")
            << false;
        QTest::addRow("Windows-1252 letters up to 0xFE") << QByteArray("caf\xE9 \x80 \xFE \xFD") << false;
        QTest::addRow("empty file") << QByteArray() << false;
    }

    void binaryBytesWithinTheFirst300MakeAFileBinary()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, binary);
        QCOMPARE(IsBinaryFile(file("file.bin", content)), binary);
    }

    void theCaptionIsTheNameWithRtfShownAsTxt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("caption");

        const QChar win = u'\\';
        const QChar posix = u'/';
        QTest::addRow("Windows page") << "C:\\site\\index.htm" << win << "index.htm";
        QTest::addRow("upper-case RTF") << "C:\\docs\\NOTES.RTF" << win << "NOTES.txt";
        QTest::addRow("POSIX RTF") << "/home/ann/notes.rtf" << posix << "notes.txt";
        QTest::addRow("name only") << "index.htm" << win << "index.htm";
        QTest::addRow("folder path") << "C:\\site\\" << win << "";
        QTest::addRow("rtf not at the end") << "/data/notes.rtf.bak" << posix << "notes.rtf.bak";
        QTest::addRow("name that is only the extension") << "/data/.rtf" << posix << ".txt";
        QTest::addRow("POSIX path split at backslashes") << "/data/x.htm" << win << "/data/x.htm";
    }

    void theCaptionIsTheNameWithRtfShownAsTxt()
    {
        QFETCH(QString, path);
        QFETCH(QChar, separator);
        QFETCH(QString, caption);
        QCOMPARE(CaptionFromPath(path, separator), caption);
    }

    void theTempFolderIsTheSystemsWithASeparatorAtTheEnd()
    {
        // Set for the rest of the run, which keeps its files in m_dir anyway.
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        QCOMPARE(TempFolder(), m_dir.path() + "/");
    }

    void pagesFromTempAndCacheFoldersStayOutOfTheRecentList_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tempFolder");
        QTest::addColumn<bool>("keptOut");

        const QString tmp = "/tmp/";
        const QString winTemp = "C:\\Users\\ann\\AppData\\Local\\Temp\\";
        QTest::addRow("page in the temp folder") << "/tmp/view/page.htm" << tmp << true;
        QTest::addRow("folder that only begins like it") << "/tmpfiles/page.htm" << tmp << false;
        QTest::addRow("browser cache") << "/home/ann/.mozilla/Cache/page.htm" << tmp << true;
        QTest::addRow("lower-case cache") << "/home/ann/.cache/page.htm" << tmp << false;
        QTest::addRow("Temporary Internet Files")
            << "C:\\Windows\\Temporary Internet Files\\Content.IE5\\page[1].htm" << winTemp << true;
        QTest::addRow("no temp folder given") << "/tmp/page.htm"
                                              << "" << false;
    }

    void pagesFromTempAndCacheFoldersStayOutOfTheRecentList()
    {
        QFETCH(QString, path);
        QFETCH(QString, tempFolder);
        QFETCH(bool, keptOut);
        QCOMPARE(IsTempOrCachePath(path, tempFolder), keptOut);
    }

    // "~" stands for the test's folder.
    void theLongFolderKeepsEveryPieceOfThePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("folder");
        QTest::addRow("a page on disk") << "~/Site/images/dot.gif" << QChar('/') << "~/Site/images/";
        QTest::addRow("folders that are not there")
            << "~/Site/missing/deeper/a.htm" << QChar('/') << "~/Site/missing/deeper/";
        QTest::addRow("a way up and down") << "~/Site/../Site/index.htm" << QChar('/') << "~/Site/../Site/";
        QTest::addRow("the root") << "/index.htm" << QChar('/') << "/";
        QTest::addRow("a name only") << "index.htm" << QChar('/') << "";
        QTest::addRow("a network path")
            << "\\\\server\\share\\page.htm" << QChar('\\') << "\\\\server\\share\\";
    }

    void theLongFolderKeepsEveryPieceOfThePath()
    {
        QFETCH(QString, path);
        QFETCH(QChar, separator);
        QFETCH(QString, folder);
        QCOMPARE(LongFolderOf(path.replace('~', root()), separator), folder.replace('~', root()));
    }

    void theDisplayNameIsTheStoredNameOfWhatIsThere()
    {
        QCOMPARE(DisplayNameOf(root() + "/Site/README", u'/'), QString("README"));
        QCOMPARE(DisplayNameOf(root() + "/Site/images", u'/'), QString("images"));
        QCOMPARE(DisplayNameOf(root() + "/Site/index", u'/'), QString());
        QCOMPARE(DisplayNameOf(root() + "/Site/", u'/'), QString());
    }

    void aHandedOverPathBecomesTheFilesFullName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("completed"); // by CompleteExtension; "-": nothing
        QTest::addColumn<QString>("corrected"); // by CorrectPath
        const auto row = [](const char *name, const char *path, const char *completed,
                            const char *corrected) {
            QTest::newRow(name) << QString(path) << QString(completed) << QString(corrected);
        };
        row("name without extension", "~/Site/index", "~/Site/index.htm", "~/Site/index.htm");
        row("only one match", "~/Site/about", "~/Site/about.html", "~/Site/about.html");
        row("file without extension", "~/Site/README", "~/Site/README", "~/Site/README");
        row("missing page", "~/Site/gone.htm", "~/Site/gone.htm", "~/Site/gone.htm");
        row("missing name without extension", "~/Site/contact", "-", "~/Site/contact");
        row("a longer name is another name", "~/Site/indexe", "-", "~/Site/indexe");
        row("a folder is not a page", "~/Site/images/x", "-", "~/Site/images/x");
        row("period in a folder name only", "~/my.site/index", "~/my.site/index.htm", "~/my.site/index.htm");
        row("empty", "", "-", "");
    }

    void aHandedOverPathBecomesTheFilesFullName()
    {
        QFETCH(QString, path);
        QFETCH(QString, completed);
        QFETCH(QString, corrected);
        path.replace('~', root());
        QCOMPARE(CompleteExtension(path, u'/'),
                 completed == "-" ? QString() : completed.replace('~', root()));
        QCOMPARE(CorrectPath(path, u'/'), corrected.replace('~', root()));
    }

    // Where the file system ignores case, "SITE" is the folder stored as "Site";
    // where it does not, there is no such folder and names stay as given.
    void namesDifferingOnlyInCaseAreFoundWhereTheFileSystemIgnoresCase()
    {
        const bool ignoresCase = QFileInfo::exists(root() + "/SITE/index.htm");
        QCOMPARE(LongFolderOf(root() + "/SITE/index.htm", u'/'),
                 root() + (ignoresCase ? "/Site/" : "/SITE/"));
        QCOMPARE(DisplayNameOf(root() + "/Site/INDEX.HTM", u'/'),
                 ignoresCase ? QString("index.htm") : QString());
        QCOMPARE(CompleteExtension(root() + "/Site/ABOUT", u'/'),
                 ignoresCase ? root() + "/Site/about.html" : QString());
    }

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

    // A folder, which has a time but cannot be opened, has none. (A page's own
    // file shows its last write time in the file command tests.)
    void aPathThatIsNoFileHasNoStamp() { QCOMPARE(LastModifiedStamp(root()), QString()); }

    void theCaptionBaseEndsWhereTheStampBegins_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("base");
        const QString fourteen(14, u' ');
        QTest::addRow("with a stamp") << "index.htm" + fourteen + "> Last modified: 7/4/2001  [12:05:09 PM]"
                                      << "index.htm";
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

private:
    QString root() const { return m_dir.path(); }

    // The path of a new file of the test's folder, holding \a bytes.
    QString file(const QString &name, const QByteArray &bytes)
    {
        if (!writeFile(m_dir.filePath(name), bytes))
            qFatal("cannot write %s", qPrintable(name));
        return m_dir.filePath(name);
    }

    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(tst_FilesPaths)
#include "tst_files_paths.moc"
