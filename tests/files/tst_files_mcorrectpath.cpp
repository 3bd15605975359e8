// Zevora tests - turning a path handed to the program into the name of the file on disk.
#include "TestFiles.h"
#include "mCorrectPath.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace mCorrectPath;

class tst_mCorrectPath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(root()).mkpath("Site/images"));
        QVERIFY(QDir(root()).mkpath("my.site"));
        for (const char *name : {"Site/index.htm", "Site/index.html", "Site/about.html", "Site/README",
                                 "Site/indexes.htm", "my.site/index.htm"})
            QVERIFY(writeFile(m_dir.filePath(name)));
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
        QTest::addRow("a Windows page")
            << "D:\\My Documents\\Site\\a.htm" << QChar('\\') << "D:\\My Documents\\Site\\";
        QTest::addRow("a network path")
            << "\\\\server\\share\\page.htm" << QChar('\\') << "\\\\server\\share\\";
        QTest::addRow("a doubled separator") << "C:\\site\\\\index.htm" << QChar('\\') << "C:\\site\\\\";
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
        QCOMPARE(DisplayNameOf("C:\\site\\index.htm", u'\\'), QString());
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
        row("full name", "~/Site/index.html", "~/Site/index.html", "~/Site/index.html");
        row("file without extension", "~/Site/README", "~/Site/README", "~/Site/README");
        row("missing page", "~/Site/gone.htm", "~/Site/gone.htm", "~/Site/gone.htm");
        row("missing name without extension", "~/Site/contact", "-", "~/Site/contact");
        row("a longer name is another name", "~/Site/indexe", "-", "~/Site/indexe");
        row("a folder is not a page", "~/Site/images/x", "-", "~/Site/images/x");
        row("period in a folder name only", "~/my.site/index", "~/my.site/index.htm", "~/my.site/index.htm");
        row("missing folder", "~/Nowhere/index", "-", "~/Nowhere/index");
        row("a Windows path with nothing on disk", "C:\\site\\index", "-", "C:\\site\\index");
        row("empty", "", "-", "");
    }

    void aHandedOverPathBecomesTheFilesFullName()
    {
        QFETCH(QString, path);
        QFETCH(QString, completed);
        QFETCH(QString, corrected);
        const QChar separator = path.startsWith("C:") ? u'\\' : u'/';
        path.replace('~', root());
        QCOMPARE(CompleteExtension(path, separator),
                 completed == "-" ? QString() : completed.replace('~', root()));
        QCOMPARE(CorrectPath(path, separator), corrected.replace('~', root()));
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

private:
    QString root() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(tst_mCorrectPath)
#include "tst_files_mcorrectpath.moc"
