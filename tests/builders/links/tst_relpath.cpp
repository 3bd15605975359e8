// Zevora tests - relative paths, with Windows and POSIX separators, and the page-name test.
#include "LinkRules.h"
#include "mRelPath.h"

#include <QTest>

class tst_RelPath : public QObject
{
    Q_OBJECT

private slots:
    void pathsAreRelativeToThePagesFolder_data();
    void pathsAreRelativeToThePagesFolder();
    void pageFilesAreKnownByTheirEnding_data();
    void pageFilesAreKnownByTheirEnding();
};

void tst_RelPath::pathsAreRelativeToThePagesFolder_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    const QString win = "C:\\site\\docs\\page.htm";
    QTest::addRow("same folder") << "C:\\site\\docs\\b.htm" << win << "b.htm";
    QTest::addRow("a folder below") << "C:\\site\\docs\\img\\a.gif" << win << "img/a.gif";
    QTest::addRow("a sibling folder") << "C:\\site\\img\\a.gif" << win << "../img/a.gif";
    QTest::addRow("the drive's root") << "C:\\a.gif" << win << "../../a.gif";
    QTest::addRow("another drive") << "D:\\site\\a.gif" << win << "a.gif";
    QTest::addRow("the page itself") << win << win << "page.htm";
    QTest::addRow("letter case counts") << "C:\\Site\\docs\\b.htm" << win << "../../Site/docs/b.htm";
    const QString posix = "/home/ann/site/docs/page.htm";
    QTest::addRow("POSIX same folder") << "/home/ann/site/docs/b.htm" << posix << "b.htm";
    QTest::addRow("POSIX a folder below") << "/home/ann/site/docs/img/a.gif" << posix << "img/a.gif";
    QTest::addRow("POSIX a sibling folder") << "/home/ann/site/img/a.gif" << posix << "../img/a.gif";
    QTest::addRow("POSIX elsewhere on the disk")
        << "/srv/pics/a.gif" << posix << "../../../../srv/pics/a.gif";
    QTest::addRow("POSIX the page itself") << posix << posix << "page.htm";
    QTest::addRow("address characters are escaped")
        << "/home/ann/site/docs/100% \"new\" #1?.gif" << posix << "100%25 %22new%22 %231%3F.gif";
    QTest::addRow("in folder names too") << "/home/ann/site/#img/a.gif" << posix << "../%23img/a.gif";
    QTest::addRow("blanks and other letters stay")
        << "/home/ann/site/docs/mes images/été.gif" << posix << "mes images/été.gif";
    QTest::addRow("the bare name of another drive") << "D:\\%.gif" << win << "%25.gif";
}

void tst_RelPath::pathsAreRelativeToThePagesFolder()
{
    QFETCH(QString, target);
    QFETCH(QString, base);
    QFETCH(QString, expected);
    const QChar separator = base.startsWith('/') ? u'/' : u'\\';
    QCOMPARE(mRelPath::relPath(target, base, separator), expected);
}

void tst_RelPath::pageFilesAreKnownByTheirEnding_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("page");
    QTest::addRow(".htm") << "a.htm" << true;
    QTest::addRow(".SHTML") << "page.SHTML" << true;
    QTest::addRow(".Asp") << "x.Asp" << true;
    QTest::addRow(".txt") << "notes.txt" << false;
    QTest::addRow(".htmx") << "a.htmx" << false;
    QTest::addRow("htm without a dot") << "xhtm" << false;
}

void tst_RelPath::pageFilesAreKnownByTheirEnding()
{
    QFETCH(QString, name);
    QFETCH(bool, page);
    QCOMPARE(LinkRules::isPageFile(name), page);
}

QTEST_APPLESS_MAIN(tst_RelPath)
#include "tst_relpath.moc"
