// Zevora tests - the platform services on the real Qt dialogs and Enchant: the save
// dialog's extension and replace question, the progress window, the colour
// dialog's slots, and spelling with the installed Hunspell en_US dictionary.
#include "EnchantSpellService.h"
#include "QtColourDialogService.h"
#include "QtFileDialogService.h"
#include "QtMessageService.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_QtServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void aTypedNameGetsTheTypeExtensionBeforeTheReplaceQuestion_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("asked");
        QTest::addRow("HTM over an existing page.htm") << 0 << QString("page.htm") << true;
        QTest::addRow("Text Files, a new name") << 1 << QString("page.txt") << false;
        QTest::addRow("All Files keeps the name") << 2 << QString("page") << false;
    }

    void aTypedNameGetsTheTypeExtensionBeforeTheReplaceQuestion()
    {
        QFETCH(int, filter);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("page.htm")));

        // Types "page" into the dialog, then answers the question when it comes, as a user would.
        bool questionSeen = false;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                questionSeen = true;
                box->button(QMessageBox::Yes)->click();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                dialog->findChild<QLineEdit *>("fileNameEdit")->setText("page");
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        driver.start(10);
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

    void hunspellChecksSuggestsAndKeepsAddedWords()
    {
        EnchantSpellService service;
        QVERIFY(service.languages().contains(QStringLiteral("en_US")));
        QVERIFY(!service.open(QStringLiteral("xx_XX"))); // a language without dictionary
        std::unique_ptr<SpellDictionary> dictionary = service.open(QStringLiteral("en_US"));
        QVERIFY(dictionary);
        QCOMPARE(EnchantSpellService::providerOf(*dictionary), QStringLiteral("hunspell"));
        QVERIFY(dictionary->check(u"receive"));
        QVERIFY(dictionary->check(u"don't"));
        QVERIFY(!dictionary->check(u"recieve"));
        QVERIFY(dictionary->suggest(QStringLiteral("recieve")).contains(QStringLiteral("receive")));

        QVERIFY(!dictionary->check(u"zevorish"));
        dictionary->add(QStringLiteral("zevorish"));
        QVERIFY(EnchantSpellService().open(QStringLiteral("en_US"))->check(u"zevorish"));
        QFile list(m_config.filePath(QStringLiteral("enchant/en_US.dic")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll().trimmed(), QByteArray("zevorish"));
    }

private:
    // Enchant writes added words under $XDG_CONFIG_HOME, read once per process.
    QTemporaryDir m_config;
};

QTEST_MAIN(tst_QtServices)
#include "tst_qtservices.moc"
