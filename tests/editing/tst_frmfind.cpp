// Zevora tests - the Find window, through its controls and the frame's Find tool.
#include "FakeServices.h"
#include "TestSettings.h"

#include "frmFind.h"
#include "frmKid.h"
#include "richy.h"
#include "topForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Platform;

namespace {
const MessageBox HalvernBox{QStringLiteral("Halvern"),
                            QStringLiteral("String not found.\nCare to search from the top of the page?"),
                            MsgIcon::None, MsgButtons::YesNo, true};
} // namespace

class tst_frmFind : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensBesideTheFrameOncePerFrame();
    void findSelectsTheMatchAndCountsToTheEnd();
    void findNextGoesOnAndOffersTheTopAtTheEnd();
    void answeringNoClearsTheSearch();
    void notFoundFromTheTop();
    void enterFindsOnlyWhileFindIsEnabled();
    void aStaleNextStartFindsNothing();
    void anEmptySearchStringIsRefused();
    void itSearchesItsOwnPageAndClosesWithIt();

private:
    frmKid *page(const QByteArray &text);
    frmFind *openFind();
    void search(frmFind *find, const QString &text);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<topForm> m_frame;
};

void tst_frmFind::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_services = std::make_unique<FakeServices>();
    m_services->sound.available = false;
    m_frame = std::make_unique<topForm>();
    m_frame->show();
}

void tst_frmFind::cleanup()
{
    m_services->messages.allowUnscripted(true);
    for (frmKid *kid : m_frame->documents())
        kid->richy->setDataChanged(false);
    m_frame.reset();
    m_services.reset();
    m_settings.reset();
}

frmKid *tst_frmFind::page(const QByteArray &text)
{
    frmKid *kid = m_frame->newDocumentWindow();
    kid->richy->loadText(text);
    return kid;
}

frmFind *tst_frmFind::openFind()
{
    m_frame->Picture1_Click(Tool::Find);
    auto *find = m_frame->findChild<frmFind *>(QStringLiteral("frmFind"));
    if (find && !QTest::qWaitForWindowExposed(find))
        return nullptr;
    return find;
}

void tst_frmFind::search(frmFind *find, const QString &text)
{
    find->txtFind->setText(text);
    find->cmdFind->click();
}

void tst_frmFind::opensBesideTheFrameOncePerFrame()
{
    m_frame->move(100, 50);
    frmKid *first = page("one");
    frmFind *find = openFind();
    QVERIFY(find);
    QCOMPARE(find->windowTitle(), QStringLiteral("Find"));
    QVERIFY(find->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(find->parentWidget(), m_frame.get());
    // 4600 and 1300 twips at 96 dots per inch.
    QCOMPARE(find->frameGeometry().topLeft(), QPoint(100 + m_frame->frameGeometry().width() - 307, 50 + 87));
    QCOMPARE(find->lblEnter->text(), QStringLiteral("Enter search string above..."));
    QCOMPARE(find->cmdCancel->text(), QStringLiteral("Close"));
    QVERIFY(!find->cmdFindNext->isEnabled());
    QCOMPARE(find->page(), first);

    frmKid *second = page("two");
    QCOMPARE(openFind(), find);
    QCOMPARE(m_frame->findChildren<frmFind *>().size(), 1);
    QCOMPARE(find->page(), second);
    QVERIFY(m_frame->lblResult);
    QCOMPARE(m_frame->lblResult->objectName(), QStringLiteral("lblResult"));
}

void tst_frmFind::findSelectsTheMatchAndCountsToTheEnd()
{
    frmKid *kid = page("xx yy XX xx");
    kid->richy->setSelStart(1);
    frmFind *find = openFind();
    search(find, "xX");
    QCOMPARE(kid->richy->SelStart(), 6);
    QCOMPARE(kid->richy->SelLength(), 2);
    QCOMPARE(find->lblResult->text(), QStringLiteral("2\noccurrences"));
    QVERIFY(!find->cmdFind->isEnabled());
    QVERIFY(find->cmdFindNext->isEnabled());
    QCOMPARE(find->nextStart(), 8);
    QCOMPARE(find->lblEnter->text(), QString());

    // A single match leaves nothing to go on with.
    kid->richy->setSelStart(6);
    search(find, "XX ");
    QCOMPARE(find->lblResult->text(), QStringLiteral("1\noccurrences"));
    QVERIFY(!find->cmdFind->isEnabled());
    QVERIFY(!find->cmdFindNext->isEnabled());
    QVERIFY(m_services->messages.shown.isEmpty());
}

void tst_frmFind::findNextGoesOnAndOffersTheTopAtTheEnd()
{
    frmKid *kid = page("ab\r\nAB 😀 ab");
    frmFind *find = openFind();
    search(find, "ab");
    QCOMPARE(find->lblResult->text(), QStringLiteral("3\noccurrences"));
    find->cmdFindNext->click();
    QCOMPARE(kid->richy->SelStart(), 4);
    find->cmdFindNext->click();
    QCOMPARE(kid->richy->SelStart(), 10);
    QCOMPARE(kid->richy->SelText(), QStringLiteral("ab"));
    QVERIFY(m_services->messages.shown.isEmpty());

    m_services->messages.answerNext(MsgAnswer::Yes);
    find->cmdFindNext->click();
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{HalvernBox});
    QCOMPARE(kid->richy->SelStart(), 0);
    QCOMPARE(kid->richy->SelLength(), 2);
    QCOMPARE(find->lblResult->text(), QStringLiteral("3\noccurrences"));
}

void tst_frmFind::answeringNoClearsTheSearch()
{
    frmKid *kid = page("abc abc");
    kid->richy->setSelStart(5);
    frmFind *find = openFind();
    m_services->messages.answerNext(MsgAnswer::No);
    search(find, "abc");
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{HalvernBox});
    QCOMPARE(find->txtFind->text(), QString());
    QCOMPARE(find->lblResult->text(), QString());
    QCOMPARE(find->lblEnter->text(), QStringLiteral("Enter search string above..."));
    QCOMPARE(kid->richy->SelStart(), 5);
}

void tst_frmFind::notFoundFromTheTop()
{
    page("abc");
    frmFind *find = openFind();
    search(find, "abd");
    QVERIFY(m_services->messages.shown.isEmpty());
    QCOMPARE(find->lblResult->text(), QStringLiteral("The highlighted text was not found\n"));
    QCOMPARE(find->txtFind->selectedText(), QStringLiteral("abd"));
}

void tst_frmFind::enterFindsOnlyWhileFindIsEnabled()
{
    frmKid *kid = page("one two one");
    frmFind *find = openFind();
    find->txtFind->setText("ONE");
    QTest::keyClick(find->txtFind, Qt::Key_Return);
    QCOMPARE(kid->richy->SelStart(), 0);
    QCOMPARE(find->lblResult->text(), QStringLiteral("2\noccurrences"));
    kid->richy->setSelStart(1);
    QTest::keyClick(find->txtFind, Qt::Key_Return);
    QCOMPARE(kid->richy->SelStart(), 1);
    QCOMPARE(kid->richy->text(), QStringLiteral("one two one"));
}

void tst_frmFind::aStaleNextStartFindsNothing()
{
    frmKid *kid = page("0123456789 abc");
    frmFind *find = openFind();
    search(find, "abc");
    QCOMPARE(find->nextStart(), 14);
    find->cmdFindNext->setEnabled(true);
    kid->richy->select(0, 11);
    kid->kidPaste("abc");
    m_services->messages.answerNext(MsgAnswer::No);
    find->cmdFindNext->click();
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{HalvernBox});
    QCOMPARE(kid->richy->text(), QStringLiteral("abcabc"));
}

void tst_frmFind::anEmptySearchStringIsRefused()
{
    page("abc");
    frmFind *find = openFind();
    m_services->messages.answerNext(MsgAnswer::Ok);
    find->cmdFind->click();
    const MessageBox refused{"Zevora Note:", "You must enter text to find...", MsgIcon::None, MsgButtons::Ok,
                             true};
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{refused});
}

void tst_frmFind::itSearchesItsOwnPageAndClosesWithIt()
{
    frmKid *first = page("find me");
    frmFind *find = openFind();
    frmKid *second = page("me too");
    QCOMPARE(m_frame->activeDocument(), second);
    search(find, "me");
    QCOMPARE(m_frame->activeDocument(), first);
    QCOMPARE(first->richy->SelStart(), 5);
    QCOMPARE(second->richy->SelStart(), 0);
    QCOMPARE(second->richy->SelLength(), 0);

    const QPointer<frmFind> watched = find;
    QVERIFY(first->close());
    QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);
}

QTEST_MAIN(tst_frmFind)
#include "tst_frmfind.moc"
