// Zevora tests - templates (adding, organizing, the menu, opening one) and the
// browser preview, through the fake shell and through the real one with a
// browser script of the test's own as the desktop's default.
#include "TestFiles.h"
#include "TestFrame.h"

#include "CRegSettings.h"
#include "FileCommands.h"
#include "QtShellService.h"
#include "Services.h"
#include "TemplateCommands.h"
#include "frmTemplatesAdd.h"
#include "frmTemplatesOrg.h"
#include "mFuncs.h"
#include "modPreview.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

using namespace Platform;
using TemplateList::Template;

namespace {
const QByteArray kUsers = "the user's own";
MessageBox note(const QString &text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok)
{
    return {"Zevora Note:", text, icon, buttons, true};
}
// Writes the file at \a path, its folders made first.
void write(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && writeFile(path, bytes));
}
// The file's mode bits: 0444 is read-only for everyone (QFile's "User"
// permissions would tell what the test's user, maybe root, may do).
int mode(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}
QString inFolder(const QString &name)
{
    return FileCommands::templateFolder() + "/" + name;
}
} // namespace

class tst_Pages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Templates, trash and temporary folder in a folder of the test's own.
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath("tmp");
        qputenv("HOME", m_dir->path().toUtf8());
        qputenv("TMPDIR", path("tmp").toUtf8());
        m_test = std::make_unique<TestFrame>();
        m_frame = &m_test->frame;
        m_services = &m_test->services;
    }

    void cleanup() { m_test.reset(); }

    // --- templates -------------------------------------------------------------------

    void addingWritesAReadOnlyCopyAndLeavesThePage()
    {
        // Windows-1252 has no arrow: the template is written in UTF-8, unasked.
        const QString text = "<p>caf\u00e9 \u2192</p>";
        frmKid *kid = page("page.htm", true, text);
        kid->setEncoding(PageEncoding::Windows1252);
        frmTemplatesAdd dialog(templates(), kid, m_frame);
        dialog.txtID->setText("Home");
        dialog.txtFilename->setText("home.htm");
        QTest::mouseClick(dialog.cmdEnter, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readFile(inFolder("home.htm")), (text + "\r\n").toUtf8());
        QCOMPARE(mode(inFolder("home.htm")), 0444);
        QVERIFY(kid->richy->DataChanged() && kid->encoding() == PageEncoding::Windows1252);
        QCOMPARE(kid->Tag() + kid->windowTitle(), path("page.htm") + "page.htm");
        QVERIFY(!m_frame->item("mnuFileMRU(0)")->isVisible());

        QVERIFY(templates()->addTemplate(kid, "A & B", "ab.htm"));
        QCOMPARE(item(0) + "|" + item(1), QString("A && B|Home"));
        QVERIFY(m_frame->item("mnuOptsTempOrg")->isVisible() &&
                m_frame->item("mnuOptsTempSep1")->isVisible());
        QCOMPARE(CRegSettings().GetRegSetting("tFileName", "1"), QString("home.htm"));
        // Nine at most: the oldest drops off, its file stays.
        for (int i = 1; i <= 8; ++i)
            QVERIFY(templates()->addTemplate(kid, QString("T%1").arg(i), QString("t%1.htm").arg(i)));
        QCOMPARE(templates()->storedTemplates().size(), 9);
        QCOMPARE(templates()->storedTemplates().last(), (Template{"A & B", "ab.htm"}));
        QVERIFY(QFile::exists(inFolder("home.htm")));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *tag, const QString &name, const QString &file, const QString &text) {
            QTest::newRow(tag) << name << file << text;
        };
        const QString noPath = "Please enter a filename without a path.";
        const QString inUse =
            "\nPlease go back and enter a new name,\nor delete the template with that name\n"
            "under the ORGANIZE TEMPLATES menu.";
        row("an empty name", " ", "x.htm", "Please enter a ID for the template.");
        row("an empty file name", "X", "", "Please enter a filename for the template.");
        row("a path up", "X", "../x.htm", noPath);
        row("a Windows path", "X", "..\\x.htm", noPath);
        row("dot dot", "X", "..", noPath);
        row("a name in use", "Home", "x.htm", "That template name is already in use." + inUse);
        row("a file in use", "X", "home.htm", "That template file is already in use." + inUse);
        row("a file that cannot be written", "X", QString(300, 'x'),
            "The template file could not be written:\n");
    }

    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        QFETCH(QString, text);
        frmKid *kid = page("page.htm", true, "x");
        QVERIFY(templates()->addTemplate(kid, "Home", "home.htm"));
        if (text.endsWith('\n'))
            text += inFolder(fileName);
        frmTemplatesAdd dialog(templates(), kid, m_frame);
        dialog.show();
        dialog.txtID->setText(name);
        dialog.txtFilename->setText(fileName);
        m_services->messages.answerNext(MsgAnswer::Ok);
        QTest::mouseClick(dialog.cmdEnter, Qt::LeftButton);
        QCOMPARE(m_services->messages.shown.last(),
                 note(text, text.contains("written") ? MsgIcon::Exclamation : MsgIcon::None));
        QVERIFY(dialog.isVisible());
        QCOMPARE(templates()->storedTemplates().size(), 1);
        QVERIFY(!QFile::exists(FileCommands::templateFolder() + "/../x.htm"));
    }

    void organizeRenamesAndDeletes()
    {
        frmKid *kid = page("page.htm", true, "x");
        QVERIFY(templates()->addTemplate(kid, "Home", "home.htm"));
        QVERIFY(templates()->addTemplate(kid, "Work", "work.htm"));
        frmTemplatesOrg dialog(templates(), m_frame);
        dialog.show();
        // Enter needs both a template and an option.
        dialog.optChange[1]->click();
        QVERIFY(!dialog.cmdEnter->isEnabled() && !dialog.txtRename->isVisible());
        dialog.cboTemplates->setCurrentIndex(1);
        QVERIFY(dialog.cmdEnter->isEnabled() && dialog.txtRename->isVisible());
        dialog.txtRename->clear();
        m_services->messages.answerNext(MsgAnswer::Ok);
        QTest::mouseClick(dialog.cmdEnter, Qt::LeftButton);
        QCOMPARE(m_services->messages.shown.last(), note("Please enter a ID for the template."));
        QVERIFY(dialog.isVisible());
        dialog.txtRename->setText("Start & End");
        QTest::mouseClick(dialog.cmdEnter, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(item(1), QString("Start && End"));
        QCOMPARE(CRegSettings().GetRegSetting("tFileName", "1"), QString("home.htm"));

        m_services->messages.answerNext(MsgAnswer::No);
        templates()->deleteTemplate(0);
        QCOMPARE(m_services->messages.shown.last(),
                 note("Move the template file work.htm to the trash?", MsgIcon::Question, MsgButtons::YesNo));
        QCOMPARE(mode(inFolder("work.htm")), 0444);
        m_services->messages.answerNext(MsgAnswer::Yes);
        templates()->deleteTemplate(0);
        QVERIFY(!QFile::exists(inFolder("work.htm")));
        QCOMPARE(readFile(path(".qttest/share/Trash/files/work.htm")), QByteArray("x\r\n"));
        QCOMPARE(templates()->storedTemplates(), (QList<Template>{{"Start & End", "home.htm"}}));
    }

    void theMenuDropsBadSlots()
    {
        templates()->LoadTemplateMenu();
        QVERIFY(!m_frame->item("mnuOptsTempOrg")->isVisible());
        // Each present in the folder, except gone.htm.
        const QStringList names = {"A", "", "Gone", "A again", "Up", "Dot", "B", "", "C & D"};
        const QStringList files = {"a.htm", "x.htm", "gone.htm", "a.htm", "../up.htm",
                                   "..",    "b.htm", "",         "c.htm"};
        QDir().mkpath(FileCommands::templateFolder());
        CRegSettings settings;
        for (int i = 0; i < 9; ++i) {
            settings.SaveRegSetting("tID", QString::number(i), names[i]);
            settings.SaveRegSetting("tFileName", QString::number(i), files[i]);
            if (i != 2)
                QFile(inFolder(files[i])).open(QIODevice::WriteOnly);
        }
        templates()->LoadTemplateMenu();
        QCOMPARE(templates()->storedTemplates(),
                 (QList<Template>{{"A", "a.htm"}, {"B", "b.htm"}, {"C & D", "c.htm"}}));
        QCOMPARE(item(2), QString("C && D"));
        QVERIFY(!m_frame->item("mnuOptsTempList(3)")->isVisible());
        QCOMPARE(settings.GetRegSetting("tFileName", "3", "none"), QString("none"));
    }

    void openingATemplateGivesANewPageWithoutAFile()
    {
        QVERIFY(templates()->addTemplate(page("page.htm", true, "<p>t</p>\r\n"), "Home", "home.htm"));
        // Somebody's file where the page's Tag points.
        const QString tag = mFuncs::TempFolder() + "Home";
        write(tag, "theirs");
        frmKid *kid = templates()->mnuOptsTempList_Click(0);
        QCOMPARE(kid->windowTitle() + "|" + kid->Tag(), "Home|" + tag);
        QCOMPARE(kid->richy->Text(), QString("<p>t</p>\r\n"));
        QVERIFY(!kid->richy->DataChanged() && !m_frame->item("mnuFileMRU(0)")->isVisible());
        // Its first Save asks for a name.
        QTest::keyClicks(kid->richy, "x");
        m_services->fileDialogs.answerNext(QString());
        QVERIFY(!m_frame->files()->SaveDocument(kid));
        QCOMPARE(readFile(tag), QByteArray("theirs"));
        // A name that holds a separator leads into no folder.
        QVERIFY(templates()->addTemplate(kid, "a/b", "ab.htm"));
        QCOMPARE(templates()->mnuOptsTempList_Click(0)->Tag(), mFuncs::TempFolder() + "a_b");

        const qsizetype pages = m_frame->documents().size();
        QFile::setPermissions(inFolder("ab.htm"), QFile::WriteOwner);
        QVERIFY(QFile::remove(inFolder("ab.htm")));
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!templates()->mnuOptsTempList_Click(0));
        QCOMPARE(m_services->messages.shown.last(), note("Unable to open Template"));
        QTRY_COMPARE(m_frame->documents().size(), pages);
        CRegSettings().SaveRegSetting("tFileName", "1", "../home.htm");
        m_services->messages.answerNext(MsgAnswer::Ok);
        QVERIFY(!templates()->mnuOptsTempList_Click(1));
        QCOMPARE(m_services->messages.shown.last(), note("Error with Template List"));
    }

    // --- the preview -----------------------------------------------------------------

    void theFileShown_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("taken"); // files of the user's
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const QString &tag, const QString &caption, bool modified,
                            const QStringList &taken, const QString &shown) {
            QTest::newRow(name) << tag << caption << modified << taken << shown;
        };
        const QString stamp = QString(14, ' ') + "> Last modified: 7/4/2001  [12:05:09 PM]";
        row("a modified saved page", "index.htm", "index.htm" + stamp, true, {"index.htm"}, "$$index.htm");
        row("a modified .shtml page", "page.shtml", "page.shtml", true, {"page.shtml"}, "$$page.shtml.htm");
        row("a caption that is a folder's name too", "sub/sub", "sub", true, {"sub/sub"}, "sub/$$sub.htm");
        row("an unmodified saved page, shown as it is", "index.htm", "index.htm" + stamp, false,
            {"index.htm"}, "index.htm");
        row("an unmodified page without extension", "index", "index", false, {"index"}, "index.htm");
        row("the $$ name and the next taken", "index.htm", "index.htm", true,
            {"index.htm", "$$index.htm", "$$1index.htm"}, "$$2index.htm");
        row("an untitled name taken", "Untitled1htm", "Untitled1.htm", true, {"Untitled1htm.htm"},
            "$$1Untitled1htm.htm");
        row("an RTF page's own file", "notes.rtf", "notes.txt", false, {"notes.rtf"}, "$$1notes.rtf");
    }

    void theFileShown()
    {
        QFETCH(QString, tag);
        QFETCH(QString, caption);
        QFETCH(bool, modified);
        QFETCH(QStringList, taken);
        QFETCH(QString, shown);
        QDir(m_dir->path()).mkdir("sub");
        for (const QString &name : taken)
            write(path(name), kUsers);
        frmKid *kid = page(tag, modified, "<p>page</p>", caption);
        kid->setEncoding(PageEncoding::Windows1252);
        m_frame->preview()->Preview(kid);

        QCOMPARE(m_services->shell.started.size(), 1);
        const FakeShellService::Start &start = m_services->shell.started.first();
        QCOMPARE(start.browser + start.file + "|" + start.folder,
                 "fake-browser.desktop" + path(shown) + "|" + QFileInfo(path(shown)).absolutePath());
        const bool ownFile = shown == tag;
        QCOMPARE(start.bytes, ownFile ? kUsers : QByteArray("<p>page</p>\r\n"));
        QCOMPARE(m_frame->preview()->pendingCopies(), ownFile ? QStringList() : QStringList{path(shown)});
        for (const QString &name : taken)
            QCOMPARE(readFile(path(name)), kUsers);
        // The page is as it was.
        QVERIFY(kid->richy->DataChanged() == modified && kid->encoding() == PageEncoding::Windows1252);
        QCOMPARE(kid->Tag() + "|" + kid->windowTitle(), path(tag) + "|" + caption);
        QVERIFY(!m_frame->item("mnuFileMRU(0)")->isVisible());
    }

    void theCopyGoesThreeSecondsAfterTheLastStart()
    {
        frmKid *kid = page("index.htm");
        const QString copy = path("$$index.htm");
        QElapsedTimer clock;
        clock.start();
        m_frame->preview()->Preview(kid);
        QVERIFY(QFile::exists(copy));
        // The window goes on working; half a second on, the page is previewed
        // again, changed: the waiting copy is used again, and waits anew.
        int ticks = 0;
        qint64 secondStart = -1;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (++ticks == 50) {
                kid->kidPaste("<br>");
                secondStart = clock.elapsed();
                m_frame->preview()->Preview(kid);
            }
        });
        ticker.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(copy), 8000);
        QVERIFY(secondStart > 0 && clock.elapsed() >= secondStart + modPreview::kDeleteAfterMs);
        QVERIFY(ticks > 200);
        QCOMPARE(m_services->shell.started.size(), 2);
        QCOMPARE(m_services->shell.started[1].file, copy);
        QCOMPARE(m_services->shell.started[1].bytes, QByteArray("<br><p>page</p>\r\n"));
        // A copy still waiting when the program ends goes with it.
        m_frame->preview()->Preview(kid);
        m_test.reset();
        QVERIFY(!QFile::exists(copy));
    }

    void failures_data()
    {
        QTest::addColumn<int>("lookupsWithoutBrowser");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<MessageBox>("box");
        const MessageBox cannotOpen{"Zevora Note:", "Web Page Could Not Be Opened.", MsgIcon::Exclamation};
        QTest::addRow("no browser, after five retries")
            << 6 << true << "index.htm" << MessageBox{"Zevora", "Could not find associated browser"};
        QTest::addRow("the browser does not start") << 0 << false << "index.htm" << cannotOpen;
        QTest::addRow("a copy that cannot be written") << -1 << true << "/proc/zevora.htm" << cannotOpen;
    }

    void failures()
    {
        QFETCH(int, lookupsWithoutBrowser);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, tag);
        QFETCH(MessageBox, box);
        FakeShellService &shell = m_services->shell;
        shell.lookupsWithoutBrowser = lookupsWithoutBrowser;
        shell.startSucceeds = startSucceeds;
        frmKid *kid = page(tag);
        m_services->messages.answerNext(MsgAnswer::Ok);
        QElapsedTimer clock;
        clock.start();
        m_frame->preview()->Preview(kid);
        QTRY_COMPARE_WITH_TIMEOUT(m_services->messages.shown.size(), 1, 5000);
        QCOMPARE(m_services->messages.shown.first(), box);
        QCOMPARE(shell.lookups, qMax(lookupsWithoutBrowser, tag.startsWith('/') ? 0 : 1));
        QVERIFY(clock.elapsed() >= qMax(0, lookupsWithoutBrowser - 1) * modPreview::kRetryMs);
        QVERIFY(shell.started.size() == int(!startSucceeds));
        // Whatever went wrong, the copy is gone at once.
        QVERIFY(!QFile::exists(path("$$index.htm")));
    }

    void theDesktopsBrowserGetsTheCopyInThePagesFolder_data()
    {
        QTest::addColumn<QByteArray>("defaults");
        QTest::addColumn<QString>("ownEntry");
        QTest::addRow("the default for HTML pages") << QByteArray("text/html=browser.desktop\n") << QString();
        QTest::addRow("Zevora's own entry: the default for web addresses")
            << QByteArray("text/html=org.tallowridge.Zevora.desktop\nx-scheme-handler/http=browser.desktop\n")
            << "org.tallowridge.Zevora";
        QTest::addRow("empty desktop folders") << QByteArray() << QString();
    }

    void theDesktopsBrowserGetsTheCopyInThePagesFolder()
    {
        QFETCH(QByteArray, defaults);
        QFETCH(QString, ownEntry);
        QtShellService shell;
        Services::installShell(&shell);
        QGuiApplication::setDesktopFileName(ownEntry);
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            qputenv(name, path(name).toUtf8());
        write(path("XDG_CONFIG_HOME/mimeapps.list"), "[Default Applications]\n" + defaults);
        const QByteArray record = path("record").toUtf8();
        // The browser keeps a copy of its file, and notes its folder and its argument.
        write(path("browser.sh"),
              "#!/bin/sh\ncp \"$1\" '" + record + ".copy'\n(pwd; echo \"$1\") >'" + record + ".folder'\n");
        QFile::setPermissions(path("browser.sh"), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray entry = "[Desktop Entry]\nType=Application\nMimeType=text/html;\nName=";
        if (!defaults.isEmpty())
            write(path("XDG_DATA_DIRS/applications/browser.desktop"),
                  entry + "Browser\nExec=" + path("browser.sh").toUtf8() + " %f\n");
        if (!ownEntry.isEmpty())
            write(path("XDG_DATA_DIRS/applications/" + ownEntry + ".desktop"),
                  entry + "Zevora\nExec=false %f\n");

        // A folder whose name a command line or a web address could get wrong.
        const QString folder = path("my site #1 \u00e9t\u00e9");
        write(folder + "/index page.htm", "saved\r\n");
        frmKid *kid = page(folder + "/index page.htm");
        if (defaults.isEmpty())
            m_services->messages.answerNext(MsgAnswer::Ok);
        m_frame->preview()->Preview(kid);
        if (defaults.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(m_services->messages.shown.size(), 1, 10000);
            QCOMPARE(m_services->messages.shown.first().text, QString("Could not find associated browser"));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record + ".folder"), 10000);
            QCOMPARE(readFile(record + ".copy"), QByteArray("<p>page</p>\r\n"));
            QCOMPARE(QString::fromUtf8(readFile(record + ".folder")),
                     folder + "\n" + folder + "/$$index page.htm\n");
        }
        QGuiApplication::setDesktopFileName(QString());
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // A page of \a text at \a tag (in the test's folder when relative),
    // captioned with its file name unless \a caption is given.
    frmKid *page(const QString &tag = "page.htm", bool modified = true, const QString &text = "<p>page</p>",
                 const QString &caption = {})
    {
        frmKid *kid = m_test->page(text.toUtf8());
        kid->setTag(QDir::isRelativePath(tag) ? path(tag) : tag);
        kid->setWindowTitle(caption.isEmpty() ? QFileInfo(tag).fileName() : caption);
        kid->setFileOnDisk(fileIdentity(kid->Tag()));
        // A page read from an RTF file is not its file's content.
        kid->setSaveAsRequired(tag.endsWith(".rtf"));
        kid->richy->setDataChanged(modified);
        return kid;
    }
    QString item(int i) const { return m_frame->item(QString("mnuOptsTempList(%1)").arg(i))->text(); }
    TemplateCommands *templates() const { return m_frame->templates(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestFrame> m_test;
    topForm *m_frame = nullptr;
    FakeServices *m_services = nullptr;
};

QTEST_MAIN(tst_Pages)
#include "tst_pages.moc"
