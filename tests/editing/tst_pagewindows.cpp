// Zevora tests - the windows that act on a page: Go To Line (lines, the view,
// refused input, focus), Print (the text on paper, checked in PDF files, and
// the window) and Editor Font (preview, the size it saves, and Cancel).
#include "FakeServices.h"
#include "PdfTools.h"
#include "TestSettings.h"

#include "CRegSettings.h"
#include "QtMessageService.h"
#include "QtPrintService.h"
#include "Services.h"
#include "frmGoTo.h"
#include "frmPrint.h"
#include "frmTxtFonts.h"
#include "richy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Platform;

// Picks \a entry as the user does: the list moves to it and reports the pick.
static void pick(QComboBox *list, const QString &entry)
{
    list->setCurrentIndex(list->findText(entry));
    emit list->activated(list->currentIndex());
}

class tst_PageWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
                 "poppler-utils: run scripts/setup.sh");
    }

    // Private settings, a frame showing one page, the printers Alpha, Beta
    // (the default) and Gamma.
    void init()
    {
        m_settings = std::make_unique<TestSettings>();
        m_services = std::make_unique<FakeServices>();
        m_services->messages.allowUnscripted(true); // boxes are compared in full
        m_services->printing.printerList = {"Alpha", "Beta", "Gamma"};
        m_services->printing.defaultName = "Beta";
        m_frame = std::make_unique<QWidget>();
        m_frame->resize(600, 300);
        m_page = new richy(m_frame.get());
        m_page->setFont(QFont("DejaVu Sans Mono", 11));
        (new QVBoxLayout(m_frame.get()))->addWidget(m_page);
        m_frame->show();
        QTRY_COMPARE(QApplication::activeWindow(), m_frame.get());
    }

    void cleanup()
    {
        m_goTo.reset();
        m_print.reset();
        m_frame.reset();
        m_services.reset();
        m_settings.reset();
    }

    void goesToTheStartOfTheNumberedLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qsizetype>("caret"); // -1: no such line, -2: nothing typed

        for (const QByteArray ending : {"\r\n", "\n", "\r"}) {
            // Five lines; the caret starts inside the third.
            const QByteArray text = "a" + ending + "bb" + ending + "ccé€" + ending + "😀d" + ending + "e";
            const qsizetype third = 3 + 2 * ending.size(), fifth = third + 7 + 2 * ending.size();
            const char *name = ending.size() == 2 ? "CRLF" : ending == "\n" ? "LF" : "CR";
            const auto row = [&](const char *what, const QString &typed, qsizetype caret) {
                QTest::addRow("%s: %s", name, what) << text << typed << caret;
            };
            row("line 3", "3", third);
            row("the last line", "5", fifth);
            row("more leading zeros than a number has digits", QString(30, u'0') + "5", fifth);
            row("line 0 is the caret's own line", "0", third);
            row("one past the last", "6", -1);
            row("2^64 + 1", "18446744073709551617", -1);
            row("nothing typed", "", -2);
        }
    }

    void goesToTheStartOfTheNumberedLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, typed);
        QFETCH(qsizetype, caret);

        openOn(text);
        const qsizetype before = text.indexOf("cc") + 2;
        m_page->setSelStart(before);
        QTest::keyClicks(m_goTo->txtLineNum, typed);
        QTest::keyClick(m_goTo->txtLineNum, Qt::Key_Return);

        if (caret >= 0) {
            QVERIFY(m_services->messages.shown.isEmpty());
            QCOMPARE(m_page->SelStart(), caret);
            QCOMPARE(m_page->SelLength(), qsizetype(0));
            QCOMPARE(m_goTo->result(), int(QDialog::Accepted));
            return;
        }
        const MessageBox box{"Zevora Note:",
                             caret == -1 ? "The line number you requested\n...does not exist."
                                         : "Enter a line number...",
                             MsgIcon::Information};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{box});
        QCOMPARE(m_page->SelStart(), before);
        QVERIFY(m_goTo->isVisible());
        QVERIFY(m_goTo->txtLineNum->hasFocus());
        QCOMPARE(m_goTo->txtLineNum->selectedText(), caret == -1 ? typed : QString());
    }

    // Long lines: with word wrap each takes several rows of the view, so the
    // top row is not the line's number (without wrap it is).
    void theLineGoesToTheTopOfTheView()
    {
        QByteArray text;
        for (int i = 1; i <= 300; ++i)
            text += "line " + QByteArray::number(i) + QByteArray(" words to wrap").repeated(20) + "\r\n";
        m_page->setWrapMode(QsciScintilla::WrapWord);
        openOn(text);
        // 2000 and 1000 twips from the frame's corner: 15 twips a pixel at 96 DPI.
        QCOMPARE(m_goTo->pos() - m_frame->frameGeometry().topLeft(), QPoint(133, 67));
        QTest::keyClicks(m_goTo->txtLineNum, "120");
        QTest::keyClick(m_goTo->txtLineNum, Qt::Key_Return);

        const long firstRow = m_page->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        QCOMPARE(m_page->SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, (unsigned long)firstRow),
                 119);
        QCOMPARE(m_page->textRange(m_page->SelStart(), 9), QString("line 120 "));
    }

    void onlyDigitsGetIntoTheBox_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("left"); // the box holds "12" before

        const auto row = [](const char *name, const char *how, const QString &what, const char *left) {
            QTest::newRow(name) << how << what << left;
        };
        row("a digit", "type", "3", "123");
        row("a letter", "type", "x", "12");
        row("an Arabic-Indic digit", "type", "٣", "12");
        row("Left, then Delete", "left-delete", "", "1");
        row("a paste of digits", "paste", "345", "12345");
        row("a paste with a letter", "paste", "34a", "12");
        row("a drop of digits", "drop", "9", "129");
    }

    void onlyDigitsGetIntoTheBox()
    {
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(QString, left);

        openOn("a");
        QLineEdit *box = m_goTo->txtLineNum;
        QTest::keyClicks(box, "12");
        if (how == "type") {
            // A key event of any character, also one no Latin keyboard has.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, what);
            QApplication::sendEvent(box, &press);
        } else if (how == "left-delete") {
            QTest::keyClick(box, Qt::Key_Left);
            QTest::keyClick(box, Qt::Key_Delete);
        } else if (how == "drop") {
            QMimeData data;
            data.setText(what);
            const QPoint end(box->width() - 4, box->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
        } else {
            QGuiApplication::clipboard()->setText(what);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(box->text(), left);
        const bool refused = left == "12";
        const MessageBox onlyNumbers{"Zevora Note", "Only numbers are accepted.", MsgIcon::Information};
        QCOMPARE(m_services->messages.shown, refused ? QList<MessageBox>{onlyNumbers} : QList<MessageBox>{});
        if (refused) {
            // The caret stays where it was: typing goes on at the end.
            QTest::keyClicks(box, "7");
            QCOMPARE(box->text(), "127");
        }
    }

    void losingTheFocusClosesTheWindowButItsOwnBoxesDoNot()
    {
        QtMessageService realBoxes;
        Services::install(&realBoxes, nullptr, nullptr);
        openOn("a");
        int boxes = 0;
        QTimer closer; // accepts the real box once it has taken the focus
        connect(&closer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && QApplication::activeWindow() == box) {
                ++boxes;
                box->accept();
            }
        });
        closer.start(10);
        QTest::keyClick(m_goTo->txtLineNum, Qt::Key_X);
        closer.stop();
        Services::install(&m_services->messages, nullptr, nullptr);
        QCOMPARE(boxes, 1);
        QCoreApplication::processEvents();
        QVERIFY(m_goTo->isVisible());

        m_goTo->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_goTo.get());
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!m_goTo->isVisible(), 2000);
        QCOMPARE(m_goTo->result(), int(QDialog::Rejected));
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
        unwritable.setOutputFileName(m_dir.filePath("no such folder/out.pdf"));
        QVERIFY(!QtPrintService::printText(unwritable, "text", {"DejaVu Sans Mono", 10}));

        // A long text goes on over pages and loses no line.
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines.append(QString("Line %1 é €").arg(i, 3, 10, QChar('0')));
        const QString pdf2 = printToPdf(lines.join("\r\n"), "long.pdf");
        QVERIFY(PdfTools::pages(pdf2).size() > 1);
        QCOMPARE(PdfTools::lines(pdf2), lines);
    }

    // The whole text, one copy, is printed in the frame's tests.
    void printsTheSelectionOnceACopyAndStopsAtAFailure()
    {
        const QString whole = "<html>\r\n<p>Prix : 12 € – café</p>\r\n</html>\r\n";
        m_page->loadText(whole.toUtf8());
        m_page->select(8, 25);
        m_services->printing.failing = {"Gamma"};
        openPrint();
        m_print->cboPrinters->setCurrentIndex(2);
        QTest::keyClicks(m_print->txtCopies, "3");
        m_print->cmdPrint->click();

        // The first copy fails: no more are tried, and the window stays.
        const MessageBox failed{"Zevora Note:", "The page could not be printed on Gamma.",
                                MsgIcon::Exclamation};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{failed});
        QVERIFY(m_print->isVisible());
        QCOMPARE(m_services->printing.jobs.size(), 1);

        // Another printer, from the same window.
        m_print->cboPrinters->setCurrentText("Alpha");
        m_print->cmdPrint->click();
        QCOMPARE(m_print->result(), int(QDialog::Accepted));
        QCOMPARE(m_print->currentPrinter(), QString("Alpha"));
        const FakePrintService::Job job{"Alpha", whole.mid(8, 25), PrintFont{"DejaVu Sans Mono", 11},
                                        "index.htm"};
        QCOMPARE(m_services->printing.jobs.mid(1), QList<FakePrintService::Job>(3, job));
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
        row("Backspace empties it", "backspace", "", "");
        row("a paste takes its last digit from 1 to 9", "paste", "a7b03x", "3");
    }

    void theCopiesBoxHoldsOneDigitFrom1To9()
    {
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(QString, left);

        openPrint();
        QLineEdit *box = m_print->txtCopies;
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

        m_print->cmdPrint->click();
        QCOMPARE(m_services->printing.jobs.size(), left.toInt());
        const MessageBox noCopies{"Zevora Note:", "You must enter a number of copies,\nA number from 1 to 9.",
                                  MsgIcon::Information};
        QCOMPARE(m_services->messages.shown,
                 left.isEmpty() ? QList<MessageBox>{noCopies} : QList<MessageBox>{});
    }

    void startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst()
    {
        const auto startsOn = [this](const QString &defaultName, const QString &current) {
            m_services->printing.defaultName = defaultName;
            openPrint(current);
            return m_print->cboPrinters->currentText();
        };
        QCOMPARE(startsOn("Beta", ""), QString("Beta"));
        QCOMPARE(startsOn("Beta", "Gamma"), QString("Gamma"));
        QCOMPARE(startsOn("Beta", "Omega"), QString("Beta"));
        QCOMPARE(startsOn("Omega", ""), QString("Alpha"));
    }

    void thePickShowsAtOnceAndIsSavedOnlyByUseSelections_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("listed"); // the size the list shows at first
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("size"); // the size saved
        const auto row = [](const char *name, double points, const char *listed, const char *picked,
                            const char *how, const char *size) {
            QTest::newRow(name) << points << listed << picked << how << size;
        };
        row("9 saves 10, the later of 8 and 10", 9, "10", "", "ok", "10");
        row("72 saves 12", 72, "", "", "ok", "12");
        row("a picked size is saved as it is", 9, "10", "18", "ok", "18");
        // A size that is not listed, and a weight of its own, come back exactly.
        row("Cancel", 9.5, "10", "20", "cancel", "");
    }

    void thePickShowsAtOnceAndIsSavedOnlyByUseSelections()
    {
        QFETCH(double, points);
        QFETCH(QString, listed);
        QFETCH(QString, picked);
        QFETCH(QString, how);
        QFETCH(QString, size);
        richy page;
        QFont font("DejaVu Sans Mono");
        font.setPointSizeF(points);
        font.setBold(how != "ok");
        page.setFont(font);
        frmTxtFonts dialog(&page);
        dialog.show();
        QCOMPARE(dialog.cboFonts->currentText(), QString("DejaVu Sans Mono"));
        QCOMPARE(dialog.cboSize->currentText(), listed);
        pick(dialog.cboFonts, "DejaVu Serif");
        if (!picked.isEmpty())
            pick(dialog.cboSize, picked);
        // The pick shows in its page at once (that no other page takes it: tst_topform).
        QCOMPARE(page.font().family(), QString("DejaVu Serif"));
        QCOMPARE(page.font().pointSizeF(), picked.isEmpty() ? points : picked.toDouble());

        // Escape and closing the window reject the dialog as Cancel does.
        (how == "ok" ? dialog.cmdOK : dialog.cmdCancel)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(how == "ok" ? QDialog::Accepted : QDialog::Rejected));
        const auto saved = [](const char *key) {
            return CRegSettings().GetRegSetting("font preferences", key, "");
        };
        QCOMPARE(saved("font_Face"), QString(how == "ok" ? "DejaVu Serif" : ""));
        QCOMPARE(saved("font_Size"), size);
        if (how != "ok")
            QCOMPARE(page.font(), font);
    }

private:
    void openOn(const QByteArray &text)
    {
        m_page->loadText(text);
        m_goTo = std::make_unique<frmGoTo>(m_page, m_frame.get());
        m_goTo->show();
        // A dialog's window counts as active while its frame is: wait for the dialog.
        QTRY_COMPARE(QApplication::activeWindow(), m_goTo.get());
    }

    QString printToPdf(const QString &text, const QString &name)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(name));
        return QtPrintService::printText(printer, text, {"DejaVu Sans Mono", 10}) ? printer.outputFileName()
                                                                                  : "";
    }

    void openPrint(const QString &current = QString())
    {
        m_print = std::make_unique<frmPrint>(current);
        m_print->setTB(m_page);
        m_print->setJobTitle("index.htm");
        m_print->show();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QWidget> m_frame;
    richy *m_page = nullptr;
    std::unique_ptr<frmGoTo> m_goTo;
    std::unique_ptr<frmPrint> m_print;
};

QTEST_MAIN(tst_PageWindows)
#include "tst_pagewindows.moc"
