// Zevora tests - the Find window, through its controls and the frame's Find tool.
#include "TestFrame.h"

#include "frmFind.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Platform;

namespace {
const MessageBox Halvern{"Halvern", "String not found.\nCare to search from the top of the page?",
                         MsgIcon::None, MsgButtons::YesNo, true};
const MessageBox NoText{"Zevora Note:", "You must enter text to find...", MsgIcon::None, MsgButtons::Ok,
                        true};
} // namespace

class tst_frmFind : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
        m_frame->show();
    }

    void cleanup() { m_test.reset(); }

    void opensBesideTheFrameOncePerFrame()
    {
        m_frame->move(100, 50);
        m_test->page("one");
        frmFind *find = openFind();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->windowTitle(), QString("Find"));
        QVERIFY(find->windowFlags().testFlag(Qt::Tool));
        // 4600 and 1300 twips at 96 dots per inch.
        QCOMPARE(find->frameGeometry().topLeft(),
                 QPoint(100 + m_frame->frameGeometry().width() - 307, 50 + 87));
        QCOMPARE(find->lblEnter->text(), QString("Enter search string above..."));
        QVERIFY(!find->cmdFindNext->isEnabled());

        frmKid *second = m_test->page("two");
        QCOMPARE(openFind(), find);
        QCOMPARE(m_frame->findChildren<frmFind *>().size(), 1);
        QCOMPARE(find->page(), second);
    }

    void findSelectsCountsAndGoesOnFromTheTop()
    {
        frmKid *kid = m_test->page("ab\r\nxx AB 😀 ab");
        kid->richy->setSelStart(1);
        frmFind *find = openFind("aB");
        QTest::keyClick(find->txtFind, Qt::Key_Return); // Enter is Find while Find is enabled
        QCOMPARE(kid->richy->SelStart(), 7);
        QCOMPARE(kid->richy->SelLength(), 2);
        QCOMPARE(find->lblResult->text(), QString("2\noccurrences"));
        QVERIFY(!find->cmdFind->isEnabled());
        QVERIFY(find->cmdFindNext->isEnabled());
        QCOMPARE(find->lblEnter->text(), QString());
        kid->richy->setSelStart(1);
        QTest::keyClick(find->txtFind, Qt::Key_Return);
        QCOMPARE(kid->richy->SelStart(), 1);
        kid->richy->select(7, 2);

        find->cmdFindNext->click();
        QCOMPARE(kid->richy->SelStart(), 13);
        QVERIFY(m_services->messages.shown.isEmpty());
        // Past the last match, Yes searches again from the top, and counts.
        m_services->messages.answerNext(MsgAnswer::Yes);
        find->cmdFindNext->click();
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{Halvern});
        QCOMPARE(kid->richy->SelStart(), 0);
        QCOMPARE(find->lblResult->text(), QString("3\noccurrences"));

        // A single match leaves nothing to go on with.
        kid->richy->setSelStart(8);
        find->txtFind->setText("b 😀");
        find->cmdFind->click();
        QCOMPARE(find->lblResult->text(), QString("1\noccurrences"));
        QVERIFY(!find->cmdFind->isEnabled() && !find->cmdFindNext->isEnabled());

        // After an edit the next start may lie past the end: not found.
        kid->richy->select(0, 12);
        kid->kidPaste("b");
        find->cmdFindNext->setEnabled(true);
        m_services->messages.answerNext(MsgAnswer::No);
        find->cmdFindNext->click();
        QCOMPARE(m_services->messages.shown, (QList<MessageBox>{Halvern, Halvern}));
    }

    void nothingFound_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QList<MessageBox>>("boxes");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("searchAfter");

        const auto row = [](const char *name, int caret, const char *search, const QList<MessageBox> &boxes,
                            const char *result, const char *searchAfter) {
            QTest::newRow(name) << caret << QString(search) << boxes << QString(result)
                                << QString(searchAfter);
        };
        row("from the top", 0, "abd", {}, "The highlighted text was not found\n", "abd");
        row("from the caret, not from the top", 5, "abc", {Halvern}, "", "");
        row("an empty search string", 0, "", {NoText}, "", "");
    }

    void nothingFound()
    {
        QFETCH(int, caret);
        QFETCH(QString, search);
        QFETCH(QList<MessageBox>, boxes);
        QFETCH(QString, result);
        QFETCH(QString, searchAfter);

        frmKid *kid = m_test->page("abc abc");
        kid->richy->setSelStart(caret);
        frmFind *find = openFind(search);
        if (!boxes.isEmpty())
            m_services->messages.answerNext(boxes.first() == Halvern ? MsgAnswer::No : MsgAnswer::Ok);
        find->cmdFind->click();
        QCOMPARE(m_services->messages.shown, boxes);
        QCOMPARE(find->lblResult->text(), result);
        QCOMPARE(find->txtFind->text(), searchAfter);
        QCOMPARE(find->txtFind->selectedText(), searchAfter);
        QCOMPARE(kid->richy->SelStart(), caret);
    }

    void itSearchesItsOwnPageAndClosesWithIt()
    {
        frmKid *first = m_test->page("find me");
        frmFind *find = openFind("me");
        frmKid *second = m_test->page("me too");
        QCOMPARE(m_frame->activeDocument(), second);
        find->cmdFind->click();
        QCOMPARE(m_frame->activeDocument(), first);
        QCOMPARE(first->richy->SelStart(), 5);
        QCOMPARE(second->richy->SelLength(), 0);

        const QPointer<frmFind> watched = find;
        QVERIFY(first->close());
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);
    }

private:
    frmFind *openFind(const QString &text = QString())
    {
        m_frame->Picture1_Click(Tool::Find);
        auto *find = m_frame->findChild<frmFind *>("frmFind");
        if (find)
            find->txtFind->setText(text);
        return find;
    }

    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_frmFind)
#include "tst_frmfind.moc"
