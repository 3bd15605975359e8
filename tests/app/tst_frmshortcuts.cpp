// Zevora tests - the Key Macros window: its list, the instruction picture and the tag reference boxes.
#include "TestFrame.h"

#include "MacroKeys.h"
#include "MacroKeysPicture.h"
#include "QtMessageService.h"
#include "Services.h"
#include "frmShortcuts.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

using namespace Platform;

class tst_frmShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_services = std::make_unique<FakeServices>();
        m_window = std::make_unique<frmShortcuts>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_services.reset();
    }

    // The list is a promise about the keys: " t - <Table>" must be what Ctrl+T writes.
    void eachTagItemShowsTheTextItsKeyInserts()
    {
        QListWidget *list = m_window->List1;
        QCOMPARE(list->count(), 18);
        for (int row = 2; row <= 16; ++row) {
            const QString item = list->item(row)->text();
            const QString text = MacroKeys::text(item.at(1).toUpper().unicode(), MacroKeys::Ctrl);
            const QString shown = item.mid(5);
            if (text.startsWith('<'))
                QVERIFY2(shown.compare(text, Qt::CaseInsensitive) == 0, qPrintable(item));
            else
                QVERIFY2(text == "&quot;" || text == "&nbsp;", qPrintable(item));
        }
        // Every item fits without scrolling, above the label.
        QVERIFY(list->geometry().bottom() < m_window->Label1->geometry().top());
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(17))));
    }

    void eachItemShowsItsReferenceOrNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title"); // empty: nothing is shown
        // The first and last tag items, and one between: a list read one row
        // off shows another item's reference. The blanks and the indexes
        // outside the list show nothing.
        QTest::addRow("before the list") << -1 << QString();
        QTest::addRow("the blank under the first item") << 1 << QString();
        QTest::addRow("the first tag") << 2 << QString("ANCHOR:");
        QTest::addRow("the table tag, by Enter") << 14 << QString("TABLE TAG:");
        QTest::addRow("the last tag") << 16 << QString("SPACE:");
        QTest::addRow("the blank at the end") << 17 << QString();
        QTest::addRow("past the list") << 18 << QString();
    }

    void eachItemShowsItsReferenceOrNothing()
    {
        QFETCH(int, row);
        QFETCH(QString, title);
        if (!title.isEmpty())
            m_services->messages.answerNext(MsgAnswer::Ok);
        if (row == 14) { // the keyboard reaches the reference too
            m_window->List1->setFocus();
            m_window->List1->setCurrentRow(row);
            QTest::keyClick(m_window->List1, Qt::Key_Return);
        } else if (row < 0 || row >= m_window->List1->count()) {
            m_window->List1_Click(row);
        } else {
            clickItem(row);
        }
        QCOMPARE(m_services->messages.shown.size(), title.isEmpty() ? 0 : 1);
        for (const MessageBox &box : m_services->messages.shown) // the reference, when one is shown
            QCOMPARE(box, (MessageBox{title, box.text, MsgIcon::None, MsgButtons::Ok}));
        QVERIFY(m_window->List1->isVisible() && !m_window->Image1->isVisible());
    }

    void theRealBoxShowsTheTagsAsWritten()
    {
        QtMessageService real;
        Services::install(&real, nullptr, nullptr);
        bool shown = false;
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            box->accept(); // closed first: a failed comparison below leaves no box open
            shown = true;
            QCOMPARE(box->windowTitle(), QString("PREFORMATTED TEXT:"));
            QCOMPARE(box->text(), QString("The text included between <PRE> tags is\n"
                                          "monospaced and holds white space.\n"
                                          "Replacement for <XMP> (see below)"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        });
        clickItem(12);
        Services::install(&m_services->messages, nullptr, nullptr);
        QVERIFY(shown);
    }

    void aClickBringsTheListBack_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addRow("on the picture") << "Image1";
        QTest::addRow("on the label") << "Label1";
        QTest::addRow("on the window's background") << "frmShortcuts";
    }

    // The first item shows the picture in the list's place; a click brings the list back.
    void aClickBringsTheListBack()
    {
        QFETCH(QString, target);
        const QRect listPlace = m_window->List1->geometry();
        const QSize windowSize = m_window->size();
        clickItem(0);
        m_window->layout()->activate();
        QVERIFY(!m_window->List1->isVisible());
        QVERIFY(m_window->Image1->isVisible() && m_window->isShowingInstructions());
        QVERIFY(m_window->Image1->geometry().intersects(listPlace));
        QCOMPARE(m_window->size(), windowSize);
        // Drawn at the screen's pixel ratio, so that it stays sharp.
        QCOMPARE(m_window->Image1->pixmap().devicePixelRatio(), m_window->devicePixelRatioF());
        QCOMPARE(m_window->Image1->pixmap().deviceIndependentSize().toSize(), MacroKeysPictureSize);
        QCOMPARE(macroKeysPicture(2.0).size(), MacroKeysPictureSize * 2);

        QWidget *widget =
            target == m_window->objectName() ? m_window.get() : m_window->findChild<QWidget *>(target);
        QVERIFY(widget);
        // The window's own margin is background; the others are clicked in their middle.
        const QPoint where = widget == m_window.get() ? QPoint(3, 3) : widget->rect().center();
        QCOMPARE(m_window->childAt(widget->mapTo(m_window.get(), where)),
                 widget == m_window.get() ? nullptr : widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, where);

        QVERIFY(m_window->List1->isVisible());
        QVERIFY(!m_window->Image1->isVisible());
    }

private:
    // A real mouse click on the row, as the user makes it.
    void clickItem(int row)
    {
        QListWidgetItem *item = m_window->List1->item(row);
        QVERIFY(item);
        const QRect where = m_window->List1->visualItemRect(item);
        QVERIFY(!where.isEmpty());
        QTest::mouseClick(m_window->List1->viewport(), Qt::LeftButton, {}, where.center());
    }

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<frmShortcuts> m_window;
};

QTEST_MAIN(tst_frmShortcuts)
#include "tst_frmshortcuts.moc"
