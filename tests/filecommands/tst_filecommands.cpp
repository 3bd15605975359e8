// Zevora tests - New, Open, Save, Save As, recent files and files from outside.
#include "TestFiles.h"
#include "TestFrame.h"

#include "CRegSettings.h"
#include "FileCommands.h"
#include "ToolPictures.h"
#include "mCaption.h"
#include "mFuncs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Platform;

namespace {
MessageBox note(const QString &text, MsgIcon icon = MsgIcon::Information, MsgButtons buttons = MsgButtons::Ok,
                const QString &title = "Zevora Note:")
{
    return MessageBox{title, text, icon, buttons, true};
}

const QString kStampMark = QString(14, ' ') + ">";
} // namespace

class tst_FileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_services = &m_test->services;
        m_services->sound.available = true;
        m_frame = &m_test->frame;
        m_files = m_frame->files();
    }

    void cleanup()
    {
        m_test.reset();
        m_dir.reset();
    }

    void newPagesAreNumberedAndHoldTheSkeleton()
    {
        frmKid *first = m_files->NewPage(true);
        QCOMPARE(first->windowTitle(), QString("Untitled1.htm"));
        QCOMPARE(first->Tag(), mFuncs::TempFolder() + "Untitled1htm");
        QCOMPARE(first->richy->Text(),
                 QString("<HTML>\r\n<HEAD>\r\n<TITLE>** UNTITLED PAGE **</TITLE>\r\n"
                         "<META NAME=\"generator\" CONTENT=\"Zevora\">\r\n</HEAD>\r\n<BODY>\r\n"
                         "\r\n\r\n\r\n</BODY>\r\n</HTML>"));
        QVERIFY(!first->richy->DataChanged());
        QCOMPARE(m_files->NewPage()->windowTitle(), QString("Untitled2.htm"));
        QCOMPARE(m_services->sound.played, (QList<FakeSoundService::Played>{{305, true}}));
        QVERIFY(CRegSettings().SaveRegSetting("Files", "default_Save", "txt"));
        QCOMPARE(m_files->NewPage()->windowTitle(), QString("Untitled3.txt"));
    }

    void theOpenDialogStartsWithTheDefaultTypeInThePagesFolder()
    {
        QVERIFY(writeFile(path("page.htm"), "<p>hi</p>\r\n"));
        QVERIFY(CRegSettings().SaveRegSetting("Files", "default_Open", ".txt"));
        frmKid *kid = open(path("page.htm"));
        QVERIFY(kid);
        const FileDialogRequest &request = m_services->fileDialogs.shown.first().request;
        QCOMPARE(request.title, QString("Open File..."));
        QCOMPARE(request.filters.size(), 4);
        QCOMPARE(request.filters.value(request.selectedFilter), QString("Text Files (*.txt)"));
        QCOMPARE(request.folder, QDir::toNativeSeparators(QDir::homePath()));
        QVERIFY(kid->windowTitle().startsWith("page.htm" + kStampMark + " Last modified: "));
        QVERIFY(!kid->richy->DataChanged());
        QVERIFY(m_services->sound.played.contains(FakeSoundService::Played{304, true}));

        // The dialog starts in the folder of the active page.
        m_services->fileDialogs.answerNext(QString());
        QVERIFY(!m_files->OpenDocument());
        QCOMPARE(m_services->fileDialogs.shown.last().request.folder, m_dir->path() + "/");
    }

    void theOpenDialogRefuses_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("alias"); // the same file under another name, opened first
        QTest::addRow("a missing file") << QByteArray() << " has been moved or deleted." << QString();
        QTest::addRow("a UTF-16 text")
            << QByteArray("\xFF\xFE<\0h\0>\0", 8) << " appears to be a binary file." << QString();
        for (const auto &[how, alias] : {std::pair{"through a symbolic link", "link.htm"},
                                         {"through a hard link", "hard.htm"},
                                         {"under another spelling", "sub/../refused.htm"}})
            QTest::addRow("a file open %s", how) << QByteArray("twice") << " is already open." << alias;
    }

    void theOpenDialogRefuses()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, suffix);
        QFETCH(QString, alias);
        const QString file = path("refused.htm");
        if (!content.isEmpty())
            QVERIFY(writeFile(file, content));
        if (!alias.isEmpty()) {
            QVERIFY(QFile::link(file, path("link.htm")));
            QCOMPARE(::link(qPrintable(file), qPrintable(path("hard.htm"))), 0);
            QVERIFY(QDir(m_dir->path()).mkdir("sub"));
            QVERIFY(open(path(alias)));
        }
        const qsizetype pages = m_frame->documents().size();
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!open(file));
        QCOMPARE(m_services->messages.shown.last(), note(file + suffix));
        QCOMPARE(m_frame->documents().size(), pages);
    }

    void pagesComeBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("added");
        const auto corpus = [](const char *name, const QByteArray &added = {}) {
            QTest::newRow(name) << readFile(QStringLiteral(ZEVORA_TEST_DATA "/roundtrip/") + name) << added;
        };
        corpus("crlf.htm");
        corpus("lf.htm");
        corpus("cr.htm");
        corpus("mixed.htm");
        corpus("no-final-break.htm", "\r\n");
        corpus("utf8.htm");
        corpus("utf8-bom.htm");
        corpus("windows-1252.txt");
        corpus("empty.txt", "\r\n");
        corpus("nul.htm");
        corpus("utf16le-no-bom.txt");
        // Pages are read in blocks of 30000 bytes, with events between them.
        QTest::addRow("exactly one block") << QByteArray(30000, 'a') << QByteArray("\r\n");
        QTest::addRow("one block and one byte") << QByteArray(30000, 'b') + "\n" << QByteArray();
        QTest::addRow("a 0x01 byte after the first 300")
            << QByteArray(301, 'c') + "\x01" << QByteArray("\r\n");
    }

    void pagesComeBackByteForByte()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, added);
        QVERIFY(writeFile(path("page.txt"), original));
        frmKid *kid = open(path("page.txt"));
        QVERIFY(kid);
        // Change a character and change it back.
        kid->richy->setSelStart(std::min<qsizetype>(3, kid->richy->textLength()));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QString::fromUtf8("é"));
        QCoreApplication::sendEvent(kid->richy, &press);
        QTest::keyClick(kid->richy, Qt::Key_Backspace);
        QVERIFY(kid->richy->DataChanged());
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(readFile(path("page.txt")), original + added);
        kid->kidPaste(QString::fromUtf8("q\r\né"));
        kid->cmdUndo_Click();
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(readFile(path("page.txt")), original + added);
    }

    void closingThePageWhileItLoadsIsSafe()
    {
        QVERIFY(writeFile(path("slow.htm"), QByteArray(100000, 'x')));
        // The page closes during the first pause between two blocks.
        connect(m_frame->mdiArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *window) {
            if (window)
                QTimer::singleShot(0, window, &QWidget::close);
        });
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!open(path("slow.htm")));
        QCOMPARE(m_services->messages.shown.last(), note("Could not open file", MsgIcon::None));
        QTRY_VERIFY(m_frame->documents().isEmpty());
    }

    void theSameFileHandedOverWhileItLoadsOpensOnce()
    {
        QVERIFY(writeFile(path("slow.htm"), QByteArray(100000, 'x')));
        // The second hand-over arrives during the first pause between two blocks.
        QTimer::singleShot(0, m_frame, [this] { m_frame->handOverReceived(path("slow.htm")); });
        QVERIFY(open(path("slow.htm")));
        QCOMPARE(m_frame->documents().size(), 1);
        QCOMPARE(m_frame->activeDocument()->richy->textLength(), 100000);
    }

    void rtfIsOfferedAsPlainText()
    {
        const QByteArray rtf = "{\\RTF1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 He\\'00llo\\par W\\u0?orld}";
        QVERIFY(writeFile(path("notes.rtf"), rtf));
        m_services->messages.answerNext(MsgAnswer::Cancel);
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!open(path("notes.rtf")));
        const MessageBox question = note("The requested document appears to be an RTF file.\n\n"
                                         "If you would like, Zevora will\nopen the file as plain text.",
                                         MsgIcon::None, MsgButtons::OkCancel, "Zevora Note");
        QCOMPARE(m_services->messages.shown,
                 (QList<MessageBox>{question, note("Could not open file", MsgIcon::None)}));
        QTRY_COMPARE(m_frame->documents().size(), 0);

        m_services->messages.answerNext(MsgAnswer::Ok);
        frmKid *kid = open(path("notes.rtf"));
        QVERIFY(kid);
        const QString text = QString("He") + QChar(0) + "llo\r\nW" + QChar(0) + "orld";
        QCOMPARE(kid->richy->Text(), text);
        QVERIFY(kid->windowTitle().startsWith("notes.txt"));

        // The converted text is never written over the RTF file.
        m_services->fileDialogs.answerNext(path("notes.txt"), 3);
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(m_services->fileDialogs.shown.last().request.fileName, QString("notes.txt"));
        QCOMPARE(readFile(path("notes.rtf")), rtf);
        // A page holding NUL bytes gets no line break added at its end.
        QCOMPARE(readFile(path("notes.txt")), text.toUtf8());
    }

    // Saving a new page goes through Save As: the name the dialog returned,
    // the type's extension added, and a file replaced only when somebody said
    // so; a cancelled or refused save leaves the page and every file as they were.
    void savingANewPage_data()
    {
        QTest::addColumn<QString>("typed"); // "<template>": the first template's file
        QTest::addColumn<int>("filter");
        QTest::addColumn<MessageBox>("box"); // no title: nothing is asked; "<dir>" is the test's folder
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QString>("saved"); // empty: refused
        const auto row = [](const char *name, const QString &typed, int filter, const QString &saved,
                            const MessageBox &box = {}, MsgAnswer answer = MsgAnswer::Ok) {
            QTest::newRow(name) << typed << filter << box << answer << saved;
        };
        row("cancelled", "", 0, "");
        row("a name without extension gets the type's", "page", 1, "page.html");
        row("a name with its own extension keeps it", "page.asp", 0, "page.asp");
        row("All Files adds nothing", "README", 5, "README");
        row("a final period means no extension", "page.", 3, "page");
        // The dialog returned "page" and the HTM type: "page.htm" was never asked about.
        const MessageBox replace = note("<dir>/page.htm already exists.\n\nDo you want to replace it?",
                                        MsgIcon::Question, MsgButtons::YesNo);
        row("an existing file the dialog did not confirm, kept", "page", 0, "", replace, MsgAnswer::No);
        row("an existing file the dialog did not confirm, replaced", "page", 0, "page.htm", replace,
            MsgAnswer::Yes);
        row("an existing file the dialog confirmed", "page.htm", 0, "page.htm");
        const MessageBox unable = note("Unable to save the file...", MsgIcon::Exclamation);
        row("a folder that does not exist", "no-such-folder/page.htm", 5, "", unable);
        row("a name that is a folder", "folder", 5, "", unable);
        row("a template", "<template>", 5, "",
            note("The FileName you choose is a Template.\n\n"
                 "Please go back and enter a new name or location.\n"
                 "Template files cannot be overwritten.\n\n"
                 "Templates can be organized via the OPTIONS menu.\n",
                 MsgIcon::None, MsgButtons::Ok, "TEMPLATE FILE"));
    }

    void savingANewPage()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(MessageBox, box);
        QFETCH(MsgAnswer, answer);
        QFETCH(QString, saved);
        box.text.replace("<dir>", m_dir->path());
        QVERIFY(writeFile(path("page.htm"), "old\r\n"));
        QVERIFY(CRegSettings().SaveRegSetting("tFileName", "0", "basic.htm"));
        QDir(m_dir->path()).mkdir("folder");
        QString file = typed.isEmpty() ? QString() : path(typed);
        if (typed == "<template>")
            file = FileCommands::templateFolder() + QDir::separator() + "basic.htm";
        frmKid *kid = m_files->NewPage(true);
        QTest::keyClicks(kid->richy, "x");
        const QString tag = kid->Tag();
        m_services->fileDialogs.answerNext(file, filter);
        if (!box.title.isEmpty())
            m_services->messages.answerNext(answer);
        QCOMPARE(m_files->SaveDocument(kid), !saved.isEmpty());
        const FileDialogRequest &request = m_services->fileDialogs.shown.last().request;
        QCOMPARE(request.title, QString("Save File As..."));
        QCOMPARE(request.fileName, QString("Untitled1.htm"));
        QCOMPARE(request.filters.size(), 6);
        QCOMPARE(request.filters.value(request.selectedFilter), QString("All Files (*)"));
        QCOMPARE(m_services->messages.shown,
                 box.title.isEmpty() ? QList<MessageBox>() : QList<MessageBox>{box});
        if (!saved.isEmpty()) {
            QCOMPARE(kid->Tag(), path(saved));
            QCOMPARE(readFile(path(saved)), (FileCommands::newPageText().insert(111, "x") + "\r\n").toUtf8());
            QVERIFY(
                kid->windowTitle().startsWith(QFileInfo(saved).fileName() + kStampMark + " Last modified: "));
            QVERIFY(!kid->richy->DataChanged() && !m_frame->isToolEnabled(Tool::Save));
            QCOMPARE(recentFiles().first(), path(saved));
            return;
        }
        QCOMPARE(kid->Tag(), tag);
        QCOMPARE(kid->windowTitle(), QString("Untitled1.htm"));
        QVERIFY(kid->richy->DataChanged());
        QCOMPARE(readFile(path("page.htm")), QByteArray("old\r\n"));
        QVERIFY(!QFileInfo(file).isFile());
    }

    void aFileThatVanishedIsNotWrittenBlindly()
    {
        QVERIFY(writeFile(path("gone.htm"), "here\r\n"));
        frmKid *kid = open(path("gone.htm"));
        QTest::keyClicks(kid->richy, "x");
        QVERIFY(QFile::remove(path("gone.htm")));
        QCOMPARE(m_files->saveInPlace(kid, path("gone.htm")), FileCommands::WriteResult::Vanished);
        QVERIFY(!QFile::exists(path("gone.htm")));
        QVERIFY(kid->richy->DataChanged());

        // Saving a page whose file is gone asks for a name instead.
        m_services->fileDialogs.answerNext(QString());
        QVERIFY(!m_files->SaveDocument(kid));
        QCOMPARE(m_services->fileDialogs.shown.last().request.fileName, QString("gone.htm"));
    }

    void aFileChangedOnDiskIsNotOverwrittenUnasked_data()
    {
        QTest::addColumn<bool>("swapForLink");
        QTest::addRow("rewritten by another program") << false;
        QTest::addRow("swapped for a symbolic link") << true;
    }

    void aFileChangedOnDiskIsNotOverwrittenUnasked()
    {
        QFETCH(bool, swapForLink);
        QVERIFY(writeFile(path("page.htm"), "one\r\n"));
        frmKid *kid = open(path("page.htm"));
        QTest::keyClicks(kid->richy, "x");
        const QByteArray theirs = "two\r\n";
        if (swapForLink) {
            QVERIFY(writeFile(path("other.htm"), theirs));
            QVERIFY(QFile::remove(path("page.htm")));
            QVERIFY(QFile::link(path("other.htm"), path("page.htm")));
        } else {
            QVERIFY(writeFile(path("page.htm"), theirs));
            QVERIFY(setModified(path("page.htm"), QDateTime(QDate(2001, 7, 4), QTime(12, 5, 9))));
        }
        m_services->messages.answerNext(MsgAnswer::No);
        QVERIFY(!m_files->SaveDocument(kid));
        const MessageBox question =
            note(path("page.htm") + " has changed on disk since it was opened or last saved.\n\n"
                                    "Overwrite it with this page?",
                 MsgIcon::Exclamation, MsgButtons::YesNo);
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{question});
        QCOMPARE(readFile(path("page.htm")), theirs);
        QVERIFY(kid->richy->DataChanged());
        if (!swapForLink) {
            kid->Form_Activate();
            QCOMPARE(kid->windowTitle(), "page.htm" + kStampMark + " Last modified: 7/4/2001  [12:05:09 PM]");
        }

        m_services->messages.answerNext(MsgAnswer::Yes);
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(readFile(path("page.htm")), QByteArray("xone\r\n"));
        // The caption has one stamp, the new one; and the page knows its file again.
        QCOMPARE(kid->windowTitle(), "page.htm" + mCaption::LastModifiedStamp(path("page.htm")));
        QTest::keyClicks(kid->richy, "y");
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(m_services->messages.shown.size(), 2);
    }

    void aLinkOfAnotherUserInASharedFolderIsNotFollowed()
    {
        if (::geteuid() != 0)
            QSKIP("Giving a link to another user needs root");
        QTemporaryDir shared;
        QCOMPARE(::chmod(qPrintable(shared.path()), 01777), 0);
        QVERIFY(writeFile(shared.filePath("page.htm"), "mine\r\n"));
        QVERIFY(writeFile(path("victim.txt"), "precious\r\n"));
        frmKid *kid = open(shared.filePath("page.htm"));
        QTest::keyClicks(kid->richy, "x");
        QVERIFY(QFile::remove(shared.filePath("page.htm")));
        QVERIFY(QFile::link(path("victim.txt"), shared.filePath("page.htm")));
        QCOMPARE(::lchown(qPrintable(shared.filePath("page.htm")), 65534, 65534), 0);
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!m_files->SaveDocument(kid));
        const MessageBox refused =
            note(shared.filePath("page.htm") +
                     " leads through a symbolic link that belongs to another user, in a folder "
                     "that everybody may write to.\n\nZevora does not follow such links: please "
                     "open or save the page under another name.",
                 MsgIcon::Exclamation);
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{refused});
        QCOMPARE(readFile(path("victim.txt")), QByteArray("precious\r\n"));
        QVERIFY(kid->richy->DataChanged());
        // Nor is a page opened through it.
        kid->richy->setDataChanged(false);
        kid->close();
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!open(shared.filePath("page.htm")));
        QCOMPARE(m_services->messages.shown, (QList<MessageBox>{refused, refused}));
        QVERIFY(m_frame->documents().isEmpty());
    }

    // A file handed over by a second start meets the same check on its way here.
    void aFileTooLargeForAPageIsRefused()
    {
        QFile file(path("huge.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(2) * 1024 * 1024 * 1024)); // sparse: no disk space used
        file.close();
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!open(path("huge.htm")));
        QCOMPARE(
            m_services->messages.shown,
            QList<MessageBox>{note(
                path("huge.htm") + " is too large to open (2048 MB).\n\nZevora opens files of up to 512 MB.",
                MsgIcon::Exclamation)});
        QVERIFY(m_frame->documents().isEmpty());
        QVERIFY(recentFiles().first().isEmpty());
    }

    void aFullDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("limit");
        QTest::addRow("a page larger than the write buffer") << 200000 << 65536;
        // Such a page reaches the disk only as the file is committed.
        QTest::addRow("a page that fits the write buffer") << 10000 << 4096;
    }

    void aFullDiskLeavesTheOldFile()
    {
        QFETCH(int, added);
        QFETCH(int, limit);
        // The file size limit makes writes fail as a full disk does.
        QVERIFY(writeFile(path("big.htm"), "old content\r\n"));
        frmKid *kid = open(path("big.htm"));
        kid->kidPaste(QString(added, 'z'));
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = rlim_t(limit);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        m_services->messages.answerNext(MsgAnswer::Ok);
        const bool saved = m_files->SaveDocument(kid);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
        QVERIFY(!saved);
        QCOMPARE(m_services->messages.shown.last(),
                 note("Could not write to the specified file at this time.", MsgIcon::Exclamation,
                      MsgButtons::Ok, "Zevora Note"));
        QCOMPARE(readFile(path("big.htm")), QByteArray("old content\r\n"));
        QVERIFY(kid->richy->DataChanged());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"big.htm"});
    }

    void closingWithYesSavesAndKeepsPermissionsAndSymbolicLinks()
    {
        QVERIFY(writeFile(path("script.cgi"), "#!/bin/sh\necho hi\n"));
        QVERIFY(QFile::setPermissions(path("script.cgi"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                              QFileDevice::ExeOwner | QFileDevice::ExeGroup));
        const QFileDevice::Permissions executable = QFile::permissions(path("script.cgi"));
        QVERIFY(QFile::link(path("script.cgi"), path("link.cgi")));
        QPointer<frmKid> kid = open(path("link.cgi"));
        QTest::keyClicks(kid->richy, "#");
        // Closed with Yes to the save question: saved, then gone.
        m_services->messages.answerNext(MsgAnswer::Yes);
        QVERIFY(kid->close());
        QTRY_VERIFY(kid.isNull());
        QVERIFY(QFileInfo(path("link.cgi")).isSymLink());
        QCOMPARE(readFile(path("script.cgi")), QByteArray("##!/bin/sh\necho hi\n"));
        QCOMPARE(QFile::permissions(path("script.cgi")), executable);
    }

    void charactersTheEncodingCannotHoldAreOfferedUtf8()
    {
        QVERIFY(writeFile(path("old.txt"), "caf\xE9\r\n"));
        frmKid *kid = open(path("old.txt"));
        kid->kidPaste(QString::fromUtf8("😀"));
        m_services->messages.answerNext(MsgAnswer::No);
        QVERIFY(!m_files->SaveDocument(kid));
        QCOMPARE(readFile(path("old.txt")), QByteArray("caf\xE9\r\n"));
        QCOMPARE(
            m_services->messages.shown.last(),
            note("old.txt holds characters that cannot be written in the Windows-1252 encoding it was read "
                 "in.\n\nSave it in UTF-8 instead?",
                 MsgIcon::Exclamation, MsgButtons::YesNo));
        m_services->messages.answerNext(MsgAnswer::Yes);
        QVERIFY(m_files->SaveDocument(kid));
        QCOMPARE(readFile(path("old.txt")), QString::fromUtf8("😀café\r\n").toUtf8());
    }

    void recentFilesKeepTheNewestNineAbsolutePaths()
    {
        QStringList files;
        for (int i = 0; i < 10; ++i) {
            files.append(path(QString("f%1.htm").arg(i)));
            QVERIFY(writeFile(files.last(), "x"));
        }
        m_files->AddToRecent(files[0]);
        m_files->AddToRecent(files[1]);
        m_files->AddToRecent(files[0]);
        QCOMPARE(recentFiles(), (QStringList{files[0], files[1], "", "", "", "", "", "", ""}));
        QVERIFY(m_frame->item("mnuFileSepB")->isVisible());
        for (const QString &file : files)
            m_files->AddToRecent(file);
        QCOMPARE(recentFiles(), (QStringList{files[9], files[8], files[7], files[6], files[5], files[4],
                                             files[3], files[2], files[1]}));
        // Entries whose files are gone leave at the next addition; their slots are cleared at once.
        for (int i = 2; i < 10; ++i)
            QFile::remove(files[i]);
        m_files->AddToRecent(files[0]);
        QCOMPARE(recentFiles(), (QStringList{files[0], files[1], "", "", "", "", "", "", ""}));

        // At start, gone and repeated neighbours go; only neighbours collapse.
        CRegSettings settings;
        for (const auto &[slot, file] : {std::pair{"0", "f0.htm"},
                                         {"1", "f0.htm"},
                                         {"2", "gone.htm"},
                                         {"3", ""},
                                         {"4", "f1.htm"},
                                         {"8", "f0.htm"}})
            settings.SaveRegSetting("Recent Files", slot, *file ? path(file) : "");
        m_files->LoadRecentFiles();
        QCOMPARE(recentFiles(), (QStringList{files[0], files[1], files[0], "", "", "", "", "", ""}));

        // The list outlives the folder this run was started in.
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_files->AddToRecent("f1.htm");
        QDir::setCurrent(started);
        QCOMPARE(recentFiles().first(), QDir(m_dir->path()).canonicalPath() + "/f1.htm");
    }

    void recentFileMessages()
    {
        QVERIFY(writeFile(path("a.htm"), "a"));
        QVERIFY(writeFile(path("b&c.htm"), "b"));
        m_files->AddToRecent(path("a.htm"));
        m_files->AddToRecent(path("b&c.htm"));
        QCOMPARE(m_frame->item("mnuFileMRU(0)")->text(), path("b&&c.htm"));
        // Each entry carries the recent-file picture, as Exit carries its own.
        const auto shows = [this](const char *item, Resources::MenuPicture picture) {
            const auto image = [](const QPixmap &pixmap) {
                return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            };
            return image(m_frame->item(item)->icon().pixmap(QSize(16, 16), 1.0)) ==
                   image(Resources::menuPicture(picture));
        };
        QVERIFY(shows("mnuFileMRU(0)", Resources::MenuPicture::RecentFile));
        QVERIFY(shows("mnuFileExit", Resources::MenuPicture::Exit));

        m_frame->item("mnuFileMRU(1)")->trigger();
        frmKid *opened = m_frame->activeDocument();
        QCOMPARE(opened->Tag(), path("a.htm"));
        QCOMPARE(recentFiles().first(), path("a.htm"));

        m_files->NewPage(true);
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->item("mnuFileMRU(0)")->trigger();
        QCOMPARE(m_services->messages.shown.last(),
                 note("That file is already open.\n\nIf you wish to toggle between open documents,\n"
                      "it is simpler to use the \"Current\"menu.",
                      MsgIcon::Information, MsgButtons::Ok, "Zevora"));
        QCOMPARE(m_frame->activeDocument(), opened);
        QCOMPARE(m_frame->documents().size(), 2);

        QFile::remove(path("b&c.htm"));
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->item("mnuFileMRU(1)")->trigger();
        QCOMPARE(m_services->messages.shown.last(), note("File appears to have been moved or deleted.",
                                                         MsgIcon::Information, MsgButtons::Ok, "Zevora"));
        QCOMPARE(recentFiles().at(1), path("b&c.htm"));
    }

    void dropsOnTheFrame_data()
    {
        QTest::addColumn<QStringList>("dropped"); // empty: text, not files
        QTest::addColumn<MessageBox>("box");
        QTest::addRow("text, not files") << QStringList() << note("Unknown Object", MsgIcon::None);
        QTest::addRow("two files") << QStringList{"a.htm", "b.htm"}
                                   << note("One file at a time, Please!", MsgIcon::Critical, MsgButtons::Ok,
                                           "Zevora Note");
        // Only a readable plain file is opened (which files are such: tst_files_paths).
        QTest::addRow("a folder") << QStringList{"folder"}
                                  << note("What was that?", MsgIcon::Question, MsgButtons::Ok, "Zevora Note");
        QTest::addRow("a text file") << QStringList{"a.htm"} << MessageBox{};
    }

    void dropsOnTheFrame()
    {
        QFETCH(QStringList, dropped);
        QFETCH(MessageBox, box);
        QVERIFY(writeFile(path("a.htm"), "dropped page"));
        QVERIFY(writeFile(path("b.htm"), "other"));
        QDir(m_dir->path()).mkdir("folder");
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &name : dropped)
            urls.append(QUrl::fromLocalFile(path(name)));
        if (urls.isEmpty())
            mime.setText("just text");
        else
            mime.setUrls(urls);
        if (!box.title.isEmpty())
            m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->dropFiles(&mime);
        QCOMPARE(m_services->messages.shown,
                 box.title.isEmpty() ? QList<MessageBox>() : QList<MessageBox>{box});
        QCOMPARE(m_frame->documents().size(), box.title.isEmpty() ? 1 : 0);
        if (box.title.isEmpty()) {
            QCOMPARE(m_frame->activeDocument()->richy->Text(), QString("dropped page"));
            QCOMPARE(recentFiles().first(), path("a.htm"));
        }
    }

    void handOverReceiver()
    {
        QVERIFY(writeFile(path("index.htm"), "handed over"));
        QVERIFY(
            writeFile(path("logo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01", 22)));
        m_frame->handOverReceived(path("index"));
        QCOMPARE(m_frame->documents().size(), 1);
        QCOMPARE(m_frame->activeDocument()->Tag(), path("index.htm"));

        m_services->sound.played.clear();
        m_files->NewPage(true);
        m_frame->handOverReceived(path("index.htm"));
        QCOMPARE(m_frame->documents().size(), 2);
        QCOMPARE(m_frame->activeDocument()->Tag(), path("index.htm"));
        QCOMPARE(m_services->sound.played, (QList<FakeSoundService::Played>{{306, true}}));

        m_services->messages.answerNext(MsgAnswer::Ok);
        m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->handOverReceived(path("missing.htm"));
        // The name is completed first, and the file it names is judged.
        m_frame->handOverReceived(path("logo"));
        const QString kind = "\nZevora edits text-based (ASCII) files";
        QCOMPARE(m_services->messages.shown,
                 (QList<MessageBox>{note(path("missing.htm") + " is not present." + kind),
                                    note(path("logo.png") + " is a binary file." + kind)}));
        // A start without a file only brings the frame forward.
        m_frame->handOverReceived(QString());
        QCOMPARE(m_frame->documents().size(), 2);
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    frmKid *open(const QString &file)
    {
        m_services->fileDialogs.answerNext(file);
        return m_files->OpenDocument();
    }

    // The stored list; each slot's menu item shows the same path, or is hidden when empty.
    QStringList recentFiles() const
    {
        QStringList list;
        for (int slot = 0; slot < 9; ++slot) {
            list.append(CRegSettings().GetRegSetting("Recent Files", QString::number(slot)));
            QAction *item = m_frame->item(QString("mnuFileMRU(%1)").arg(slot));
            if (item->isVisible() != !list.last().isEmpty() || item->data().toString() != list.last())
                list.last() += " <not in the menu>";
        }
        return list;
    }

    std::unique_ptr<TestFrame> m_test;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
    FileCommands *m_files = nullptr;
};

QTEST_MAIN(tst_FileCommands)
#include "tst_filecommands.moc"
