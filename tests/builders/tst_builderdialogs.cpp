// Zevora tests - the colour, page colours, background, special characters,
// font and rule windows, through their named controls and the frame.
#include "TestControls.h"
#include "TestFiles.h"
#include "TestFrame.h"

#include "CRegSettings.h"
#include "frmBG.h"
#include "frmBackground.h"
#include "frmChars.h"
#include "frmColors.h"
#include "frmPageColors.h"
#include "mFuncs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Platform;

namespace {

const QString Defaults =
    R"~(<BODY bgColor="#FFFFFF" text="#000000" link="#0000FF" alink="#FF0000" vlink="#FF00FF">)~";

} // namespace

class tst_BuilderDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_frame = &m_test->frame;
        m_services = &m_test->services;
        m_frame->show();
    }

    void cleanup() { m_test.reset(); }

    void aSwatchGoesIntoThePageThePaletteWasOpenedOn_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QString>("tag");
        QTest::addRow("row 17, column 0") << 204 << "\"#CCFF00\"";
        QTest::addRow("last") << 215 << "\"#FFFFFF\"";
        QTest::addRow("its page closed: nothing, at once") << -1 << "";
    }

    void aSwatchGoesIntoThePageThePaletteWasOpenedOn()
    {
        QFETCH(int, swatch);
        QFETCH(QString, tag);
        frmKid *original = page("a=b", 2);
        m_frame->Picture1_Click(Tool::WebSafeColor);
        QPointer<frmColors> colors = child<frmColors>();
        QVERIFY(colors && colors->isVisible() && !colors->isModal());
        QCOMPARE(colors->windowTitle(), QString("Click for Color Tag..."));
        QCOMPARE(unnamedControls(colors), QStringList());
        // Another page comes forward (a hand-over, a click) before the pick.
        frmKid *other = page("other");
        if (swatch < 0)
            original->close();
        else
            click(colors, qPrintable(QString("Text1(%1)").arg(swatch)));
        QTRY_VERIFY(!colors);
        QCOMPARE(other->richy->Text(), QString("other"));
        if (swatch < 0)
            return;
        QCOMPARE(original->richy->Text(), "a=" + tag + "b");
        original->cmdUndo_Click();
        QCOMPARE(original->richy->Text(), QString("a=b"));
    }

    void customColourInsertsTheCodeOrNothing()
    {
        frmKid *kid = page("<p >", 3);
        m_services->colours.cancelNext();
        m_frame->Picture1_Click(Tool::CustomColor);
        QCOMPARE(kid->richy->Text(), QString("<p >"));
        // Red 10, blue 255: leading zeros.
        m_services->colours.answerNext(10 + 255 * 65536);
        m_frame->Picture1_Click(Tool::CustomColor);
        QCOMPARE(kid->richy->Text(), QString("<p \"#0A00FF\">"));
        QCOMPARE(m_services->colours.owners, (QList<QPointer<QWidget>>{m_frame, m_frame}));
    }

    void editorBackgroundSetsThePageAndIsStored_data()
    {
        QTest::addColumn<bool>("withPage");
        QTest::addColumn<bool>("choose");
        QTest::addRow("a page open") << true << true;
        QTest::addRow("no page: only stored") << false << true;
        QTest::addRow("Escape: nothing") << true << false;
    }

    void editorBackgroundSetsThePageAndIsStored()
    {
        QFETCH(bool, withPage);
        QFETCH(bool, choose);
        frmKid *kid = withPage ? page("x") : nullptr;
        const QColor before = kid ? kid->richy->paper() : QColor();
        whenModal([choose](QWidget *chooser) {
            QVERIFY(qobject_cast<frmBG *>(chooser));
            QCOMPARE(unnamedControls(chooser), QStringList());
            if (choose)
                QTest::mouseClick(chooser->findChild<QWidget *>("lblColor(1)"), Qt::LeftButton);
            else
                QTest::keyClick(chooser, Qt::Key_Escape);
        });
        m_frame->item("mnuOptBG")->trigger();
        // (240, 248, 255) is 240 + 256 * 248 + 65536 * 255.
        QCOMPARE(CRegSettings().GetRegSetting("background", "bgColor"),
                 choose ? QString("16775408") : QString());
        if (kid)
            QCOMPARE(kid->richy->paper(), choose ? QColor(240, 248, 255) : before);
    }

    void pageColoursSayWhatReadingFoundAndSelectIsOneStep_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QStringList>("said"); // the titles of the boxes shown
        QTest::addColumn<QString>("written");  // the page after Select; "" when the dialog did not open

        QTest::addRow("a bad code: noted, written back")
            << QByteArray("<body bgcolor=\"#FFF\">") << MsgAnswer::Ok << QStringList{"Zevora"}
            << QString(Defaults).replace("bgColor=\"#FFFFFF\"", "bgcolor=\"#FFF\"");
        QTest::addRow("two lines, OK") << QByteArray("<body text=\"#000000\"\r\nlink=1>") << MsgAnswer::Ok
                                       << QStringList{"Zevora Prompt:"} << Defaults + "\r\nlink=1>";
        QTest::addRow("a colour name, Cancel")
            << QByteArray("<body text=red>") << MsgAnswer::Cancel << QStringList{"Zevora Prompt:"} << "";
        QTest::addRow("no tag: at the caret of its own page")
            << QByteArray("ab") << MsgAnswer::Ok << QStringList{} << "a" + Defaults + "b";
    }

    void pageColoursSayWhatReadingFoundAndSelectIsOneStep()
    {
        QFETCH(QByteArray, page);
        QFETCH(MsgAnswer, answer);
        QFETCH(QStringList, said);
        QFETCH(QString, written);
        frmKid *kid = this->page(page, 1);
        if (!said.isEmpty())
            m_services->messages.answerNext(answer);
        m_frame->item("mnuTagsDPColors")->trigger();
        QStringList titles;
        for (const MessageBox &box : std::as_const(m_services->messages.shown))
            titles.append(box.title);
        QCOMPARE(titles, said);
        frmPageColors *colours = child<frmPageColors>();
        QCOMPARE(bool(colours), !written.isEmpty());
        if (!colours) {
            QCOMPARE(kid->richy->Text().toUtf8(), page);
            return;
        }
        QCOMPARE(colours->windowTitle(), QString("Page Color Dialog"));
        QCOMPARE(unnamedControls(colours), QStringList());
        // Another page comes forward; a second Page Colors brings the open dialog forward.
        frmKid *other = this->page("cd");
        m_frame->item("mnuTagsDPColors")->trigger();
        QCOMPARE(m_frame->findChildren<frmPageColors *>().size(), 1);
        click(colours, "cmdOK");
        QTRY_VERIFY(!child<frmPageColors>());
        QCOMPARE(kid->richy->Text(), written);
        QCOMPARE(other->richy->Text(), QString("cd"));
        kid->cmdUndo_Click();
        QCOMPARE(kid->richy->Text().toUtf8(), page);
    }

    void pageColoursPickFromThePaletteAndTheColourDialog()
    {
        frmKid *kid = page("<html><body text=\"#000000\" onload=\"go()\">");
        m_frame->item("mnuTagsDPColors")->trigger();
        frmPageColors *colours = child<frmPageColors>();
        whenModal([](QWidget *palette) { palette->findChild<QAbstractButton *>("Text1(150)")->click(); });
        click(colours, "cmdColor(0)");
        QCOMPARE(colours->picBG->palette().color(QPalette::Window), QColor(255, 0, 0));
        whenModal([](QWidget *palette) { QTest::keyClick(palette, Qt::Key_Escape); });
        click(colours, "cmdColor(1)");
        m_services->colours.cancelNext();
        click(colours, "cmdColor(7)");
        m_services->colours.answerNext(0x336699);
        click(colours, "cmdColor(8)");
        QCOMPARE(colours->lblAlink->palette().color(QPalette::WindowText), QColor(0x99, 0x66, 0x33));
        QCOMPARE(m_services->colours.owners, (QList<QPointer<QWidget>>{colours, colours}));
        click(colours, "cmdOK");
        QCOMPARE(kid->richy->Text(),
                 QString(R"~(<html><BODY bgColor="#FF0000" text="#000000" alink="#996633" onload="go()">)~"));
    }

    void pageColoursWriteNotOverATagChangedMeanwhile()
    {
        frmKid *kid = page("<body text=\"#000000\">");
        m_frame->item("mnuTagsDPColors")->trigger();
        kid->kidPaste("1", "0", 18);
        m_services->messages.answerNext(MsgAnswer::Ok);
        click(child<frmPageColors>(), "cmdOK");
        QCOMPARE(m_services->messages.shown,
                 (QList<MessageBox>{MessageBox{
                     "Zevora Note:",
                     "The BODY tag of this page was changed while the Page Color Dialog was open.\n"
                     "Nothing was written: please open the dialog again.",
                     MsgIcon::None, MsgButtons::Ok, true}}));
        QTRY_VERIFY(!child<frmPageColors>());
        QCOMPARE(kid->richy->Text(), QString("<body text=\"#000001\">"));
        // Its page going closes the dialog.
        m_frame->item("mnuTagsDPColors")->trigger();
        QPointer<frmPageColors> colours = child<frmPageColors>();
        kid->richy->setDataChanged(false);
        kid->close();
        QTRY_VERIFY(!colours);
    }

    void theFrameTakesInputAgainHoweverTheBackgroundCloses_data()
    {
        QTest::addColumn<QString>("way");
        for (const char *way : {"Enter", "Cancel", "window manager", "page closed"})
            QTest::addRow("%s", way) << way;
    }

    void theFrameTakesInputAgainHoweverTheBackgroundCloses()
    {
        QFETCH(QString, way);
        const QString before = "<body bgcolor=\"#FFFFFF\" BACKGROUND='old.gif'>\r\n<p>";
        frmKid *kid = page(before.toUtf8(), 5);
        m_frame->item("mnuTagsDBG")->trigger();
        QPointer<frmBackground> dialog = topLevel<frmBackground>();
        QVERIFY(!m_frame->isEnabled() && dialog->isEnabled());
        QCOMPARE(dialog->txtImage->selectedText(), QString("myImage.gif"));
        QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(unnamedControls(dialog), QStringList());
        frmKid *other = page("<body>"); // a hand-over brings another page forward
        if (way == "Enter")
            dialog->cmdOK->click();
        else if (way == "Cancel")
            dialog->cmdCancel->click();
        else if (way == "window manager")
            dialog->close();
        else
            kid->close();
        // At once, not only once the dialog is deleted.
        QVERIFY(m_frame->isEnabled() || way == "page closed");
        QTRY_VERIFY(!dialog);
        QVERIFY(m_frame->isEnabled());
        QCOMPARE(other->richy->Text(), QString("<body>"));
        const QString written = "<body background=\"myImage.gif\" bgcolor=\"#FFFFFF\">\r\n<p>";
        if (way != "page closed")
            QCOMPARE(kid->richy->Text(), way == "Enter" ? written : before);
        if (way == "Enter") {
            QCOMPARE(kid->richy->SelStart(), 30);
            kid->cmdUndo_Click();
            QCOMPARE(kid->richy->Text(), before);
        }
    }

    // A page never saved is offered for saving first, and a cancelled Save As
    // stops the drop (the question's text is checked with the link builder's
    // drops); a saved page gets the picture's path relative to it.
    void aDroppedImageGivesItsPathRelativeToThePage()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("img"));
        // A GIF header of 10 by 5 pixels is all the image reader needs.
        QVERIFY(writeFile(folder.filePath("img/a.gif"), QByteArray("GIF89a\x0a\0\x05\0\0", 11)));
        frmKid *kid = page("<body>");
        kid->setTag(mFuncs::TempFolder() + "Untitled.htm");
        m_frame->item("mnuTagsDBG")->trigger();
        frmBackground *dialog = topLevel<frmBackground>();
        dialog->txtImage->deselect();
        QMimeData drop;
        drop.setUrls({QUrl::fromLocalFile(folder.filePath("img/a.gif"))});
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_services->fileDialogs.answerNext(QString());
        dialog->txtImage_Drop(&drop);
        QCOMPARE(dialog->txtImage->text(), QString("myImage.gif"));
        QCOMPARE(dialog->txtImage->selectedText(), QString());
        kid->setTag(folder.filePath("index.htm"));
        QVERIFY(writeFile(kid->Tag()));
        dialog->txtImage_Drop(&drop);
        QCOMPARE(m_services->messages.shown.size(), 1);
        QCOMPARE(dialog->txtImage->selectedText(), QString("img/a.gif"));
        dialog->cmdCancel->click();
    }

    void aTypedOrClickedCharacterGoesIntoItsOwnPage_data()
    {
        // What is typed ("#n" clicks entry n) | the characters refused | what goes in.
        QTest::addColumn<QString>("keys");
        QTest::addRow("[ is the first bracketed entry") << "[||<br>";
        QTest::addRow("é, not the É listed before it") << "é||&eacute;";
        QTest::addRow("a is refused, then ©") << "a©|a|&copy;";
        QTest::addRow("click [Tab]") << "#2|| &nbsp; &nbsp; &nbsp; ";
        QTest::addRow("its page closed") << "^||";
    }

    void aTypedOrClickedCharacterGoesIntoItsOwnPage()
    {
        QFETCH(QString, keys);
        const QString typed = keys.section('|', 0, 0), refused = keys.section('|', 1, 1);
        const QString inserted = keys.section('|', 2);
        frmKid *original = page("ab", 1);
        m_frame->item("mnuTagsSC")->trigger();
        QPointer<frmChars> chars = child<frmChars>();
        QComboBox *list = chars->cboCharList;
        QCOMPARE(list->count(), 102);
        QCOMPARE(list->lineEdit()->selectedText(), QString("Character List"));
        QVERIFY(!list->completer());
        QCOMPARE(unnamedControls(chars), QStringList());
        frmKid *other = page("cd");
        if (typed == "^") {
            original->close();
            QTRY_VERIFY(!chars);
            return;
        }
        if (!refused.isEmpty())
            m_services->messages.answerNext(MsgAnswer::Ok);
        if (typed.startsWith('#')) {
            list->setCurrentIndex(typed.mid(1).toInt());
            emit list->activated(typed.mid(1).toInt());
        }
        for (qsizetype i = 0; !typed.startsWith('#') && i < typed.size(); ++i) {
            QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, typed.at(i), Qt::NoModifier);
            // A refused character leaves the chooser open with its field empty.
            if (typed.at(i) == refused)
                QVERIFY(chars && list->currentText().isEmpty());
        }
        QCOMPARE(m_services->messages.shown.size(), refused.size());
        if (!refused.isEmpty())
            QCOMPARE(m_services->messages.shown.first(),
                     (MessageBox{"No HTML Special Character", "a  is not available", MsgIcon::None,
                                 MsgButtons::Ok, true}));
        QTRY_VERIFY(!chars);
        QCOMPARE(original->richy->Text(), "a" + inserted + "b");
        QCOMPARE(other->richy->Text(), QString("cd"));
    }

    void fontAndRuleTagsNeedASizeFromTheList_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("downs"); // arrow-down presses after the typed keys
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<QString>("inserted");
        QTest::addRow("font 7") << "mnuTagsDFont" << 7 << QStringList{} << "<font size=7>";
        QTest::addRow("font 3, colour and face") << "mnuTagsDFont" << 3 << QStringList{"chkFace", "chkColor"}
                                                 << R"~(<font size=3 color="#000000" face="">)~";
        QTest::addRow("rule 9") << "mnuTagsDHR" << 9 << QStringList{} << "<HR size=9>";
        QTest::addRow("rule 4, colour and width") << "mnuTagsDHR" << 4 << QStringList{"chkWidth", "chkColor"}
                                                  << R"~(<HR size=4 color="#000000" width=>)~";
        QTest::addRow("no size: Enter does nothing") << "mnuTagsDHR" << 0 << QStringList{"chkColor"} << "";
    }

    void fontAndRuleTagsNeedASizeFromTheList()
    {
        QFETCH(QString, item);
        QFETCH(int, downs);
        QFETCH(QStringList, checks);
        QFETCH(QString, inserted);
        frmKid *kid = page("ab", 1);
        bool stayedOpen = false;
        whenModal([&](QWidget *dialog) {
            QCOMPARE(unnamedControls(dialog), QStringList());
            auto *size = dialog->findChild<QComboBox *>("cboFontSize");
            QTest::keyClicks(size, "5 2"); // typed characters neither pick nor search
            QCOMPARE(size->currentIndex(), -1);
            QCOMPARE(size->placeholderText(), QString("Size"));
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(size, Qt::Key_Down);
            for (const QString &check : checks)
                dialog->findChild<QCheckBox *>(check)->setChecked(true);
            click(dialog, "cmdEnter");
            if ((stayedOpen = dialog->isVisible()))
                click(dialog, "cmdCancel");
        });
        m_frame->item(item)->trigger();
        QCOMPARE(stayedOpen, inserted.isEmpty());
        QCOMPARE(kid->richy->Text(), "a" + inserted + "b");
    }

private:
    frmKid *page(const QByteArray &text, qsizetype caret = 0) { return m_test->page(text, caret); }
    template <typename T> T *child() const { return m_frame->findChild<T *>(); }
    void click(QWidget *window, const char *button) { control<QAbstractButton>(window, button)->click(); }

    std::unique_ptr<TestFrame> m_test;
    topForm *m_frame = nullptr;
    FakeServices *m_services = nullptr;
};

QTEST_MAIN(tst_BuilderDialogs)
#include "tst_builderdialogs.moc"
