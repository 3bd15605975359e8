// Zevora tests - relative paths (with Windows and POSIX separators), files
// dropped on a page and on the link builder, and the builder's ways out.
#include "TestControls.h"
#include "TestFrame.h"

#include "frmAnchor.h"
#include "mFuncs.h"
#include "mRelPath.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Platform;
using Boxes = QList<MessageBox>;
Q_DECLARE_METATYPE(Boxes)

namespace {
const QString Text = QStringLiteral("<p>\r\n</p>\r\n");
constexpr int Caret = 5;
const QString Tag = QStringLiteral("<img src=\"%1\" width=30 height=20 border=0>");
const QString Folder =
    QStringLiteral("Looks like a folder.\n\nZevora Drag N Drop (%1)\nis used to generate %2.   \n\n"
                   "Try %3");
MessageBox note(const QString &text, MsgIcon icon = MsgIcon::None)
{
    return MessageBox{"Zevora Note:", text, icon};
}
const MessageBox NotAPage{"This is a Page Link...", "Please drop an HTM, HTML, SHTML or an ASP page.",
                          MsgIcon::Exclamation};
const MessageBox SaveFirst{
    "Zevora Note:",
    "Your original (linking) page has not yet been saved...\nTherefore a relative path will "
    "not be generated, just the filename.\nWould you like to save the file before proceeding?",
    MsgIcon::None, MsgButtons::OkCancel};
} // namespace

class tst_Drops : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_frame = &m_test->frame;
        m_dir = std::make_unique<QTemporaryDir>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
        QVERIFY(QDir(m_dir->path()).mkpath("docs/sub") && QDir(m_dir->path()).mkpath("img/folder"));
        QVERIFY(QFile::copy(OWN_SAMPLES "/grey.png", m_dir->filePath("img/grey.png")));
        for (const char *name : {"docs/page.htm", "docs/sub/p.SHTML", "notes.txt", "img/b.bmp"}) {
            QFile file(m_dir->filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(QByteArray(name).endsWith(".bmp") ? "BM" + QByteArray(40, 0) : "<p>") > 0);
        }
    }

    void cleanup()
    {
        delete m_anchor;
        m_test.reset();
    }

    void pathsAreRelativeToThePagesFolder_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("expected");
        const QString win = "C:\\site\\docs\\page.htm";
        QTest::addRow("the page itself") << win << win << "page.htm";
        QTest::addRow("letter case counts") << "C:\\Site\\docs\\b.htm" << win << "../../Site/docs/b.htm";
        const QString posix = "/home/ann/site/docs/page.htm";
        QTest::addRow("POSIX elsewhere on the disk")
            << "/srv/pics/a.gif" << posix << "../../../../srv/pics/a.gif";
        QTest::addRow("address characters are escaped")
            << "/home/ann/site/docs/100% \"new\" #1?.gif" << posix << "100%25 %22new%22 %231%3F.gif";
        QTest::addRow("in folder names too") << "/home/ann/site/#img/a.gif" << posix << "../%23img/a.gif";
        QTest::addRow("the bare name of another drive") << "D:\\%.gif" << win << "%25.gif";
    }

    void pathsAreRelativeToThePagesFolder()
    {
        QFETCH(QString, target);
        QFETCH(QString, base);
        const QChar separator = base.startsWith('/') ? u'/' : u'\\';
        QTEST(mRelPath::relPath(target, base, separator), "expected");
    }

    void filesDroppedOnAPageOrABox_data()
    {
        QTest::addColumn<QString>("target"); // "page" or the builder's box
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>(
            "saveAs"); // "-": Cancel to the save question; else OK, then this name ("" cancels)
        QTest::addColumn<QString>("text"); // what the page gets, or the box's text
        QTest::addColumn<Boxes>("boxes");
        const QStringList image{"img/grey.png"}, two{"img/grey.png", "img/b.bmp"}, folder{"img/folder"}, none;
        const QStringList page{"docs/sub/p.SHTML"};
        const Boxes oneFile{note("One file at a time, Please!", MsgIcon::Critical)};
        const auto folderBox = [](const char *where, const char *what, const char *tryText, MsgIcon icon) {
            return Boxes{note(Folder.arg(where, what, tryText), icon)};
        };
        const QString gif = "a GIF, a JPG or a PNG file...";
        QTest::addRow("image on a page")
            << "page" << image << true << "-" << Tag.arg("../img/grey.png") << Boxes{};
        QTest::addRow("image on a page never saved")
            << "page" << image << false << "-" << Tag.arg("grey.png") << Boxes{};
        QTest::addRow("two on a page")
            << "page" << two << true << "-"
            << "" << Boxes{note("One file at a time, please!", MsgIcon::Exclamation)};
        QTest::addRow("folder on a page")
            << "page" << folder << true << "-"
            << "" << folderBox("on a page", "IMAGE tags", qPrintable(gif), MsgIcon::Exclamation);
        QTest::addRow("text on a page")
            << "page" << none << true << "-"
            << "" << Boxes{MessageBox{"Zevora Note", "Unknown Object", MsgIcon::Critical}};
        QTest::addRow("page on a page") << "page" << QStringList{"docs/page.htm"} << true << "-"
                                        << "" << Boxes{note("Please use a GIF, a JPEG or a PNG image...")};
        QTest::addRow("page below") << "txtPage" << page << true << "-"
                                    << "sub/p.SHTML" << Boxes{};
        QTest::addRow("no page") << "txtPage" << QStringList{"notes.txt"} << true << "-"
                                 << "myPage.htm" << Boxes{NotAPage};
        QTest::addRow("folder as page")
            << "txtPage" << QStringList{"docs/sub"} << true << "-"
            << "myPage.htm"
            << folderBox("in this textbox", "File Names", "an HTM, HTML (or SHTML) or an ASP page...",
                         MsgIcon::Information);
        QTest::addRow("unsaved, Cancel") << "txtPage" << page << false << "-"
                                         << "p.SHTML" << Boxes{SaveFirst};
        QTest::addRow("unsaved, OK, Save As cancelled") << "txtPage" << page << false << ""
                                                        << "myPage.htm" << Boxes{SaveFirst};
        QTest::addRow("unsaved, OK, saved") << "txtPage" << page << false << "docs/new.htm"
                                            << "sub/p.SHTML" << Boxes{SaveFirst};
        QTest::addRow("image as link")
            << "txtLink" << image << true << "-" << Tag.arg("../img/grey.png") << Boxes{};
        QTest::addRow("two images") << "txtLink" << two << true << "-"
                                    << "My Page" << oneFile;
        QTest::addRow("folder as image")
            << "txtLink" << folder << true << "-"
            << "My Page" << folderBox("in this textbox", "IMAGE tags", qPrintable(gif), MsgIcon::Information);
        QTest::addRow("text as image") << "txtLink" << none << true << "-"
                                       << "My Page" << Boxes{note("Unknown Object", MsgIcon::Critical)};
        QTest::addRow("bitmap as image") << "txtLink" << QStringList{"img/b.bmp"} << true << "-"
                                         << "My Page" << Boxes{note("Sorry, but you cannot use a Bitmap...")};
        QTest::addRow("image, unsaved, Cancel")
            << "txtLink" << image << false << "-" << Tag.arg("grey.png") << Boxes{SaveFirst};
        QTest::addRow("image, unsaved, OK, Save As cancelled") << "txtLink" << image << false << ""
                                                               << "My Page" << Boxes{SaveFirst};
    }

    void filesDroppedOnAPageOrABox()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, files);
        QFETCH(bool, saved);
        QFETCH(QString, saveAs);
        QFETCH(QString, text);
        frmKid *kid = page(saved ? m_dir->filePath("docs/page.htm") : mFuncs::TempFolder() + "Untitled1.htm");
        frmKid *other = page(m_dir->filePath("notes.txt"));
        QWidget *on = kid->richy->viewport();
        if (target != "page") {
            m_frame->mdiArea->setActiveSubWindow(kid);
            QVERIFY(openBuilder());
            on = m_anchor->findChild<QLineEdit *>(target);
        }
        QFETCH(Boxes, boxes);
        for (const MessageBox &box : boxes)
            m_services->messages.answerNext(box == SaveFirst && saveAs == "-" ? MsgAnswer::Cancel
                                                                              : MsgAnswer::Ok);
        if (saveAs != "-")
            m_services->fileDialogs.answerNext(saveAs.isEmpty() ? "" : m_dir->filePath(saveAs));

        // As a file manager drops, with Shift asking for a move: the files, and
        // their paths as text.
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls.append(QUrl::fromLocalFile(m_dir->filePath(file)));
        mime.setUrls(urls);
        mime.setText(files.isEmpty() ? "some text" : m_dir->filePath(files.first()));
        const QPoint at(on->width() - 5, on->height() - 5);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(on, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(on, &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction); // the file manager keeps its file
        QCoreApplication::processEvents();

        QCOMPARE(m_services->messages.shown, boxes);
        QCOMPARE(other->richy->Text(), Text);
        if (target != "page") {
            QCOMPARE(static_cast<QLineEdit *>(on)->text(), text);
            if (text != "myPage.htm" && text != "My Page") // a new text is selected
                QCOMPARE(static_cast<QLineEdit *>(on)->selectedText(), text);
            return;
        }
        // At that page's caret, as one step; the page is active again.
        QCOMPARE(kid->richy->Text(), Text.left(Caret) + text + Text.mid(Caret));
        QCOMPARE(kid->undoStack().stackLevel(), text.isEmpty() ? 0 : 1);
        QCOMPARE(kid->richy->SelStart(), Caret + text.size());
        if (!text.isEmpty())
            QCOMPARE(m_frame->activeDocument(), kid);
    }

    // The anchor goes into the page on Enter, onto the clipboard on Send to
    // Clipboard, and nowhere on every other way out.
    void everyWayOutOfTheBuilderGivesTheFrameBack_data()
    {
        QTest::addColumn<QString>("way");
        for (const auto &[name, way] : {std::pair{"Enter", "cmdPage"},
                                        {"Send to Clipboard", "cmdClip"},
                                        {"Cancel", "cmdCancel"},
                                        {"Escape", "Escape"},
                                        {"the window manager", "close"},
                                        {"its page closing", "page"}})
            QTest::addRow("%s", name) << way;
    }

    void everyWayOutOfTheBuilderGivesTheFrameBack()
    {
        QFETCH(QString, way);
        const QString anchor = "<a href=\"a&b \"x\".htm\">Go <b>there</b></a>";
        const QString inserted = way == "cmdPage" ? anchor : QString();
        QVERIFY(!m_frame->item("mnuTagsDLink")->isEnabled());
        frmKid *opened = page(m_dir->filePath("docs/page.htm"));
        QVERIFY(openBuilder());
        QVERIFY(!m_frame->isEnabled() && m_anchor->isEnabled());
        QCOMPARE(m_anchor->txtPage->selectedText(), "myPage.htm");
        // Borderless near the bottom-right corner, on 63 bands from black to
        // RGB(0, 187, 187), each 4 lighter: band 40 is RGB(0, 99, 99).
        const QRect area = m_anchor->screen()->availableGeometry();
        const QRect at = m_anchor->geometry();
        QVERIFY(area.contains(at) && at.right() > area.right() - 20 && at.bottom() > area.bottom() - 60);
        QVERIFY(m_anchor->windowFlags() & Qt::FramelessWindowHint);
        const QImage shot = m_anchor->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 0), QColor(0, 0, 0));
        QCOMPARE(shot.pixelColor(2, shot.height() * 40 / 63 + 1), QColor(0, 99, 99));
        QCOMPARE(shot.pixelColor(2, shot.height() - 1), QColor(0, 187, 187));
        // Another page made active meanwhile: the builder still writes into its own.
        frmKid *other = page(m_dir->filePath("notes.txt"));
        m_frame->setEnabled(true);
        m_frame->mdiArea->setActiveSubWindow(other);
        m_frame->setEnabled(false);
        QCOMPARE(m_frame->activeDocument(), other);
        m_anchor->txtPage->setText("a&b \"x\".htm");
        m_anchor->txtLink->setText("Go <b>there</b>");

        if (way == "Escape")
            QTest::keyClick(m_anchor->txtLink, Qt::Key_Escape);
        else if (way == "close")
            m_anchor->close();
        else if (way == "page")
            opened->close();
        else
            m_anchor->findChild<QPushButton *>(way)->click();
        QTRY_VERIFY(!m_anchor);
        QVERIFY(m_frame->isEnabled());
        QCOMPARE(m_services->clipboard.text(), way == "cmdClip" ? anchor : QString());
        QCOMPARE(other->richy->Text(), Text);
        if (way != "page") {
            QCOMPARE(opened->richy->Text(), Text.left(Caret) + inserted + Text.mid(Caret));
            QCOMPARE(opened->undoStack().stackLevel(), inserted.isEmpty() ? 0 : 1);
            if (!inserted.isEmpty())
                QCOMPARE(m_frame->activeDocument(), opened);
        }
    }

private:
    frmKid *page(const QString &tag)
    {
        frmKid *kid = m_test->page(Text.toUtf8(), Caret);
        kid->setTag(tag);
        return kid;
    }

    frmAnchor *openBuilder()
    {
        m_frame->item("mnuTagsDLink")->trigger();
        return m_anchor = topLevel<frmAnchor>();
    }

    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
    topForm *m_frame = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
    QPointer<frmAnchor> m_anchor;
};

QTEST_MAIN(tst_Drops)
#include "tst_drops.moc"
