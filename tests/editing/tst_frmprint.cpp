// Zevora tests - printing: the text on paper (checked in PDF files), and the Print window.
#include "FakeServices.h"

#include "QtPrintService.h"
#include "frmPrint.h"
#include "richy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

namespace {

const PrintFont Mono{"DejaVu Sans Mono", 10};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &path)
{
    return run("pdftotext", {"-enc", "UTF-8", path, "-"});
}

QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(run("pdfinfo", {"-enc", "UTF-8", path})).captured(1).trimmed();
}

// One word as pdftotext -bbox places it, in points from the page's top left.
struct Word
{
    int page;
    double top;
    double bottom;
};

QList<Word> pdfWords(const QString &path)
{
    QList<Word> words;
    int page = -1;
    const QRegularExpression tag(
        R"re(<page |<word xMin="[^"]*" yMin="([^"]*)" xMax="[^"]*" yMax="([^"]*)")re");
    for (auto it = tag.globalMatch(run("pdftotext", {"-bbox", path, "-"})); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == "<page ")
            ++page;
        else
            words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

} // namespace

class tst_frmPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theTextIsPrintedExactly_data();
    void theTextIsPrintedExactly();
    void aLongTextFillsWholePagesAndLosesNoLine();
    void theWindowAndItsControls();
    void printsTheSelectionOrTheWholeTextOnceACopy_data();
    void printsTheSelectionOrTheWholeTextOnceACopy();
    void theCopiesBoxHoldsOneDigitFrom1To9_data();
    void theCopiesBoxHoldsOneDigitFrom1To9();
    void aCopyThatFailsStopsThePrintingAndKeepsTheWindow();
    void startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst_data();
    void startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst();

private:
    QString printToPdf(const QString &text, QPrinter *layout = nullptr, const QString &name = "out.pdf");
    void openWindow(const QString &current = QString());

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<richy> m_page;
    std::unique_ptr<frmPrint> m_dialog;
};

void tst_frmPrint::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdfinfo"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils: run scripts/setup.sh");
}

void tst_frmPrint::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_services = std::make_unique<FakeServices>();
    m_services->messages.allowUnscripted(true);
    m_services->printing.printerList = {"Alpha", "Beta", "Gamma"};
    m_services->printing.defaultName = "Beta";
    m_services->printing.pdfFolder = m_dir->path();
    m_page = std::make_unique<richy>();
    m_page->setFont(QFont("DejaVu Sans Mono", 11));
}

void tst_frmPrint::cleanup()
{
    m_dialog.reset();
    m_page.reset();
    m_services.reset();
    m_dir.reset();
}

QString tst_frmPrint::printToPdf(const QString &text, QPrinter *layout, const QString &name)
{
    const QString path = m_dir->filePath(name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!QtPrintService::printText(printer, text, Mono))
        return QString();
    if (layout)
        layout->setPageLayout(printer.pageLayout());
    return path;
}

void tst_frmPrint::openWindow(const QString &current)
{
    m_dialog = std::make_unique<frmPrint>(current);
    m_dialog->setTB(m_page.get());
    m_dialog->setJobTitle("index.htm");
    m_dialog->show();
}

void tst_frmPrint::theTextIsPrintedExactly_data()
{
    QTest::addColumn<QString>("text");
    // What pdftotext gives back: the rows, a blank line after the last, and a form feed.
    QTest::addColumn<QString>("printed");

    QTest::addRow("accents and the euro sign, after CR LF, LF and CR")
        << "Café crème: 3,50 €\r\nnaïve Ærø\nœuvre ½\rend"
        << "Café crème: 3,50 €\nnaïve Ærø\nœuvre ½\nend\n\n\f";
    const QString wide = QString("0123456789").repeated(30);
    QTest::addRow("a 300-character line wraps and keeps every character") << wide << wide;
}

void tst_frmPrint::theTextIsPrintedExactly()
{
    QFETCH(QString, text);
    QFETCH(QString, printed);

    const QString pdf = printToPdf(text);
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(pdfInfo(pdf, "Pages"), QString("1"));
    const QString extracted = pdfText(pdf);
    if (printed.size() == 300) {
        // Rows of a wrapped line: several, which together are the line.
        QStringList rows = extracted.split('\n', Qt::SkipEmptyParts);
        rows.removeAll("\f");
        QVERIFY2(rows.size() > 1, qPrintable(extracted));
        QCOMPARE(rows.join(QString()), printed);
        return;
    }
    QCOMPARE(extracted, printed);
}

void tst_frmPrint::aLongTextFillsWholePagesAndLosesNoLine()
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines.append(QString("Line %1 é €").arg(i, 3, 10, QChar('0')));
    // Every kind of line break, in turn.
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i)
        text += lines.at(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    QPrinter layout;
    const QString pdf = printToPdf(text, &layout);
    QVERIFY(!pdf.isEmpty());

    QStringList pages = pdfText(pdf).split('\f');
    QCOMPARE(pages.takeLast(), QString());
    QCOMPARE(pdfInfo(pdf, "Pages").toInt(), pages.size());
    QVERIFY(pages.size() > 1);
    QStringList printed;
    for (const QString &page : pages)
        printed += page.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(printed, lines);

    // Every row lies inside the printable area, the first one at its top, and
    // a full page has no room left for another row.
    const QRectF area = layout.pageLayout().paintRect(QPageLayout::Point);
    const QList<Word> words = pdfWords(pdf);
    QCOMPARE(words.size(), 150 * 4);
    // Each break is one: the rows stand exactly where LF alone puts them.
    const QList<Word> lfWords = pdfWords(printToPdf(lines.join("\n"), nullptr, "lf.pdf"));
    QCOMPARE(lfWords.size(), words.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        QVERIFY(words.at(i).page == lfWords.at(i).page && words.at(i).top == lfWords.at(i).top);
    const double pitch = words.at(4).top - words.at(0).top;
    QVERIFY(pitch > 0);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const Word &word = words.at(i);
        QVERIFY2(word.top >= area.top() - 0.5 && word.bottom <= area.bottom() + 0.5,
                 qPrintable(QString::number(i)));
        if (i == 0 || words.at(i - 1).page != word.page)
            QVERIFY(word.top < area.top() + pitch);
        if (i + 1 < words.size() && words.at(i + 1).page != word.page)
            QVERIFY(area.bottom() - word.bottom < pitch);
    }
}

void tst_frmPrint::theWindowAndItsControls()
{
    openWindow();
    QCOMPARE(m_dialog->windowTitle(), QString("Print"));
    QVERIFY(m_dialog->isModal());
    QCOMPARE(m_dialog->Label1->text(), QString("Choose printer below"));
    QCOMPARE(m_dialog->Label2->text(), QString("# of copies"));
    QCOMPARE(m_dialog->cmdPrint->text(), QString("Print"));
    QCOMPARE(m_dialog->cmdCancel->text(), QString("Cancel"));
    for (const char *name :
         {"Label1", "cboPrinters", "Label2", "txtCopies", "imgPrinter", "cmdPrint", "cmdCancel"})
        QVERIFY2(m_dialog->findChild<QWidget *>(name), name);
    QVERIFY(!m_dialog->cboPrinters->isEditable());
    QCOMPARE(m_dialog->cboPrinters->count(), 3);
    QCOMPARE(m_dialog->cboPrinters->itemText(2), QString("Gamma"));
    QCOMPARE(m_dialog->txtCopies->text(), QString("1"));
    QCOMPARE(m_dialog->cboPrinters->accessibleName(), QString("Choose printer below"));
    QCOMPARE(m_dialog->txtCopies->accessibleName(), QString("# of copies"));

    m_dialog->cmdCancel->click();
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(m_services->printing.jobs.isEmpty());
}

void tst_frmPrint::printsTheSelectionOrTheWholeTextOnceACopy_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("copies");
    QTest::addRow("the selection, three copies") << true << 3;
    QTest::addRow("the whole text, one copy") << false << 1;
}

void tst_frmPrint::printsTheSelectionOrTheWholeTextOnceACopy()
{
    QFETCH(bool, selected);
    QFETCH(int, copies);

    m_page->loadText("<html>\r\n<p>Prix : 12 € – café</p>\r\n</html>\r\n");
    if (selected)
        m_page->select(8, 25);
    openWindow();
    m_dialog->cboPrinters->setCurrentIndex(2);
    QTest::keyClicks(m_dialog->txtCopies, QString::number(copies));
    m_dialog->cmdPrint->click();

    QVERIFY(m_services->messages.shown.isEmpty());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->currentPrinter(), QString("Gamma"));
    const QString text =
        selected ? "<p>Prix : 12 € – café</p>" : "<html>\r\n<p>Prix : 12 € – café</p>\r\n</html>\r\n";
    const FakePrintService::Job job{"Gamma", text, PrintFont{"DejaVu Sans Mono", 11}, "index.htm"};
    QCOMPARE(m_services->printing.jobs, QList<FakePrintService::Job>(copies, job));
    const QString printed =
        selected ? "<p>Prix : 12 € – café</p>\n\n\f" : "<html>\n<p>Prix : 12 € – café</p>\n</html>\n\n\f";
    for (int i = 1; i <= copies; ++i) {
        const QString pdf = m_dir->filePath(QString("job%1.pdf").arg(i));
        QCOMPARE(pdfText(pdf), printed);
        QCOMPARE(pdfInfo(pdf, "Title"), QString("index.htm"));
    }
    QVERIFY(!QFile::exists(m_dir->filePath(QString("job%1.pdf").arg(copies + 1))));
}

void tst_frmPrint::theCopiesBoxHoldsOneDigitFrom1To9_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("left");

    QTest::addRow("35 leaves 5") << "type"
                                 << "35"
                                 << "5";
    QTest::addRow("0 cannot be typed") << "type"
                                       << "0"
                                       << "1";
    QTest::addRow("letters are ignored") << "type"
                                         << "x-"
                                         << "1";
    QTest::addRow("Backspace empties it") << "backspace"
                                          << ""
                                          << "";
    QTest::addRow("a paste takes its last digit from 1 to 9") << "paste"
                                                              << "a7b03x"
                                                              << "3";
    QTest::addRow("a paste without one changes nothing") << "paste"
                                                         << "0 copies"
                                                         << "1";
}

void tst_frmPrint::theCopiesBoxHoldsOneDigitFrom1To9()
{
    QFETCH(QString, how);
    QFETCH(QString, what);
    QFETCH(QString, left);

    m_page->loadText("x");
    openWindow();
    QLineEdit *box = m_dialog->txtCopies;
    box->setFocus();
    if (how == "type") {
        QTest::keyClicks(box, what);
    } else if (how == "backspace") {
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QGuiApplication::clipboard()->setText(what);
        box->end(false);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(box->text(), left);
    // After each key the digit is selected, so that the next one replaces it.
    QCOMPARE(box->selectedText(), left);

    m_dialog->cmdPrint->click();
    if (left.isEmpty()) {
        const MessageBox noCopies{"Zevora Note:", "You must enter a number of copies,\nA number from 1 to 9.",
                                  MsgIcon::Information};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{noCopies});
        QVERIFY(m_services->printing.jobs.isEmpty());
        QVERIFY(m_dialog->isVisible());
        return;
    }
    QCOMPARE(m_services->printing.jobs.size(), left.toInt());
}

void tst_frmPrint::aCopyThatFailsStopsThePrintingAndKeepsTheWindow()
{
    m_services->printing.failing = {"Gamma"};
    m_page->loadText("text");
    openWindow();
    m_dialog->cboPrinters->setCurrentText("Gamma");
    QTest::keyClicks(m_dialog->txtCopies, "3");
    m_dialog->cmdPrint->click();

    QCOMPARE(m_services->printing.jobs.size(), 1);
    const MessageBox failed{"Zevora Note:", "The page could not be printed on Gamma.", MsgIcon::Exclamation};
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{failed});
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), 0);

    // The user picks another printer and prints again from the same window.
    m_dialog->cboPrinters->setCurrentText("Alpha");
    m_dialog->cmdPrint->click();
    QCOMPARE(m_services->printing.jobs.size(), 4);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void tst_frmPrint::startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst_data()
{
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown");

    QTest::addRow("the default") << "Beta"
                                 << ""
                                 << "Beta";
    QTest::addRow("the one chosen last") << "Beta"
                                         << "Gamma"
                                         << "Gamma";
    QTest::addRow("the one chosen last is gone") << "Beta"
                                                 << "Omega"
                                                 << "Beta";
    QTest::addRow("no default") << ""
                                << ""
                                << "Alpha";
    QTest::addRow("a default that is not listed") << "Omega"
                                                  << ""
                                                  << "Alpha";
}

void tst_frmPrint::startsOnTheLastChosenPrinterElseTheDefaultElseTheFirst()
{
    QFETCH(QString, defaultName);
    QFETCH(QString, current);
    QFETCH(QString, shown);

    m_services->printing.defaultName = defaultName;
    openWindow(current);
    QCOMPARE(m_dialog->cboPrinters->currentText(), shown);
}

QTEST_MAIN(tst_frmPrint)
#include "tst_frmprint.moc"
