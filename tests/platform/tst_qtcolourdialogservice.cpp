// Zevora tests - the real colour dialog: black custom slots, OK and Cancel.
#include "QtColourDialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_QtColourDialogService : public QObject
{
    Q_OBJECT

private slots:
    // Qt keeps the custom slots in its own settings: never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void theDialogStartsWithBlackSlotsAndGivesTheColour_data();
    void theDialogStartsWithBlackSlotsAndGivesTheColour();
};

void tst_QtColourDialogService::theDialogStartsWithBlackSlotsAndGivesTheColour_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<std::optional<ColourValue>>("expected");
    // Red 10, green 0, blue 255: red in the low byte.
    QTest::addRow("OK") << true << std::optional<ColourValue>(10 + 255 * 65536);
    QTest::addRow("Cancel") << false << std::optional<ColourValue>();
}

void tst_QtColourDialogService::theDialogStartsWithBlackSlotsAndGivesTheColour()
{
    QFETCH(bool, ok);
    QFETCH(std::optional<ColourValue>, expected);
    // What an earlier dialog (or run) left in Qt's custom slots.
    QColorDialog::setCustomColor(3, QColor(Qt::red));
    QWidget owner;

    QList<QColor> slotsSeen;
    QWidget *parentSeen = nullptr;
    bool qtDialog = false;
    QTimer driver;
    driver.setInterval(10);
    connect(&driver, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driver.stop();
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            slotsSeen.append(QColorDialog::customColor(i));
        parentSeen = dialog->parentWidget();
        qtDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
        dialog->setCurrentColor(QColor(10, 0, 255));
        ok ? dialog->accept() : dialog->reject();
    });
    driver.start();
    // Should the dialog never show, nothing is left waiting.
    QTimer::singleShot(5000, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });

    QtColourDialogService service;
    QCOMPARE(service.chooseColour(&owner), expected);
    QCOMPARE(slotsSeen, QList<QColor>(16, QColor(Qt::black)));
    QCOMPARE(parentSeen, &owner);
    QVERIFY(qtDialog);
}

QTEST_MAIN(tst_QtColourDialogService)
#include "tst_qtcolourdialogservice.moc"
