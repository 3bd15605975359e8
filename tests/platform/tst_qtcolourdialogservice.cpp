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
    void theDialogStartsWithBlackSlotsAndGivesTheColour()
    {
        QtColourDialogService service;
        QWidget owner;
        for (const bool ok : {true, false}) {
            // What an earlier dialog (or run) left in Qt's custom slots.
            QColorDialog::setCustomColor(3, QColor(Qt::red));
            QList<QColor> slotsSeen;
            QTimer::singleShot(5000, &owner, [] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            QTimer::singleShot(0, [&] {
                auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->parentWidget() == &owner);
                QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
                for (int i = 0; i < QColorDialog::customCount(); ++i)
                    slotsSeen.append(QColorDialog::customColor(i));
                dialog->setCurrentColor(QColor(10, 0, 255));
                ok ? dialog->accept() : dialog->reject();
            });
            // Red 10, green 0, blue 255: red in the low byte.
            QCOMPARE(service.chooseColour(&owner),
                     ok ? std::optional<ColourValue>(10 + 255 * 65536) : std::nullopt);
            QCOMPARE(slotsSeen, QList<QColor>(16, QColor(Qt::black)));
        }
    }
};

QTEST_MAIN(tst_QtColourDialogService)
#include "tst_qtcolourdialogservice.moc"
