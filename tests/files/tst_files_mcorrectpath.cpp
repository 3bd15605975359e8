// Zevora tests - turning a path handed to the program into the name of the file on disk.
#include "mCorrectPath.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace mCorrectPath;

class tst_mCorrectPath : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void theLongFolderKeepsTheFoldersOfAPathOnDisk();
    void theLongFolderOfWindowsPathsKeepsEveryPiece_data();
    void theLongFolderOfWindowsPathsKeepsEveryPiece();
    void theLongFolderTakesTheStoredSpellingOfAFolder();

    void theDisplayNameIsTheStoredNameOfWhatIsThere();

    void aNameWithoutExtensionIsCompletedFromTheFolder_data();
    void aNameWithoutExtensionIsCompletedFromTheFolder();
    void aNameDifferingOnlyInCaseIsCompletedWhereTheFileSystemIgnoresCase();
    void windowsPathsWithNothingOnDiskAreNotCompleted();

    void aHandedOverPathBecomesTheFilesFullName_data();
    void aHandedOverPathBecomesTheFilesFullName();
    void aHandedOverWindowsPathWithNothingOnDiskStaysAsGiven();

private:
    void makeFile(const QString &relativePath);
    QString root() const { return m_dir->path(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_mCorrectPath::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(root()).mkpath("Site/images"));
    QVERIFY(QDir(root()).mkpath("my.site"));
    QVERIFY(QDir(root()).mkpath("Site/index.d"));
    makeFile("Site/index.htm");
    makeFile("Site/index.html");
    makeFile("Site/about.html");
    makeFile("Site/README");
    makeFile("Site/README.md");
    makeFile("Site/indexes.htm");
    makeFile("my.site/index.htm");
}

void tst_mCorrectPath::makeFile(const QString &relativePath)
{
    QFile file(m_dir->filePath(relativePath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("<HTML>") == 6);
}

void tst_mCorrectPath::theLongFolderKeepsTheFoldersOfAPathOnDisk()
{
    QCOMPARE(LongFolderOf(root() + "/Site/index.htm", u'/'), root() + "/Site/");
    QCOMPARE(LongFolderOf(root() + "/Site/images/dot.gif", u'/'), root() + "/Site/images/");
    QCOMPARE(LongFolderOf(root() + "/Site/missing/deeper/page.htm", u'/'), root() + "/Site/missing/deeper/");
    QCOMPARE(LongFolderOf(root() + "/Site/../Site/index.htm", u'/'), root() + "/Site/../Site/");
    QCOMPARE(LongFolderOf("/index.htm", u'/'), QString("/"));
    QCOMPARE(LongFolderOf("index.htm", u'/'), QString());
    QCOMPARE(LongFolderOf("", u'/'), QString());
}

void tst_mCorrectPath::theLongFolderOfWindowsPathsKeepsEveryPiece_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");

    QTest::addRow("page in a folder") << "C:\\site\\index"
                                      << "C:\\site\\";
    QTest::addRow("page at the root") << "C:\\index.htm"
                                      << "C:\\";
    QTest::addRow("deep page") << "D:\\My Documents\\Web\\Site\\a.htm"
                               << "D:\\My Documents\\Web\\Site\\";
    QTest::addRow("network path") << "\\\\server\\share\\page.htm"
                                  << "\\\\server\\share\\";
    QTest::addRow("doubled separator") << "C:\\site\\\\index.htm"
                                       << "C:\\site\\\\";
    QTest::addRow("folder path") << "C:\\site\\"
                                 << "C:\\site\\";
    QTest::addRow("name only") << "index.htm"
                               << "";
}

void tst_mCorrectPath::theLongFolderOfWindowsPathsKeepsEveryPiece()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(LongFolderOf(path, u'\\'), folder);
}

void tst_mCorrectPath::theLongFolderTakesTheStoredSpellingOfAFolder()
{
    const bool ignoresCase = QFileInfo::exists(root() + "/SITE/index.htm");
    const QString folder = LongFolderOf(root() + "/SITE/index.htm", u'/');
    // Where the file system ignores case, "SITE" is the folder stored as
    // "Site"; where it does not, there is no such folder and it stays as given.
    QCOMPARE(folder, root() + (ignoresCase ? "/Site/" : "/SITE/"));
}

void tst_mCorrectPath::theDisplayNameIsTheStoredNameOfWhatIsThere()
{
    QCOMPARE(DisplayNameOf(root() + "/Site/index.htm", u'/'), QString("index.htm"));
    QCOMPARE(DisplayNameOf(root() + "/Site/README", u'/'), QString("README"));
    QCOMPARE(DisplayNameOf(root() + "/Site/images", u'/'), QString("images"));
    QCOMPARE(DisplayNameOf(root() + "/Site/index", u'/'), QString());
    QCOMPARE(DisplayNameOf(root() + "/Site/", u'/'), QString());
    QCOMPARE(DisplayNameOf("C:\\site\\index.htm", u'\\'), QString());
    QCOMPARE(DisplayNameOf(QString(), u'/'), QString());

    const bool ignoresCase = QFileInfo::exists(root() + "/Site/INDEX.HTM");
    QCOMPARE(DisplayNameOf(root() + "/Site/INDEX.HTM", u'/'), ignoresCase ? QString("index.htm") : QString());
}

void tst_mCorrectPath::aNameWithoutExtensionIsCompletedFromTheFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("completed");

    const QString site = "/Site/";
    QTest::addRow("name without extension") << site + "index" << site + "index.htm";
    QTest::addRow("only one match") << site + "about" << site + "about.html";
    QTest::addRow("name with extension, present") << site + "index.html" << site + "index.html";
    QTest::addRow("name with extension, missing") << site + "gone.htm" << site + "gone.htm";
    QTest::addRow("existing file without extension") << site + "README" << site + "README";
    QTest::addRow("no file of that name") << site + "contact"
                                          << "";
    QTest::addRow("a folder is not a page") << "/Site/images/x"
                                            << "";
    QTest::addRow("period in a folder name only") << "/my.site/index"
                                                  << "/my.site/index.htm";
    QTest::addRow("folder path") << site << "";
}

void tst_mCorrectPath::aNameWithoutExtensionIsCompletedFromTheFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, completed);
    QCOMPARE(CompleteExtension(root() + path, u'/'), completed.isEmpty() ? QString() : root() + completed);
}

void tst_mCorrectPath::aNameDifferingOnlyInCaseIsCompletedWhereTheFileSystemIgnoresCase()
{
    const bool ignoresCase = QFileInfo::exists(root() + "/Site/ABOUT.html");
    QCOMPARE(CompleteExtension(root() + "/Site/ABOUT", u'/'),
             ignoresCase ? root() + "/Site/about.html" : QString());
}

void tst_mCorrectPath::windowsPathsWithNothingOnDiskAreNotCompleted()
{
    QCOMPARE(CompleteExtension("C:\\site\\index", u'\\'), QString());
    QCOMPARE(CompleteExtension("C:\\site\\index.htm", u'\\'), QString("C:\\site\\index.htm"));
    QCOMPARE(CompleteExtension("C:\\my.site\\index", u'\\'), QString());
}

void tst_mCorrectPath::aHandedOverPathBecomesTheFilesFullName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("corrected");

    QTest::addRow("name without extension") << "/Site/index"
                                            << "/Site/index.htm";
    QTest::addRow("full name") << "/Site/about.html"
                               << "/Site/about.html";
    QTest::addRow("file without extension") << "/Site/README"
                                            << "/Site/README";
    QTest::addRow("missing page keeps its name") << "/Site/gone.htm"
                                                 << "/Site/gone.htm";
    QTest::addRow("missing name without extension") << "/Site/contact"
                                                    << "/Site/contact";
    QTest::addRow("missing folder") << "/Nowhere/index"
                                    << "/Nowhere/index";
}

void tst_mCorrectPath::aHandedOverPathBecomesTheFilesFullName()
{
    QFETCH(QString, path);
    QFETCH(QString, corrected);
    QCOMPARE(CorrectPath(root() + path, u'/'), root() + corrected);
}

void tst_mCorrectPath::aHandedOverWindowsPathWithNothingOnDiskStaysAsGiven()
{
    QCOMPARE(CorrectPath("C:\\site\\index", u'\\'), QString("C:\\site\\index"));
    QCOMPARE(CorrectPath("C:\\site\\index.htm", u'\\'), QString("C:\\site\\index.htm"));
    QCOMPARE(CorrectPath(QString(), u'\\'), QString());
}

QTEST_APPLESS_MAIN(tst_mCorrectPath)
#include "tst_files_mcorrectpath.moc"
