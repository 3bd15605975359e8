// Zevora tests - Find and Replace: the search core (case folding, positions,
// counts) and the two windows, through their controls and the frame's tools.
#include "TestFrame.h"

#include "PageFinder.h"
#include "RichyText.h"
#include "frmFind.h"
#include "frmReplace.h"
#include "mReplace.h"

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
const MessageBox Halvern{"Halvern", "String not found.\nCare to search from the top of the page?",
                         MsgIcon::None, MsgButtons::YesNo, true};
const MessageBox NoText = note("You must enter text to find...");
} // namespace

class tst_FindReplace : public QObject
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

    void findsIgnoringCaseAndCountsFromTheStart_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("found");
        QTest::addColumn<qsizetype>("count");
        const auto row = [](const char *name, const QString &page, const QString &needle, qsizetype start,
                            qsizetype found, qsizetype count) {
            QTest::newRow(name) << page << needle << start << found << count;
        };
        row("é finds É", "café CAFÉ", "É", 0, 3, 2);
        row("ß does not find SS", "STRASSE", "ß", 0, -1, 0);
        row("capital sharp s finds ß", "Straße", "\u1E9E", 0, 4, 1);
        row("final sigma finds sigma", "ΟΔΟΣ οδος", "ς", 0, 3, 2);
        row("an emoji before a match", "😀 abc", "ABC", 0, 3, 1);
        row("a character beyond 16 bits folds", "x\U00010400y\U00010428", "\U00010428", 0, 1, 2);
        row("CRLF before a match", "one\r\ntwo\r\nabc", "ABC", 0, 10, 1);
        row("aaaa holds aa twice", "aaaa", "aa", 0, 0, 2);
        row("counting from the caret", "zz yy ZZ zz", "zz", 1, 6, 2);
        row("a start at the end", "abc", "c", 3, -1, 0);
        row("70,000 matches", QStringLiteral("ab ").repeated(70'000), "AB", 0, 0, 70'000);
    }

    void findsIgnoringCaseAndCountsFromTheStart()
    {
        QFETCH(QString, page);
        QFETCH(QString, needle);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, found);
        QFETCH(qsizetype, count);

        richy editor;
        editor.loadText(page.toUtf8());
        const RichyText text(&editor);
        const PageFinder finder(needle, PageFinder::Case::Ignore);
        QCOMPARE(finder.find(text, start), found);
        QCOMPARE(finder.count(text, found >= 0 ? found : start), count);
    }

    void replaceAllReplacesEveryOccurrenceOnce_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::addColumn<qsizetype>("replacements");
        const auto row = [](const char *name, const QString &page, const QString &find, const QString &with,
                            const QString &result, qsizetype replacements) {
            QTest::newRow(name) << page << find << with << result << replacements;
        };
        row("a by ab", "aaa", "a", "ab", "ababab", 3);
        row("aaaa/aa", "aaaa", "aa", "b", "bb", 2);
        // The text is searched a megabyte at a time.
        const QString megabyte(1 << 20, u'a');
        row("a match across the first megabyte's end", megabyte + "xy", "xy", "z", megabyte + "z", 1);
    }

    void replaceAllReplacesEveryOccurrenceOnce()
    {
        QFETCH(QString, page);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QFETCH(qsizetype, replacements);

        const mReplace::Result replaced = mReplace::replaceAll(page, find, with);
        QCOMPARE(replaced.text, result);
        QCOMPARE(replaced.replacements, replacements);
        QVERIFY(replaced.finished);
    }

    void replaceAllAndDecodingRunEventsAndStopWhenTold()
    {
        struct Listener : mReplace::Listener
        {
            int events = 0;
            int stopAfterEvents = -1;
            bool runEvents() override { return ++events != stopAfterEvents; }
            void replaced(qsizetype) override {}
        };
        const QString page = QStringLiteral("<p>x</p>").repeated(70'000);
        Listener listener;
        const mReplace::Result result =
            mReplace::replaceAll(page, QStringLiteral("x"), QStringLiteral("yz"), &listener);
        QCOMPARE(result.replacements, 70'000);
        QCOMPARE(result.text, QStringLiteral("<p>yz</p>").repeated(70'000));
        QVERIFY(listener.events >= 3'500);

        Listener stopping;
        stopping.stopAfterEvents = 2;
        const mReplace::Result stopped =
            mReplace::replaceAll(page, QStringLiteral("x"), QStringLiteral("y"), &stopping);
        QVERIFY(!stopped.finished);
        QCOMPARE(stopped.replacements, 40);

        richy editor;
        editor.loadText(QByteArray("\xEF\xBB\xBF") + QStringLiteral("é€😀\r\n").repeated(300'000).toUtf8());
        Listener decoding;
        const std::optional<QString> decoded = mReplace::decodeUtf8(RichyText(&editor), &decoding);
        QVERIFY(decoded);
        QCOMPARE(*decoded, QChar(0xFEFF) + QStringLiteral("é€😀\r\n").repeated(300'000));
    }

    void findOpensOnceBesideTheFrameSearchesItsPageAndGoesWithIt()
    {
        m_frame->move(100, 50);
        frmKid *first = m_test->page("find me");
        frmFind *find = openFind();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->windowTitle(), QString("Find"));
        QVERIFY(find->windowFlags().testFlag(Qt::Tool));
        // 4600 and 1300 twips at 96 dots per inch.
        QCOMPARE(find->frameGeometry().topLeft(),
                 QPoint(100 + m_frame->frameGeometry().width() - 307, 50 + 87));
        QCOMPARE(find->lblEnter->text(), QString("Enter search string above..."));
        QVERIFY(!find->cmdFindNext->isEnabled());

        // It searches its own page, though another has become the active one.
        find->txtFind->setText("me");
        frmKid *second = m_test->page("me too");
        QCOMPARE(m_frame->activeDocument(), second);
        find->cmdFind->click();
        QCOMPARE(m_frame->activeDocument(), first);
        QCOMPARE(first->richy->SelStart(), 5);

        // Opened again, the one window of the frame takes the active page, and
        // closes with it.
        m_frame->mdiArea->setActiveSubWindow(second);
        QCOMPARE(openFind("me"), find);
        QCOMPARE(m_frame->findChildren<frmFind *>().size(), 1);
        QCOMPARE(find->page(), second);
        const QPointer<frmFind> watched = find;
        QVERIFY(second->close());
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);
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

    void refusedUnmatchedAndFailedReplacementsChangeNothing_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<MessageBox>("box");
        QTest::addColumn<bool>("failing"); // the memory runs out at the first progress report

        const auto row = [](const char *name, bool all, const char *find, const char *with,
                            const MessageBox &box, bool failing = false) {
            QTest::newRow(name) << all << QString(find) << QString(with) << box << failing;
        };
        row("Replace Next without a text", false, "", "x", note("Enter text to be replaced."));
        row("Replace Next without a replacement", false, "a", "",
            note("Enter text to replace with...", "Zevora"));
        row("Replace All without a text", true, "", "x", note("Enter text to be replaced."));
        row("Replace All without a replacement", true, "a", "", note("Enter text to replace with..."));
        row("Replace Next without a match", false, "A", "x", note("No match found"));
        row("Replace All without a match", true, "A", "x", note("No match found"));
        row("Replace All failing half way", true, "a", "b", note("Too much to handle at this time!"), true);
    }

    void refusedUnmatchedAndFailedReplacementsChangeNothing()
    {
        QFETCH(bool, all);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(MessageBox, box);
        QFETCH(bool, failing);

        const QByteArray page = QByteArray("a ").repeated(150); // matches enough for a progress report
        frmKid *kid = m_test->page(page);
        frmReplace *replace = openReplace(find, with);
        if (failing)
            m_services->messages.onProgress = [](const QString &) { throw std::bad_alloc(); };
        m_services->messages.answerNext(MsgAnswer::Ok);
        (all ? replace->cmdReplaceAll : replace->cmdReplace)->click();
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{box});
        QCOMPARE(m_services->messages.progressEnded, failing ? 1 : 0);
        QCOMPARE(kid->richy->Text(), QString::fromUtf8(page));
        QVERIFY(kid->undoStack().isEmpty());
        QVERIFY(replace->isVisible());
        // Typing afterwards is recorded as ever, one change at a time.
        kid->richy->setSelStart(0);
        QTest::keyClicks(kid->richy, "!");
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        QCOMPARE(kid->undoStack().top(), (EditStep{0, "", "!"}));
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

    // A replacement with another line ending takes the page's.
    void replaceAllIsOneStepWithProgressEveryHundred()
    {
        const QByteArray before = QByteArray("<td>a</td>\n").repeated(250) + "A";
        frmKid *kid = m_test->page(before);
        frmReplace *replace = openReplace("a", "é\r\n");
        const QPointer<frmReplace> watched = replace;
        replace->cmdReplaceAll->click();

        const QString after = QString("<td>é\n</td>\n").repeated(250) + "A";
        QCOMPARE(kid->richy->Text(), after);
        QCOMPARE(kid->richy->lineBreak(), QStringLiteral("\n"));
        QCOMPARE(m_services->messages.progressTexts, QStringList({"Replaced 100 occurrences.\nHang on...",
                                                                  "Replaced 200 occurrences.\nHang on..."}));
        QCOMPARE(m_services->messages.progressTitles, QStringList({"Zevora Note:", "Zevora Note:"}));
        QCOMPARE(m_services->messages.progressEnded, 1);
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(m_frame->lblResult->text(), QStringLiteral("Last Replace changed  250 occurrences."));
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        QCOMPARE(kid->undoStack().top(), (EditStep{-1, QString::fromUtf8(before), after}));
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 2000);
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
    frmFind *openFind(const QString &text = QString())
    {
        m_frame->Picture1_Click(Tool::Find);
        auto *find = m_frame->findChild<frmFind *>("frmFind");
        if (find)
            find->txtFind->setText(text);
        return find;
    }

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

QTEST_MAIN(tst_FindReplace)
#include "tst_findreplace.moc"
