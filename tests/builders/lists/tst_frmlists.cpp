// Zevora tests - the list builder: its list text, the bullet icon files
// written beside a page, and the dialog driven through its named controls.
#include "TestControls.h"
#include "TestFiles.h"
#include "TestFrame.h"

#include "BulletFiles.h"
#include "BulletIcons.h"
#include "FileIdentity.h"
#include "ListBuilder.h"
#include "frmLists.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Platform;

Q_DECLARE_METATYPE(ListBuilder::Kind)

namespace {

MessageBox note(const QString &text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok)
{
    return MessageBox{"Zevora Note:", text, icon, buttons, true};
}

const QString Body = "<BODY>\r\n\r\n</BODY>";

QString inBody(const QString &list)
{
    return "<BODY>\r\n" + list + "\r\n</BODY>";
}

QString linkedTopic(const QString &name)
{
    return "<img src=\"images/" + name + "\" width=6 height=11 hspace=8>";
}

const QString Sorry = "Sorry, images could not be created...";
const QString GenericTopic = "<img src=\"\" width=XX height=XX hspace=8>";
const QString GenericDetail = "<img src=\"\" width=XX height=XX hspace=5 align=middle>";

QString definitionList(const QString &topicTag, const QString &detailTag)
{
    return "<DL><B>H</B>\r\n        <DT>" + topicTag + "x\r\n                <DD>" + detailTag +
           "y\r\n</DL>\r\n";
}

} // namespace

class tst_frmLists : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        delete m_dialog;
        m_test.reset();
        m_dir.reset();
    }

    // The list text on its own; the ordered list and the definition lists
    // with pictures are written through the dialog below.
    void theListIsWrittenExactly_data()
    {
        QTest::addColumn<ListBuilder::Kind>("kind");
        QTest::addColumn<int>("styleEntry");
        QTest::addColumn<QStringList>("items"); // a leading "+" marks a sub-item
        QTest::addColumn<QString>("expected");

        QTest::addRow("unordered square: HTML as typed, an empty item")
            << ListBuilder::Unordered << 3 << QStringList{"&", "+<b>bold</b>", ""}
            << "<UL type=square>\r\n    <LI>&\r\n    <LI><b>bold</b>\r\n    <LI>\r\n</UL>\r\n";
        QTest::addRow("definition, blank, with sub-items")
            << ListBuilder::Definition << 1 << QStringList{"x", "+y", "z"}
            << "<DL><B>H</B>\r\n        <DT>x\r\n                <DD>y\r\n        <DT>z\r\n</DL>\r\n";
    }

    void theListIsWrittenExactly()
    {
        QFETCH(ListBuilder::Kind, kind);
        QFETCH(int, styleEntry);
        QFETCH(QStringList, items);

        ListBuilder list;
        list.ListKind = kind;
        QVERIFY(!list.chooseStyle(styleEntry));
        list.heading = "H";
        for (const QString &item : items)
            list.items.append({item.startsWith('+') ? item.mid(1) : item, item.startsWith('+')});
        QTEST(list.listText(), "expected");
    }

    void theListGoesIntoThePageItWasOpenedOnAsOneUndoStep()
    {
        QAction *item = m_frame->item("mnuTagsDLists");
        QVERIFY(!item->isEnabled());
        frmKid *kid = page();
        frmKid *other = nullptr;
        whenModal([&](QWidget *modal) {
            QVERIFY(m_dialog = qobject_cast<frmLists *>(modal));
            QCOMPARE(unnamedControls(m_dialog), QStringList());
            for (const char *later : {"cboStyle", "cboNumber", "cmdList", "txtDLHead"})
                QVERIFY2(control(later)->isHidden(), later);
            choose("cboType", 1);
            // A second style before any number: no message, a fresh number list.
            choose("cboStyle", 1);
            choose("cboStyle", 2);
            choose("cboNumber", 3);
            // Four rows, behind the help until the entries are asked for.
            QVERIFY(!control("txtEnter(3)")->isHidden() && control("txtEnter(4)")->isHidden());
            QVERIFY(!control("txtEnter(0)")->isVisible() && !control("cmdOK")->isEnabled());
            click("cmdList");
            for (int i = 0; i < 4; ++i)
                type(i, QString(QChar('a' + i)));
            // The typed items stay through a new type, style and number.
            choose("cboType", 2);
            choose("cboStyle", 4);
            choose("cboNumber", 2);
            click("cmdList");
            // Another page becomes active meanwhile, as a file handed over would.
            other = page();
            QCOMPARE(m_frame->activeDocument(), other);
            click("cmdOK");
            QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        });
        item->trigger();
        QVERIFY(other);
        QCOMPARE(kid->richy->Text(),
                 inBody("<OL type=I>\r\n    <LI>a\r\n    <LI>b\r\n    <LI>c\r\n</OL>\r\n"));
        QCOMPARE(other->richy->Text(), Body);
        QCOMPARE(m_frame->activeDocument(), kid);
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        kid->cmdUndo_Click();
        QCOMPARE(kid->richy->Text(), Body);
        QVERIFY(m_services->messages.shown.isEmpty());
    }

    void aPromptEntryStopsItsStepWithAMessage()
    {
        frmKid *kid = page();
        open(kid);
        for (int i = 0; i < 6; ++i)
            m_services->messages.answerNext(MsgAnswer::Ok);
        choose("cboType", 3);
        choose("cboStyle", 0);
        QVERIFY(control("cboNumber")->isHidden());
        choose("cboStyle", 1);
        choose("cboNumber", 1);
        click("cmdList");
        choose("cboNumber", 0);
        QVERIFY(!control("txtEnter(0)")->isEnabled() && !control("cmdOK")->isEnabled());
        // With the style on its prompt too, the style is asked for first.
        choose("cboStyle", 0);
        choose("cboNumber", 0);
        choose("cboStyle", 1);
        choose("cboNumber", 1);
        click("cmdList");
        type(0, "x");
        click("cmdOK"); // no heading
        // The type list's own prompt changes nothing until a later step checks
        // it; with the style on its prompt too, the type is asked for first.
        choose("cboType", 0);
        choose("cboStyle", 0);
        QCOMPARE(m_dialog->focusWidget(), control("cboType"));

        const QString style = "You must choose a List Style to continue.";
        const QList<MessageBox> expected = {
            note(style),
            note("You must choose the Number of Items to continue."),
            note(style),
            note(style),
            note("\"Definition List Header\" (lower, left of page)\nmust be entered for the Definition List.",
                 MsgIcon::Exclamation),
            note("You must choose a List Type to continue.")};
        QCOMPARE(m_services->messages.shown, expected);
        QCOMPARE(kid->richy->Text(), Body);
    }

    void imageBulletsNeedASavedPage_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QString>("saveAs"); // the save dialog's answer; "-": no dialog
        QTest::addColumn<bool>("saved");
        QTest::addRow("saved already") << true << MsgAnswer::Ok << "-" << true;
        QTest::addRow("OK, saved") << false << MsgAnswer::Ok << "page.htm" << true;
        QTest::addRow("OK, but Save As cancelled") << false << MsgAnswer::Ok << "" << false;
        QTest::addRow("Cancel") << false << MsgAnswer::Cancel << "-" << false;
    }

    void imageBulletsNeedASavedPage()
    {
        QFETCH(bool, savedBefore);
        QFETCH(MsgAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, saved);

        frmKid *kid = m_frame->files()->NewPage();
        if (savedBefore) {
            QVERIFY(writeFile(m_dir->filePath("page.htm")));
            kid->setTag(m_dir->filePath("page.htm"));
        } else {
            m_services->messages.answerNext(answer);
        }
        const QString tag = kid->Tag();
        open(kid);
        if (saveAs != "-")
            m_services->fileDialogs.answerNext(saveAs.isEmpty() ? QString() : m_dir->filePath(saveAs), 0);
        choose("cboType", 3);
        choose("cboStyle", 2);

        const QList<MessageBox> question = {note(
            "Your active page has not yet been saved...\n\nTherefore a linked image (as those generated by "
            "Zevora) will not have a proper path to link to.\nHence, if you wish to have Zevora make images "
            "to use in your Definition List, then you must save the active page first.\n[If left unsaved, a "
            "generic image tag will be generated in place of actual images and links... which you can later "
            "edit.]\n\nWould you like to save the file before proceeding?",
            MsgIcon::None, MsgButtons::OkCancel)};
        QCOMPARE(m_services->messages.shown, savedBefore ? QList<MessageBox>() : question);
        QCOMPARE(kid->Tag(), saved ? m_dir->filePath("page.htm") : tag);
        QCOMPARE(control("cboNumber")->isHidden(), saved);
        if (saved)
            click("lblColor(15)");
        fillDefinitionListAndEnter();

        const QString list =
            saved ? definitionList(
                        linkedTopic("listTri_Red.gif"),
                        "<img src=\"images/listDot_Red.gif\" width=5 height=5 hspace=5 align=middle>")
                  : definitionList(GenericTopic, GenericDetail);
        QVERIFY(kid->richy->Text().contains(list));
        // The two pictures of the chosen set, and nothing else, beside the page.
        const QDir images(m_dir->filePath("images"));
        QCOMPARE(images.entryList(QDir::Files | QDir::Hidden),
                 saved ? QStringList({"listDot_Red.gif", "listTri_Red.gif"}) : QStringList());
        if (saved)
            QCOMPARE(readFile(images.filePath("listDot_Red.gif")), Resources::bulletGif(815));
    }

    void closeAndAClosedPageWriteNothing()
    {
        QPointer<frmKid> kid = page();
        for (const char *button : {"cmdEscape", "cmdOK"}) {
            open(kid);
            typeOneBulletItem();
            frmKid *other = page();
            if (QString(button) == "cmdOK") {
                // The page it was opened on closes: Enter writes nowhere.
                kid->close();
                QTRY_VERIFY(!kid);
            }
            click(button);
            QVERIFY(!m_dialog->isVisible());
            QCOMPARE(other->richy->Text(), Body);
            if (kid)
                QCOMPARE(kid->richy->Text(), Body);
            delete m_dialog;
        }
    }

    void anExistingFileIsNeverWrittenOver_data()
    {
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QStringList>("ours");
        QTest::addColumn<QString>("linked");
        QTest::addRow("ours is there: left untouched")
            << QStringList() << QStringList{"listTri_Red.gif"} << "listTri_Red.gif";
        QTest::addRow("two names are taken")
            << QStringList{"listTri_Red.gif", "listTri_Red2.gif"} << QStringList() << "listTri_Red3.gif";
        QTest::addRow("ours is already under the second name")
            << QStringList{"listTri_Red.gif"} << QStringList{"listTri_Red2.gif"} << "listTri_Red2.gif";
    }

    void anExistingFileIsNeverWrittenOver()
    {
        QFETCH(QStringList, users);
        QFETCH(QStringList, ours);
        QFETCH(QString, linked);

        QVERIFY(QDir(m_dir->path()).mkdir("images"));
        QList<Platform::FileIdentity> before;
        for (const QString &name : users + ours) {
            QVERIFY(
                writeFile(images(name), users.contains(name) ? "the user's own" : Resources::bulletGif(715)));
            QVERIFY(setModified(images(name), QDateTime(QDate(2001, 7, 5), QTime(15, 7, 9))));
            before.append(Platform::fileIdentity(images(name)));
        }

        QCOMPARE(BulletFiles::create(pagePath(), 15).topicTag, linkedTopic(linked));
        for (qsizetype i = 0; i < before.size(); ++i)
            QVERIFY(before.at(i).sameFileUnchanged(Platform::fileIdentity(images((users + ours).at(i)))));
        QCOMPARE(readFile(images(linked)), Resources::bulletGif(715));
        QCOMPARE(QDir(images()).entryList(QDir::Files).size(), users.size() + qMax(ours.size(), 1) + 1);
    }

    void whatCannotBeWrittenGivesTheGenericTags_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addRow("a file named images") << "images file";
        // Every name the dot could take is a folder: the triangle written first
        // must not stay behind on its own.
        QTest::addRow("the dot cannot be written") << "dot names";
        // A file size limit makes the write fail part way, as a full disk does:
        // no cut-off picture may stand under the name.
        QTest::addRow("the disk fills up") << "size limit";
    }

    void whatCannotBeWrittenGivesTheGenericTags()
    {
        QFETCH(QString, obstacle);

        QDir folder(m_dir->path());
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        if (obstacle == "images file") {
            QVERIFY(writeFile(images().chopped(1), "mine"));
        } else if (obstacle == "dot names") {
            QVERIFY(folder.mkpath("images/listDot_Red.gif"));
            for (int n = 2; n <= 99; ++n)
                QVERIFY(folder.mkdir(QString("images/listDot_Red%1.gif").arg(n)));
        } else {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = old;
            small.rlim_cur = rlim_t(Resources::bulletGif(715).size() - 1);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const BulletFiles::Result result = BulletFiles::create(pagePath(), 15);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);

        QCOMPARE(result.message, Sorry);
        QCOMPARE(result.topicTag, GenericTopic);
        QCOMPARE(result.detailTag, GenericDetail);
        QCOMPARE(QDir(images()).entryList(QDir::Files | QDir::Hidden), QStringList());
        if (obstacle == "images file")
            QCOMPARE(readFile(images().chopped(1)), QByteArray("mine"));
    }

    void aPageWithoutAFolderHasNoImagePath()
    {
        for (const QString &path : {QString(), m_dir->filePath("gone/index.htm")}) {
            const BulletFiles::Result result = BulletFiles::create(path, 15);
            QCOMPARE(result.message, QString("Could not create image path..."));
            QCOMPARE(result.topicTag, QString());
        }
        QVERIFY(!QFileInfo::exists(m_dir->filePath("gone")));
    }

private:
    frmKid *page() { return m_test->page(Body.toUtf8(), 8); }

    void open(frmKid *kid)
    {
        m_dialog = new frmLists(kid, m_frame->files(), m_frame);
        m_dialog->show();
    }

    void choose(const char *list, int entry)
    {
        auto *box = control<QComboBox>(list);
        QVERIFY2(box && box->isVisible() && !box->isEditable(), list);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }

    void click(const QString &button)
    {
        auto *found = control<QAbstractButton>(button);
        QVERIFY2(found && found->isVisible() && found->isEnabled(), qPrintable(button));
        found->click();
    }

    void type(int item, const QString &text)
    {
        auto *entry = control<QLineEdit>(QString("txtEnter(%1)").arg(item));
        QVERIFY(entry && entry->isVisible() && entry->isEnabled());
        entry->setText(text);
    }

    // A bullet list whose first item is "x".
    void typeOneBulletItem()
    {
        choose("cboType", 1);
        choose("cboStyle", 1);
        choose("cboNumber", 1);
        click("cmdList");
        type(0, "x");
    }

    // Two items, "x" and the sub-item "y", under the heading "H", then Enter.

    void fillDefinitionListAndEnter()
    {
        choose("cboNumber", 1);
        click("cmdList");
        type(0, "x");
        type(1, "y");
        control<QCheckBox>("Check1(1)")->setChecked(true);
        control<QLineEdit>("txtDLHead")->setText("H");
        click("cmdOK");
    }

    QString pagePath() const { return m_dir->filePath("index.htm"); }
    QString images(const QString &name = QString()) const { return m_dir->filePath("images/" + name); }

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return ::control<T>(m_dialog, name);
    }

    std::unique_ptr<TestFrame> m_test;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
    QPointer<frmLists> m_dialog;
};

QTEST_MAIN(tst_frmLists)
#include "tst_frmlists.moc"
