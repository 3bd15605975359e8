// Zevora tests - relative paths, with Windows and POSIX separators.
#include "mRelPath.h"

#include <QTest>

class tst_RelPath : public QObject
{
    Q_OBJECT

private slots:
    void pathsAreRelativeToThePagesFolder_data()
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
        QTest::addRow("POSIX elsewhere on the disk")
            << "/srv/pics/a.gif" << posix << "../../../../srv/pics/a.gif";
        QTest::addRow("address characters are escaped")
            << "/home/ann/site/docs/100% \"new\" #1?.gif" << posix << "100%25 %22new%22 %231%3F.gif";
        QTest::addRow("in folder names too") << "/home/ann/site/#img/a.gif" << posix << "../%23img/a.gif";
        QTest::addRow("blanks and other letters stay")
            << "/home/ann/site/docs/mes images/été.gif" << posix << "mes images/été.gif";
        QTest::addRow("the bare name of another drive") << "D:\\%.gif" << win << "%25.gif";
    }

    void pathsAreRelativeToThePagesFolder()
    {
        QFETCH(QString, target);
        QFETCH(QString, base);
        const QChar separator = base.startsWith('/') ? u'/' : u'\\';
        QTEST(mRelPath::relPath(target, base, separator), "expected");
    }
};

QTEST_APPLESS_MAIN(tst_RelPath)
#include "tst_relpath.moc"
