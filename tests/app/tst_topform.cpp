// Zevora tests - the main frame: tools, menu rules, Edit, Options, quick tags, shutdown.
#include "TestFrame.h"

#include "CRegSettings.h"
#include "QuickTags.h"
#include "ToolStrip.h"
#include "frmGoTo.h"
#include "frmPrint.h"
#include "frmTxtFonts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Platform;

namespace {
// The menu items that need an open page, whether or not their menu was opened.
const char *const PageItems[] = {"mnuFileClose",    "mnuFileSave",  "mnuFileSaveAs", "mnuFilePrint",
                                 "mnuTagsForm",     "mnuTagsInput", "mnuTagsSC",     "mnuTagsDate",
                                 "mnuTagsDPColors", "mnuTagsDBG",   "mnuTagsDFont",  "mnuTagsDHR",
                                 "mnuOptFont",      "mnuOptWW"};
} // namespace

class tst_topForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
    }

    void cleanup() { m_test.reset(); }

    // The tools and the items that need a page follow the pages, whether or not
    // their menu was opened: a disabled item's shortcut is dead.
    void thePageToolsAndItemsFollowThePagesWhateverTheMenusShowedLast()
    {
        const auto pageThingsEnabled = [this](bool enabled) {
            QVERIFY(m_frame->isToolEnabled(Tool::New) && m_frame->isToolEnabled(Tool::Open));
            QCOMPARE(m_frame->isToolEnabled(Tool::Close), enabled);
            QCOMPARE(m_frame->menu("mnuEdit")->menuAction()->isEnabled(), enabled);
            QCOMPARE(m_frame->menu("mnuCurrent")->menuAction()->isEnabled(), enabled);
            for (const char *name : PageItems)
                QVERIFY2(m_frame->item(name)->isEnabled() == enabled || QString(name) == "mnuFileSave", name);
            // Without a page, every tool from Close on is off.
            for (int i = Tool::Close; i < Tool::Count && !enabled; ++i)
                QVERIFY2(!m_frame->isToolEnabled(i), qPrintable(QString::number(i)));
        };
        // Each tool shows the picture of its state: 100 + index enabled, 200 + index disabled.
        const auto toolPicturesFollowTheirState = [this] {
            for (int i = 0; i < Tool::Count; ++i)
                QCOMPARE(m_frame->toolStrip()->pictureOf(i), (m_frame->isToolEnabled(i) ? 100 : 200) + i);
        };
        QCOMPARE(m_frame->findChild<QToolButton *>("Picture1(16)")->toolTip(), QString("Print"));
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
        open("mnuFile");
        open("mnuTags");
        pageThingsEnabled(false);
        toolPicturesFollowTheirState();

        frmKid *first = page("abc\r\ndef");
        pageThingsEnabled(true);
        QVERIFY(!m_frame->isToolEnabled(Tool::Save) && !m_frame->item("mnuFileSave")->isEnabled());
        QTest::keyClicks(first->richy, "x");
        QVERIFY(m_frame->isToolEnabled(Tool::Save) && m_frame->isToolEnabled(Tool::Undo));
        QVERIFY(m_frame->item("mnuFileSave")->isEnabled());
        first->richy->setDataChanged(false);

        frmKid *second = page("second");
        QVERIFY(!m_frame->item("mnuFileSave")->isEnabled());
        QTest::keyClicks(second->richy, "x");
        second->richy->select(0, 3);
        QVERIFY(m_frame->item("mnuEditCut")->isEnabled());
        QVERIFY(m_frame->item("mnuEditUndo")->isEnabled());
        toolPicturesFollowTheirState();
        m_services->fileDialogs.answerNext(QString());
        QTest::keyClick(second->richy, Qt::Key_F8);
        m_services->fileDialogs.answerNext(QString());
        QTest::keyClick(second->richy, Qt::Key_F7);

        // The page shown after a close decides again: "first" is not changed.
        m_services->messages.answerNext(MsgAnswer::No);
        QTest::keyClick(second->richy, Qt::Key_F6);
        QCOMPARE(m_frame->documents(), QList<frmKid *>{first});
        QCOMPARE(m_frame->activeDocument(), first);
        QVERIFY(m_frame->isToolEnabled(Tool::Close));
        QVERIFY(!m_frame->item("mnuFileSave")->isEnabled());
        QTest::keyClick(first->richy, Qt::Key_F6);
        QVERIFY(m_frame->documents().isEmpty());
        pageThingsEnabled(false);
        QVERIFY(m_frame->lblLineNo->text().isEmpty());
    }

    // The Edit items follow the selection, the clipboard and the undo steps when
    // the menu opens; the tools do the same work as the items.
    void undoRedoCutCopyPasteTools()
    {
        const auto editItemsEnabled = [this](const QStringList &names) {
            open("mnuEdit");
            for (const char *name :
                 {"mnuEditCut", "mnuEditCopy", "mnuEditDelete", "mnuEditPaste", "mnuEditUndo", "mnuEditRedo"})
                QVERIFY2(m_frame->item(name)->isEnabled() == names.contains(name), name);
        };
        frmKid *kid = page("hello world");
        editItemsEnabled({});
        kid->richy->select(0, 5);
        QVERIFY(!m_frame->isToolEnabled(Tool::Paste));
        m_frame->Picture1_Click(Tool::Copy);
        QCOMPARE(m_services->clipboard.text(), QString("hello"));
        QVERIFY(m_frame->isToolEnabled(Tool::Paste));
        m_frame->Picture1_Click(Tool::Cut);
        QCOMPARE(kid->richy->Text(), QString(" world"));
        kid->richy->setSelStart(6);
        m_frame->Picture1_Click(Tool::Paste);
        QCOMPARE(kid->richy->Text(), QString(" worldhello"));
        m_frame->Picture1_Click(Tool::Undo);
        m_frame->Picture1_Click(Tool::Undo);
        QCOMPARE(kid->richy->Text(), QString("hello world"));
        kid->richy->select(0, 5);
        editItemsEnabled({"mnuEditCut", "mnuEditCopy", "mnuEditDelete", "mnuEditPaste", "mnuEditRedo"});
        m_frame->Picture1_Click(Tool::Redo);
        QCOMPARE(kid->richy->Text(), QString(" world"));
        trigger("mnuEditSelectAll");
        QCOMPARE(kid->richy->SelLength(), 6);
        trigger("mnuEditDelete");
        QCOMPARE(kid->richy->Text(), QString());

        m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->Picture1_Click(17);
        const MessageBox error{"Zevora Note", "Tool selection error", MsgIcon::Exclamation, MsgButtons::Ok,
                               true};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{error});
    }

    void theTabLengthFollowsTheStoredOneAndTheChosenOne_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("checked");
        QTest::addRow("nothing stored checks 4") << QString() << 2;
        QTest::addRow("six spaces check 6") << QString(6, ' ') << 3;
        QTest::addRow("five spaces check none") << QString(5, ' ') << -1;
    }

    void theTabLengthFollowsTheStoredOneAndTheChosenOne()
    {
        QFETCH(QString, stored);
        QFETCH(int, checked);
        if (!stored.isEmpty())
            QVERIFY(CRegSettings().SaveRegSetting("Tabs", "Length", stored));
        topForm frame;
        for (int i = 0; i < 5; ++i)
            QCOMPARE(frame.item(QString("mnuOptTabsList(%1)").arg(i))->isChecked(), i == checked);

        // A length chosen is stored and set in every page.
        frmKid *first = page();
        frmKid *second = page();
        trigger("mnuOptTabsList(4)");
        QCOMPARE(CRegSettings().GetRegSetting("Tabs", "Length"), QString(8, ' '));
        QCOMPARE(first->tabString(), QString(8, ' '));
        QVERIFY(m_frame->item("mnuOptTabsList(4)")->isChecked() &&
                !m_frame->item("mnuOptTabsList(2)")->isChecked());
        QTest::keyClick(second->richy, Qt::Key_Tab);
        QCOMPARE(second->richy->Text(), QString(8, ' '));
    }

    // One entry inside each list and its last, empty one: an entry read from the
    // wrong row of its list is stored as another type.
    void defaultTypesAreStored()
    {
        for (const auto &[item, key, type] : {std::tuple{"mnuOptDefOpenList(1)", "default_Open", ".txt"},
                                              {"mnuOptDefOpenList(3)", "default_Open", ""},
                                              {"mnuOptDefSaveList(2)", "default_Save", "shtml"},
                                              {"mnuOptDefSaveList(5)", "default_Save", ""}}) {
            trigger(item);
            QCOMPARE(CRegSettings().GetRegSetting("Files", key, "unset"), QString(type));
        }
    }

    void wordWrapIsPerPage()
    {
        frmKid *first = page("a long line");
        trigger("mnuOptWW");
        QVERIFY(first->richy->wrapMode() != QsciScintilla::WrapNone);
        frmKid *second = page("other");
        open("mnuOptions");
        QVERIFY(!m_frame->item("mnuOptWW")->isChecked());
        QCOMPARE(second->richy->wrapMode(), QsciScintilla::WrapNone);
        m_frame->mdiArea->setActiveSubWindow(first);
        open("mnuOptions");
        QVERIFY(m_frame->item("mnuOptWW")->isChecked());
        trigger("mnuOptWW");
        QCOMPARE(first->richy->wrapMode(), QsciScintilla::WrapNone);
    }

    // The conversion itself is tst_txt2html's; here the page gets it, in place
    // of the selection and behind a character of two UTF-8 bytes.
    void textToHtmlReplacesTheSelectionAsOneStepOrLeavesThePage()
    {
        const QString link = "see http://" + QString(130, 'x');
        const QByteArray original = "caf\xC3\xA9\r\nsee <b>\r\n" + link.toUtf8();
        frmKid *kid = page(original);
        m_services->messages.answerNext(MsgAnswer::Ok);
        trigger("mnuEditTxt2H");
        kid->richy->select(kid->richy->textLength() - link.size(), link.size());
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_services->messages.answerNext(MsgAnswer::Ok);
        trigger("mnuEditTxt2H");
        const QList<MessageBox> expected{
            {"No Text Selected",
             "To use the TXT2HTML function,\nyou must first select the portion of text\n"
             "in the current page that you wish to \"convert.\"",
             MsgIcon::None, MsgButtons::Ok, true},
            {"txt2htm Note:",
             "You seem to have included a link without end...\nPlease check your text and try again.",
             MsgIcon::None, MsgButtons::Ok, true},
            {"Zevora Note:",
             "There was an error trying to convert the text.\n"
             "If this problem persistes, please contact Zevora support.",
             MsgIcon::Exclamation, MsgButtons::Ok, true}};
        QCOMPARE(m_services->messages.shown, expected);
        QCOMPARE(kid->richy->Text(), QString::fromUtf8(original));
        QCOMPARE(kid->undoStack().stackLevel(), 0);

        kid->richy->select(6, 9);
        trigger("mnuEditTxt2H");
        QCOMPARE(kid->richy->Text(), QString::fromUtf8("caf\xC3\xA9\r\nsee &lt;b&gt;<br>\r\n") + link);
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        kid->cmdUndo_Click();
        QCOMPARE(kid->richy->Text(), QString::fromUtf8(original));
    }

    void quickTagsInsertAtTheCaret()
    {
        frmKid *kid = page("[sel]");
        kid->richy->select(1, 3);
        trigger("mnuTagsInputList(0)");
        QCOMPARE(kid->richy->Text(),
                 QString("[<INPUT TYPE=\"TEXT\" NAME=\"\" SIZE=\"24\" MAXLENGTH=\"80\">]"));

        kid->richy->setSelStart(0);
        trigger("mnuTagsFormList(5)");
        QVERIFY(kid->richy->Text().startsWith(QuickTags::formSnippet(5)));
        trigger("mnuTagsFormList(2)"); // a separator inserts nothing
        QCOMPARE(kid->undoStack().stackLevel(), 2);

        kid->richy->loadText("");
        trigger("mnuScriptDrops(0)");
        QCOMPARE(kid->richy->Text(), QuickTags::dropSnippet(0));

        kid->richy->loadText("");
        trigger("mnuTagsDate");
        QCOMPARE(kid->richy->Text(), QuickTags::dateSnippet(QDate::currentDate(), QLocale()));
        QCOMPARE(kid->undoStack().stackLevel(), 4);

        // A script block on a CR page: the caret stands at the start of its empty line.
        kid->richy->loadText("x\r");
        kid->richy->setSelStart(2);
        trigger("mnuScriptTags(2)");
        QCOMPARE(kid->richy->textRange(kid->richy->SelStart() - 1, 3), QString("\r\r<"));
    }

    void currentMenuListsThePages()
    {
        frmKid *first = page();
        first->setWindowTitle("first.htm");
        frmKid *second = page();
        second->setWindowTitle("R&D.htm");
        open("mnuCurrent");
        const QList<QAction *> entries = m_frame->menu("mnuCurrent")->actions();
        QCOMPARE(entries.size(), 2);
        // What the menu shows, mnemonic marks taken out.
        QCOMPARE(entries.at(0)->iconText(), QString("first.htm"));
        QCOMPARE(entries.at(1)->iconText(), QString("R&D.htm"));
        QVERIFY(entries.at(1)->isChecked());
        entries.at(0)->trigger();
        QCOMPARE(m_frame->activeDocument(), first);
    }

    void theHelpItems()
    {
        m_services->messages.answerNext(MsgAnswer::Ok);
        trigger("mnuHelpContext");
        const MessageBox help{"Zevora", "The help file is yet completed.", MsgIcon::None, MsgButtons::Ok,
                              true};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{help});

        // The frame keeps one Key Macros window beside it, which goes away when closed.
        trigger("mnuHelpMacros");
        QPointer<QWidget> macros = m_frame->findChild<QWidget *>("frmShortcuts");
        QVERIFY(macros && macros->isVisible() && macros->isWindow() && !macros->isModal());
        trigger("mnuHelpMacros");
        QCOMPARE(m_frame->findChildren<QWidget *>("frmShortcuts").size(), 1);
        macros->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(macros.isNull());
        trigger("mnuHelpMacros");
        QVERIFY(m_frame->findChild<QWidget *>("frmShortcuts"));

        QString shown;
        whenModal([&](QWidget *about) {
            shown = about->objectName();
            about->close();
        });
        trigger("mnuHelpAbout");
        QCOMPARE(shown, QString("frmAbout"));
    }

    // Print without printers only says so; Go To, Font and Print then open on
    // the active page and act on it alone.
    void goToFontAndPrintActOnTheActivePage()
    {
        m_frame->show();
        frmKid *other = page("other page");
        const QFont otherFont = other->richy->font();
        frmKid *kid = page("one\r\ntwo\r\nthree");
        kid->setWindowTitle("three.htm");
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->Picture1_Click(Tool::Print);
        const MessageBox noPrinters{
            "Zevora Note:", "There are no Printers currently available on your system...",
            MsgIcon::Information, MsgButtons::Ok, true};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{noPrinters});
        QVERIFY(!QApplication::activeModalWidget());

        m_services->printing.printerList = {"Alpha", "Beta"};
        m_services->printing.defaultName = "Alpha";
        QString startedOn;
        whenModal([&](QWidget *dialog) {
            if (auto *goTo = qobject_cast<frmGoTo *>(dialog)) {
                QTest::keyClicks(goTo->txtLineNum, "3");
                goTo->cmdOK->click();
            }
        });
        trigger("mnuEditGoTo");
        QCOMPARE(kid->richy->SelStart(), qsizetype(10));
        whenModal([&](QWidget *dialog) {
            if (auto *fonts = qobject_cast<frmTxtFonts *>(dialog)) {
                fonts->cboSize->setCurrentText("24");
                emit fonts->cboSize->activated(fonts->cboSize->currentIndex());
                fonts->cmdOK->click();
            }
        });
        trigger("mnuOptFont");
        QCOMPARE(kid->richy->font().pointSize(), 24);
        QCOMPARE(other->richy->font(), otherFont);
        whenModal([&](QWidget *dialog) {
            if (auto *printing = qobject_cast<frmPrint *>(dialog)) {
                printing->cboPrinters->setCurrentText("Beta");
                printing->cmdPrint->click();
            }
        });
        trigger("mnuFilePrint");
        const PrintFont font{kid->richy->font().family(), kid->richy->font().pointSizeF()};
        const FakePrintService::Job job{"Beta", "one\r\ntwo\r\nthree", font, "three.htm"};
        QCOMPARE(m_services->printing.jobs, QList<FakePrintService::Job>{job});
        // The next Print starts on the printer chosen last.
        whenModal([&](QWidget *dialog) {
            if (auto *printing = qobject_cast<frmPrint *>(dialog))
                startedOn = printing->cboPrinters->currentText();
            dialog->close();
        });
        trigger("mnuFilePrint");
        QCOMPARE(startedOn, QString("Beta"));
    }

    void exitAsksEveryModifiedPageAndStopsAtOneNotSaved()
    {
        m_frame->show();
        frmKid *first = page();
        first->setWindowTitle("one.htm");
        QTest::keyClicks(first->richy, "1");
        frmKid *second = page();
        second->setWindowTitle("two.htm");
        QTest::keyClicks(second->richy, "2");
        m_services->messages.answerNext(MsgAnswer::Yes);
        m_services->fileDialogs.answerNext(QString()); // Save As cancelled
        QVERIFY(!m_frame->close());
        QCOMPARE(m_frame->documents().size(), 2);

        m_services->sound.available = true;
        m_services->messages.answerNext(MsgAnswer::No);
        m_services->messages.answerNext(MsgAnswer::No);
        QVERIFY(m_frame->close());
        QCOMPARE(m_services->messages.shown.size(), 3);
        QVERIFY(m_services->messages.shown.at(1).text.startsWith("one.htm has changed"));
        QVERIFY(m_services->messages.shown.at(2).text.startsWith("two.htm has changed"));
        QVERIFY(m_services->sound.played.contains(FakeSoundService::Played{399, true}));
        QVERIFY(!m_frame->isVisible());
    }

private:
    void trigger(const QString &name)
    {
        QAction *action = m_frame->item(name);
        QVERIFY2(action, qPrintable(name));
        action->trigger();
    }

    void open(const QString &menuName)
    {
        QMenu *menu = m_frame->menu(menuName);
        QVERIFY2(menu, qPrintable(menuName));
        emit menu->aboutToShow();
    }
    frmKid *page(const QByteArray &text = QByteArray()) { return m_test->page(text); }

    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
};

QTEST_MAIN(tst_topForm)
#include "tst_topform.moc"
