// Zevora tests - printing: the text on paper (checked in PDF files), and the Print window.
#include "FakeServices.h"
#include "PdfTools.h"

#include "QtPrintService.h"
#include "frmPrint.h"
#include "richy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

class tst_frmPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdftotext", "pdfinfo"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils: run scripts/setup.sh");
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_services = std::make_unique<FakeServices>();
        m_services->messages.allowUnscripted(true); // boxes are compared in full
        m_services->printing.printerList = {"Alpha", "Beta", "Gamma"};
        m_services->printing.defaultName = "Beta";
        m_page = std::make_unique<richy>();
        m_page->setFont(QFont("DejaVu Sans Mono", 11));
    }

    void cleanup()
    {
        m_dialog.reset();
        m_page.reset();
        m_services.reset();
        m_dir.reset();
    }

    void theTextIsPrintedExactly()
    {
        const QString pdf = printToPdf("Café crème: 3,50 €\r\nnaïve Ærø\nœuvre ½\rend", "accents.pdf");
        QCOMPARE(PdfTools::pages(pdf), QStringList{"Café crème: 3,50 €\nnaïve Ærø\nœuvre ½\nend\n\n"});

        // A 300-character line wraps into rows that together are the line.
        const QString wide = QString("0123456789").repeated(30);
        const QStringList rows = PdfTools::lines(printToPdf(wide, "wide.pdf"));
        QVERIFY(rows.size() > 1);
        QCOMPARE(rows.join(QString()), wide);

        // A printer that cannot start the document is a failure, not a success.
        QPrinter unwritable;
        unwritable.setOutputFormat(QPrinter::PdfFormat);
        unwritable.setOutputFileName(m_dir->filePath("no such folder/out.pdf"));
        QVERIFY(!QtPrintService::printText(unwritable, "text", {"DejaVu Sans Mono", 10}));

        // A long text goes on over pages and loses no line.
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines.append(QString("Line %1 é €").arg(i, 3, 10, QChar('0')));
        const QString pdf2 = printToPdf(lines.join("\r\n"), "long.pdf");
        QVERIFY(PdfTools::pages(pdf2).size() > 1);
        QCOMPARE(PdfTools::info(pdf2, "Pages").toInt(), PdfTools::pages(pdf2).size());
        QCOMPARE(PdfTools::lines(pdf2), lines);
    }

    void printsTheSelectionOrTheWholeTextOnceACopy_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("copies");
        QTest::addRow("the selection, three copies") << true << 3;
        QTest::addRow("the whole text, one copy") << false << 1;
    }

    void printsTheSelectionOrTheWholeTextOnceACopy()
    {
        QFETCH(bool, selected);
        QFETCH(int, copies);

        const QString whole = "<html>\r\n<p>Prix : 12 € – café</p>\r\n</html>\r\n";
        m_page->loadText(whole.toUtf8());
        if (selected)
            m_page->select(8, 25);
        openWindow();
        m_dialog->cboPrinters->setCurrentIndex(2);
        QTest::keyClicks(m_dialog->txtCopies, QString::number(copies));
        m_dialog->cmdPrint->click();

        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->currentPrinter(), QString("Gamma"));
        const QString text = selected ? whole.mid(8, 25) : whole;
        const FakePrintService::Job job{"Gamma", text, PrintFont{"DejaVu Sans Mono", 11}, "index.htm"};
        QCOMPARE(m_services->printing.jobs, QList<FakePrintService::Job>(copies, job));
    }

    void theCopiesBoxHoldsOneDigitFrom1To9_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("left");

        const auto row = [](const char *name, const char *how, const char *what, const char *left) {
            QTest::newRow(name) << how << what << left;
        };
        row("35 leaves 5", "type", "35", "5");
        row("0 cannot be typed", "type", "0", "1");
        row("letters are ignored", "type", "x-", "1");
        row("Backspace empties it", "backspace", "", "");
        row("a paste takes its last digit from 1 to 9", "paste", "a7b03x", "3");
        row("a paste without one changes nothing", "paste", "0 copies", "1");
    }

    void theCopiesBoxHoldsOneDigitFrom1To9()
    {
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(QString, left);

        openWindow();
        QLineEdit *box = m_dialog->txtCopies;
        box->end(false);
        if (how == "type") {
            QTest::keyClicks(box, what);
        } else if (how == "backspace") {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            QGuiApplication::clipboard()->setText(what);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(box->text(), left);
        // After each key the digit is selected, so that the next one replaces it.
        QCOMPARE(box->selectedText(), left);

        m_dialog->cmdPrint->click();
        QCOMPARE(m_services->printing.jobs.size(), left.toInt());
        const MessageBox noCopies{"Zevora Note:", "You must enter a number of copies,\nA number from 1 to 9.",
                                  MsgIcon::Information};
        QCOMPARE(m_services->messages.shown,
                 left.isEmpty() ? QList<MessageBox>{noCopies} : QList<MessageBox>{});
    }

    void aCopyThatFailsStopsThePrintingAndKeepsTheWindow()
    {
        m_services->printing.failing = {"Gamma"};
        openWindow();
        m_dialog->cboPrinters->setCurrentText("Gamma");
        QTest::keyClicks(m_dialog->txtCopies, "3");
        m_dialog->cmdPrint->click();

        QCOMPARE(m_services->printing.jobs.size(), 1);
        const MessageBox failed{"Zevora Note:", "The page could not be printed on Gamma.",
                                MsgIcon::Exclamation};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{failed});
        QVERIFY(m_dialog->isVisible());

        // Another printer, from the same window.
        m_dialog->cboPrinters->setCurrentText("Alpha");
        m_dialog->cmdPrint->click();
        QCOMPARE(m_services->printing.jobs.size(), 4);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst()
    {
        const auto startsOn = [this](const QString &defaultName, const QString &current) {
            m_services->printing.defaultName = defaultName;
            openWindow(current);
            return m_dialog->cboPrinters->currentText();
        };
        QCOMPARE(startsOn("Beta", ""), QString("Beta"));
        QCOMPARE(startsOn("Beta", "Gamma"), QString("Gamma"));
        QCOMPARE(startsOn("Beta", "Omega"), QString("Beta"));
        QCOMPARE(startsOn("Omega", ""), QString("Alpha"));
    }

private:
    QString printToPdf(const QString &text, const QString &name)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir->filePath(name));
        return QtPrintService::printText(printer, text, {"DejaVu Sans Mono", 10}) ? printer.outputFileName()
                                                                                  : "";
    }

    void openWindow(const QString &current = QString())
    {
        m_dialog = std::make_unique<frmPrint>(current);
        m_dialog->setTB(m_page.get());
        m_dialog->setJobTitle("index.htm");
        m_dialog->show();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<richy> m_page;
    std::unique_ptr<frmPrint> m_dialog;
};

QTEST_MAIN(tst_frmPrint)
#include "tst_frmprint.moc"
