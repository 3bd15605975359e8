// Zevora tests - the real save dialog: the chosen type's extension and the question before replacing.
#include "QtFileDialogService.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_QtFileDialogService : public QObject
{
    Q_OBJECT

private slots:
    void aTypedNameGetsTheTypeExtensionBeforeTheReplaceQuestion_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("asked");
        QTest::addRow("HTM over an existing page.htm") << 0 << QString("page") << QString("page.htm") << true;
        QTest::addRow("Text Files, a new name") << 1 << QString("page") << QString("page.txt") << false;
        QTest::addRow("All Files keeps the name") << 2 << QString("page") << QString("page") << false;
    }

    void aTypedNameGetsTheTypeExtensionBeforeTheReplaceQuestion()
    {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("page.htm")));

        // Answers the dialog, then (when it comes) the question, as a user would.
        bool questionSeen = false;
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                questionSeen = true;
                box->button(QMessageBox::Yes)->click();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        driver.start();
        QtFileDialogService service;
        const FileDialogResult result =
            service.saveFile(FileDialogRequest{"Save File As...",
                                               dir.path(),
                                               QString(),
                                               {"HTM File (*.htm)", "Text Files (*.txt)", "All Files (*)"},
                                               filter});
        QCOMPARE(result.path, QDir::toNativeSeparators(dir.filePath(chosen)));
        QCOMPARE(result.selectedFilter, filter);
        QTEST(questionSeen, "asked");
    }
};

QTEST_MAIN(tst_QtFileDialogService)
#include "tst_qtfiledialogservice.moc"
