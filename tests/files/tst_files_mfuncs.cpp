// Zevora tests - general routines on files and paths.
#include "TestFiles.h"
#include "mFuncs.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace mFuncs;

class tst_mFuncs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // A folder, a pipe (whose reading would wait for a writer for ever), a path
    // through a file and a file without read permission are neither.
    void onlyAReadableRegularFileExistsOrIsBinary()
    {
        QVERIFY(FileExists(file("empty.htm", "")));
        const QString binary = file("page.bin", "\x01");
        QVERIFY(FileExists(binary) && IsBinaryFile(binary));
        QStringList others{m_dir->filePath("missing.htm"), m_dir->path(), QString(), binary + "/inside.htm"};
        if (QProcess::execute("mkfifo", {m_dir->filePath("pipe")}) == 0)
            others.append(m_dir->filePath("pipe"));
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
        QTest::addRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF<HTML>") << false;
        QTest::addRow("UTF-16 with a byte-order mark") << QByteArray("\xFF\xFE<\0H\0", 6) << true;
        QTest::addRow("PNG header with its width")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\x02", 20) << true;
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
        QTest::addRow("Windows RTF") << "C:\\docs\\notes.rtf" << win << "notes.txt";
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
        const QByteArray saved = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            if (saved.isNull())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", saved);
        });

        qputenv("TMPDIR", QFile::encodeName(m_dir->path()));
        QCOMPARE(TempFolder(), m_dir->path() + "/");
        qputenv("TMPDIR", QFile::encodeName(m_dir->path() + "/"));
        QCOMPARE(TempFolder(), m_dir->path() + "/");
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

private:
    // The path of a new file of the test's folder, holding \a bytes.
    QString file(const QString &name, const QByteArray &bytes)
    {
        if (!writeFile(m_dir->filePath(name), bytes))
            qFatal("cannot write %s", qPrintable(name));
        return m_dir->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_APPLESS_MAIN(tst_mFuncs)
#include "tst_files_mfuncs.moc"
