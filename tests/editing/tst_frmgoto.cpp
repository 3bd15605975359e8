// Zevora tests - the Go To Line window: lines, the view, refused input, focus.
#include "FakeServices.h"

#include "QtMessageService.h"
#include "Services.h"
#include "frmGoTo.h"
#include "richy.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Platform;

class tst_frmGoTo : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_services = std::make_unique<FakeServices>();
        m_services->messages.allowUnscripted(true); // boxes are compared in full
        m_frame = std::make_unique<QWidget>();
        m_frame->resize(600, 300);
        m_page = new richy(m_frame.get());
        (new QVBoxLayout(m_frame.get()))->addWidget(m_page);
        m_frame->show();
        QTRY_COMPARE(QApplication::activeWindow(), m_frame.get());
    }

    void cleanup()
    {
        m_dialog.reset();
        m_frame.reset();
        m_services.reset();
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
            row("line 1", "1", 0);
            row("line 3", "3", third);
            row("the last line", "5", fifth);
            row("leading zeros", "0005", fifth);
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
        QTest::keyClicks(m_dialog->txtLineNum, typed);
        QTest::keyClick(m_dialog->txtLineNum, Qt::Key_Return);

        if (caret >= 0) {
            QVERIFY(m_services->messages.shown.isEmpty());
            QCOMPARE(m_page->SelStart(), caret);
            QCOMPARE(m_page->SelLength(), qsizetype(0));
            QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
            return;
        }
        const MessageBox box{"Zevora Note:",
                             caret == -1 ? "The line number you requested\n...does not exist."
                                         : "Enter a line number...",
                             MsgIcon::Information};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{box});
        QCOMPARE(m_page->SelStart(), before);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(m_dialog->txtLineNum->hasFocus());
        QCOMPARE(m_dialog->txtLineNum->selectedText(), caret == -1 ? typed : QString());
    }

    void theLineGoesToTheTopOfTheView_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::addRow("no wrap") << false;
        QTest::addRow("word wrap") << true;
    }

    void theLineGoesToTheTopOfTheView()
    {
        QFETCH(bool, wrap);

        // Long lines: with word wrap each takes several rows of the view.
        QByteArray text;
        for (int i = 1; i <= 300; ++i)
            text += "line " + QByteArray::number(i) + QByteArray(" words to wrap").repeated(20) + "\r\n";
        m_page->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
        openOn(text);
        // 2000 and 1000 twips from the frame's corner: 15 twips a pixel at 96 DPI.
        QCOMPARE(m_dialog->pos() - m_frame->frameGeometry().topLeft(), QPoint(133, 67));
        QTest::keyClicks(m_dialog->txtLineNum, "120");
        QTest::keyClick(m_dialog->txtLineNum, Qt::Key_Return);

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
        row("a drop with a letter", "drop", "9b", "12");
    }

    void onlyDigitsGetIntoTheBox()
    {
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(QString, left);

        openOn("a");
        QLineEdit *box = m_dialog->txtLineNum;
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
        QTest::keyClick(m_dialog->txtLineNum, Qt::Key_X);
        closer.stop();
        Services::install(&m_services->messages, nullptr, nullptr);
        QCOMPARE(boxes, 1);
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

private:
    void openOn(const QByteArray &text)
    {
        m_page->loadText(text);
        m_dialog = std::make_unique<frmGoTo>(m_page, m_frame.get());
        m_dialog->show();
        // A dialog's window counts as active while its frame is: wait for the dialog.
        QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QWidget> m_frame;
    richy *m_page = nullptr;
    std::unique_ptr<frmGoTo> m_dialog;
};

QTEST_MAIN(tst_frmGoTo)
#include "tst_frmgoto.moc"
