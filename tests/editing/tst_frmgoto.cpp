// Zevora tests - the Go To Line window: lines, the view, refused input, focus.
#include "FakeServices.h"

#include "QtMessageService.h"
#include "Services.h"
#include "frmGoTo.h"
#include "richy.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Platform;

namespace {
const MessageBox OnlyNumbers{"Zevora Note", "Only numbers are accepted.", MsgIcon::Information};
const MessageBox NoSuchLine{"Zevora Note:", "The line number you requested\n...does not exist.",
                            MsgIcon::Information};
const MessageBox EnterANumber{"Zevora Note:", "Enter a line number...", MsgIcon::Information};
} // namespace

class tst_frmGoTo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theWindowAndItsControls();
    void goesToTheStartOfTheNumberedLine_data();
    void goesToTheStartOfTheNumberedLine();
    void theLineGoesToTheTopOfTheView_data();
    void theLineGoesToTheTopOfTheView();
    void onlyDigitsGetIntoTheBox_data();
    void onlyDigitsGetIntoTheBox();
    void losingTheFocusClosesTheWindowButItsOwnBoxesDoNot();

private:
    void openOn(const QByteArray &text);

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QWidget> m_frame;
    richy *m_page = nullptr;
    std::unique_ptr<frmGoTo> m_dialog;
};

void tst_frmGoTo::init()
{
    m_services = std::make_unique<FakeServices>();
    // Every box is compared in full where one is expected.
    m_services->messages.allowUnscripted(true);
    m_frame = std::make_unique<QWidget>();
    m_frame->resize(600, 300);
    m_page = new richy(m_frame.get());
    auto *layout = new QVBoxLayout(m_frame.get());
    layout->addWidget(m_page);
    m_frame->show();
    QTRY_COMPARE(QApplication::activeWindow(), m_frame.get());
}

void tst_frmGoTo::cleanup()
{
    m_dialog.reset();
    m_frame.reset();
    m_services.reset();
}

void tst_frmGoTo::openOn(const QByteArray &text)
{
    m_page->loadText(text);
    m_dialog = std::make_unique<frmGoTo>(m_page, m_frame.get());
    m_dialog->show();
    // The window of a dialog counts as active while its frame is; wait for
    // the dialog itself.
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
}

void tst_frmGoTo::theWindowAndItsControls()
{
    openOn("a\r\nb");
    QCOMPARE(m_dialog->windowTitle(), QString("Go To Line"));
    QVERIFY(m_dialog->isModal());
    QCOMPARE(m_dialog->Label1->text(), QString("Go To Line Number:"));
    QCOMPARE(m_dialog->cmdOK->text(), QString("Enter"));
    QCOMPARE(m_dialog->cmdCancel->text(), QString("Cancel"));
    for (const char *name : {"Label1", "txtLineNum", "cmdOK", "cmdCancel"})
        QVERIFY2(m_dialog->findChild<QWidget *>(name), name);
    QCOMPARE(m_dialog->txtLineNum->accessibleName(), QString("Go To Line Number:"));
    QVERIFY(m_dialog->txtLineNum->hasFocus());
    // 2000 and 1000 twips from the frame's corner, at 15 twips a pixel (96 DPI).
    QCOMPARE(m_dialog->pos() - m_frame->frameGeometry().topLeft(), QPoint(133, 67));
}

void tst_frmGoTo::goesToTheStartOfTheNumberedLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qsizetype>("caret");

    // Five lines; the caret starts in the middle of the third ("ccé" + "€").
    const QList<QPair<const char *, QByteArray>> pages = {
        {"CRLF", "a\r\nbb\r\nccé€\r\n😀d\r\ne"},
        {"LF", "a\nbb\nccé€\n😀d\ne"},
        {"CR", "a\rbb\rccé€\r😀d\re"},
    };
    for (const auto &[ending, text] : pages) {
        const qsizetype lineBreak = qstrcmp(ending, "CRLF") == 0 ? 2 : 1;
        const qsizetype third = 1 + lineBreak + 2 + lineBreak;
        const qsizetype fifth = third + 4 + lineBreak + 3 + lineBreak;
        QTest::addRow("%s: line 1", ending) << text << "1" << qsizetype(0);
        QTest::addRow("%s: line 3", ending) << text << "3" << third;
        QTest::addRow("%s: the last line", ending) << text << "5" << fifth;
        QTest::addRow("%s: leading zeros", ending) << text << "0005" << fifth;
        QTest::addRow("%s: line 0 is the caret's own line", ending) << text << "0" << third;
        QTest::addRow("%s: one past the last", ending) << text << "6" << qsizetype(-1);
        QTest::addRow("%s: 30 digits", ending) << text << QString(30, '9') << qsizetype(-1);
        QTest::addRow("%s: 2^64 + 1", ending) << text << "18446744073709551617" << qsizetype(-1);
        QTest::addRow("%s: nothing typed", ending) << text << "" << qsizetype(-2);
    }
}

void tst_frmGoTo::goesToTheStartOfTheNumberedLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, typed);
    QFETCH(qsizetype, caret);

    openOn(text);
    const qsizetype before = text.startsWith("a\r\n") ? 9 : 7;
    m_page->setSelStart(before);
    QTest::keyClicks(m_dialog->txtLineNum, typed);
    QCOMPARE(m_dialog->txtLineNum->text(), typed);
    QTest::keyClick(m_dialog->txtLineNum, Qt::Key_Return);

    if (caret >= 0) {
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(m_page->SelStart(), caret);
        QCOMPARE(m_page->SelLength(), qsizetype(0));
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_dialog->isVisible());
        return;
    }
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{caret == -1 ? NoSuchLine : EnterANumber});
    QCOMPARE(m_page->SelStart(), before);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->txtLineNum->hasFocus());
    if (caret == -1)
        QCOMPARE(m_dialog->txtLineNum->selectedText(), typed);
}

void tst_frmGoTo::theLineGoesToTheTopOfTheView_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addRow("no wrap") << false;
    QTest::addRow("word wrap") << true;
}

void tst_frmGoTo::theLineGoesToTheTopOfTheView()
{
    QFETCH(bool, wrap);

    // Long lines: with word wrap each takes several rows of the view.
    QByteArray text;
    for (int i = 1; i <= 300; ++i)
        text += "line " + QByteArray::number(i) + QByteArray(" words to wrap").repeated(20) + "\r\n";
    m_page->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    openOn(text);
    QTest::keyClicks(m_dialog->txtLineNum, "120");
    QTest::keyClick(m_dialog->txtLineNum, Qt::Key_Return);

    const long firstRow = m_page->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    QCOMPARE(m_page->SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, (unsigned long)firstRow), 119);
    QCOMPARE(m_page->lineFromIndex(m_page->SelStart()), qsizetype(119));
    QCOMPARE(m_page->textRange(m_page->SelStart(), 9), QString("line 120 "));
}

void tst_frmGoTo::onlyDigitsGetIntoTheBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("refused");

    // The box holds "12" with the caret at its end.
    QTest::addRow("a digit") << "type"
                             << "3"
                             << "123" << false;
    QTest::addRow("a letter") << "type"
                              << "x"
                              << "12" << true;
    QTest::addRow("a blank") << "type"
                             << " "
                             << "12" << true;
    QTest::addRow("an Arabic-Indic digit") << "type"
                                           << "٣"
                                           << "12" << true;
    QTest::addRow("Backspace") << "key" << QString::number(Qt::Key_Backspace) << "12" << true;
    QTest::addRow("Left, then Delete") << "left-delete"
                                       << ""
                                       << "1" << false;
    QTest::addRow("a paste of digits") << "paste"
                                       << "345"
                                       << "12345" << false;
    QTest::addRow("a paste with a letter") << "paste"
                                           << "34a"
                                           << "12" << true;
    QTest::addRow("a drop of digits") << "drop"
                                      << "9"
                                      << "129" << false;
    QTest::addRow("a drop with a letter") << "drop"
                                          << "9b"
                                          << "12" << true;
    QTest::addRow("a paste with a line break") << "paste"
                                               << "34\n"
                                               << "12" << true;
}

void tst_frmGoTo::onlyDigitsGetIntoTheBox()
{
    QFETCH(QString, how);
    QFETCH(QString, what);
    QFETCH(QString, left);
    QFETCH(bool, refused);

    openOn("a");
    QLineEdit *box = m_dialog->txtLineNum;
    QTest::keyClicks(box, "12");
    if (how == "type") {
        // A key event of any character, also one no Latin keyboard has.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, what);
        QApplication::sendEvent(box, &press);
    } else if (how == "key") {
        QTest::keyClick(box, Qt::Key(what.toInt()));
    } else if (how == "left-delete") {
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Delete);
    } else if (how == "drop") {
        QMimeData data;
        data.setText(what);
        const QPointF end(box->width() - 4, box->height() / 2);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    } else {
        QGuiApplication::clipboard()->setText(what);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(box->text(), left);
    QCOMPARE(m_services->messages.shown, refused ? QList<MessageBox>{OnlyNumbers} : QList<MessageBox>{});
    QVERIFY(m_dialog->isVisible());
    if (refused) {
        // The caret stays where it was: typing goes on at the end.
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), left + "7");
    }
}

void tst_frmGoTo::losingTheFocusClosesTheWindowButItsOwnBoxesDoNot()
{
    QtMessageService realBoxes;
    Services::install(&realBoxes, nullptr, nullptr);
    openOn("a");
    int boxes = 0;
    // The real box takes the focus while it is up.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && QApplication::activeWindow() == box) {
            ++boxes;
            box->accept();
        }
    });
    closer.start(10);
    QTest::keyClick(m_dialog->txtLineNum, Qt::Key_X);
    QTest::keyClick(m_dialog->txtLineNum, Qt::Key_Return);
    closer.stop();
    Services::install(&m_services->messages, nullptr, nullptr);
    QCOMPARE(boxes, 2);
    QCoreApplication::processEvents();
    QVERIFY(m_dialog->isVisible());

    m_dialog->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isVisible(), 2000);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
}

QTEST_MAIN(tst_frmGoTo)
#include "tst_frmgoto.moc"
