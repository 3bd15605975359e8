// Zevora tests - the progress window of the Qt message service.
#include "QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace Platform;

class tst_QtProgress : public QObject
{
    Q_OBJECT

private slots:
    void aProgressWindowHasNoButtonBlocksItsWindowAndGoesWhenDone()
    {
        QWidget owner;
        owner.show();
        owner.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &owner, 2000);

        QtMessageService service;
        service.progress("Zevora Note:", "Replaced 100 occurrences.\nHang on...");
        auto *window = owner.findChild<QDialog *>("progressWindow");
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->windowTitle(), QString("Zevora Note:"));
        QVERIFY(window->findChildren<QAbstractButton *>().isEmpty());
        auto *text = window->findChild<QLabel *>("progressText");
        QCOMPARE(text->text(), QString("Replaced 100 occurrences.\nHang on..."));

        service.progress("Zevora Note:", "Replaced 200 occurrences.\nHang on...");
        QTRY_COMPARE_WITH_TIMEOUT(text->text(), QString("Replaced 200 occurrences.\nHang on..."), 2000);

        // Only the end of the work closes it.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        const QPointer<QDialog> watched = window;
        service.endProgress();
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);
    }
};

QTEST_MAIN(tst_QtProgress)
#include "tst_qtprogress.moc"
