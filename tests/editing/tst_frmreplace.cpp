// Zevora tests - the Replace window, through its controls and the frame's Replace tool.
#include "TestFrame.h"

#include "frmReplace.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <new>

using namespace Platform;

namespace {
MessageBox note(const QString &text, const QString &title = QStringLiteral("Zevora Note:"))
{
    return MessageBox{title, text, MsgIcon::None, MsgButtons::Ok, true};
}
} // namespace

class tst_frmReplace : public QObject
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

    void refusedAndUnmatchedTextsChangeNothing_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<MessageBox>("box");

        const auto row = [](const char *name, bool all, const char *find, const char *with,
                            const MessageBox &box) {
            QTest::newRow(name) << all << QString(find) << QString(with) << box;
        };
        row("Replace Next without a text", false, "", "x", note("Enter text to be replaced."));
        row("Replace Next without a replacement", false, "a", "",
            note("Enter text to replace with...", "Zevora"));
        row("Replace All without a text", true, "", "x", note("Enter text to be replaced."));
        row("Replace All without a replacement", true, "a", "", note("Enter text to replace with..."));
        row("Replace Next without a match", false, "A", "x", note("No match found"));
        row("Replace All without a match", true, "A", "x", note("No match found"));
    }

    void refusedAndUnmatchedTextsChangeNothing()
    {
        QFETCH(bool, all);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(MessageBox, box);

        frmKid *kid = m_test->page("a page");
        frmReplace *replace = openReplace(find, with);
        m_services->messages.answerNext(MsgAnswer::Ok);
        (all ? replace->cmdReplaceAll : replace->cmdReplace)->click();
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{box});
        QCOMPARE(kid->richy->Text(), QStringLiteral("a page"));
        QVERIFY(kid->undoStack().isEmpty());
        QVERIFY(replace->isVisible());
        // Typing afterwards is recorded as ever.
        kid->richy->setSelStart(6);
        QTest::keyClicks(kid->richy, "!");
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        QCOMPARE(kid->undoStack().top(), (EditStep{6, "", "!"}));
    }

    void replaceNextReplacesTheFirstOccurrenceInThePage()
    {
        frmKid *kid = m_test->page("abc ABC abc");
        kid->richy->setSelStart(9);
        frmReplace *replace = openReplace("abc", "x\r\ny");
        QCOMPARE(replace->windowTitle(), QStringLiteral("Replace"));
        replace->cmdReplace->click();
        QCOMPARE(kid->richy->Text(), QStringLiteral("x\r\ny ABC abc"));
        QCOMPARE(kid->undoStack().top(), (EditStep{0, "abc", "x\r\ny"}));
        QCOMPARE(m_frame->lblResult->text(), QStringLiteral("Last Replace changed 1 occurrence."));
        QVERIFY(replace->cmdReplace->isEnabled());

        replace->cmdReplace->click();
        QCOMPARE(kid->richy->Text(), QStringLiteral("x\r\ny ABC x\r\ny"));
        QVERIFY(!replace->cmdReplace->isEnabled());
        QVERIFY(!replace->cmdReplaceAll->isEnabled());
        QTest::keyClicks(replace->txtReplaceWith, "z");
        QVERIFY(replace->cmdReplace->isEnabled());
        QVERIFY(replace->cmdReplaceAll->isEnabled());
    }

    void replaceAllIsOneStepWithProgressEveryHundred()
    {
        const QByteArray before = QByteArray("<td>a</td>\r\n").repeated(250) + "A";
        frmKid *kid = m_test->page(before);
        frmReplace *replace = openReplace("a", "é");
        const QPointer<frmReplace> watched = replace;
        replace->cmdReplaceAll->click();

        const QString after = QString("<td>é</td>\r\n").repeated(250) + "A";
        QCOMPARE(kid->richy->Text(), after);
        QCOMPARE(m_services->messages.progressTexts, QStringList({"Replaced 100 occurrences.\nHang on...",
                                                                  "Replaced 200 occurrences.\nHang on..."}));
        QCOMPARE(m_services->messages.progressTitles, QStringList({"Zevora Note:", "Zevora Note:"}));
        QCOMPARE(m_services->messages.progressEnded, 1);
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(m_frame->lblResult->text(), QStringLiteral("Last Replace changed  250 occurrences."));
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        QCOMPARE(kid->undoStack().top(), (EditStep{-1, QString::fromUtf8(before), after}));
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);

        kid->cmdUndo_Click();
        QCOMPARE(kid->richy->Text(), QString::fromUtf8(before));
        kid->cmdRedo_Click();
        QCOMPARE(kid->richy->Text(), after);
    }

    void replaceAllKeepsThePageLineEnding()
    {
        frmKid *kid = m_test->page("one\ntwo\none\n");
        openReplace("one", "1\r\n1")->cmdReplaceAll->click();
        QCOMPARE(kid->richy->Text(), QStringLiteral("1\n1\ntwo\n1\n1\n"));
        QCOMPARE(kid->richy->lineBreak(), QStringLiteral("\n"));
        QCOMPARE(kid->undoStack().top().second, kid->richy->Text());
    }

    void aFailureLeavesThePageAsItWas()
    {
        const QByteArray before = QByteArray("a ").repeated(150);
        frmKid *kid = m_test->page(before);
        frmReplace *replace = openReplace("a", "b");
        m_services->messages.onProgress = [](const QString &) { throw std::bad_alloc(); };
        m_services->messages.answerNext(MsgAnswer::Ok);
        replace->cmdReplaceAll->click();
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{note("Too much to handle at this time!")});
        QCOMPARE(m_services->messages.progressEnded, 1);
        QCOMPARE(kid->richy->Text(), QString::fromUtf8(before));
        QVERIFY(kid->undoStack().isEmpty());
        QVERIFY(replace->isVisible());

        // Changes are recorded one by one again.
        kid->richy->setSelStart(0);
        QTest::keyClicks(kid->richy, "z");
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        QCOMPARE(kid->undoStack().top(), (EditStep{0, "", "z"}));
    }

    void whileItWorksAnotherPageMayComeOrItsPageGo_data()
    {
        QTest::addColumn<bool>("pageGoes");
        QTest::addRow("another page is activated") << false;
        QTest::addRow("its page is closed") << true;
    }

    void whileItWorksAnotherPageMayComeOrItsPageGo()
    {
        QFETCH(bool, pageGoes);
        frmKid *own = m_test->page(QByteArray("a").repeated(120));
        const QPointer<frmKid> watchedPage = own;
        const QPointer<frmReplace> replace = openReplace("a", "b");
        frmKid *other = m_test->page("a a a");
        // A file handed over by a second start becomes the active page.
        m_services->messages.onProgress = [&](const QString &) {
            if (pageGoes)
                own->close();
            else
                m_frame->mdiArea->setActiveSubWindow(other);
        };
        replace->cmdReplaceAll->click();
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(other->richy->Text(), QString("a a a"));
        QVERIFY(other->undoStack().isEmpty());
        if (pageGoes) {
            QVERIFY(m_frame->lblResult->text().isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(!watchedPage && !replace, 2000);
        } else {
            QCOMPARE(own->richy->Text(), QString("b").repeated(120));
            QCOMPARE(own->undoStack().stackLevel(), 1);
            QCOMPARE(m_frame->activeDocument(), other);
        }
    }

private:
    frmReplace *openReplace(const QString &find, const QString &with)
    {
        m_frame->Picture1_Click(Tool::Replace);
        auto *replace = m_frame->findChild<frmReplace *>(QStringLiteral("frmReplace"));
        if (!replace)
            return nullptr;
        replace->txtReplace->setText(find);
        replace->txtReplaceWith->setText(with);
        return replace;
    }

    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_frmReplace)
#include "tst_frmreplace.moc"
