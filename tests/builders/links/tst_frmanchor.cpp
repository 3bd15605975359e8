// Zevora tests - the link builder: its buttons, the frame it holds, and files dropped on its boxes.
#include "FakeServices.h"
#include "TestSettings.h"

#include "frmAnchor.h"
#include "frmKid.h"
#include "mFuncs.h"
#include "richy.h"
#include "topForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Platform;

Q_DECLARE_METATYPE(QList<Platform::MessageBox>)

class tst_frmAnchor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyWayOutGivesTheFrameBack_data();
    void everyWayOutGivesTheFrameBack();
    void filesDroppedOnTheBoxes_data();
    void filesDroppedOnTheBoxes();
    void aBorderlessGradientWindowAtTheBottomRight();

private:
    frmKid *page(const QString &tag);
    frmAnchor *openBuilder();

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<topForm> m_frame;
    QPointer<frmAnchor> m_anchor;
};

namespace {
const QString Text = QStringLiteral("<p>\r\n</p>\r\n");
constexpr int Caret = 5;

MessageBox note(const QString &text, MsgIcon icon = MsgIcon::None)
{
    return MessageBox{"Zevora Note:", text, icon};
}

const MessageBox NotAPage{"This is a Page Link...", "Please drop an HTM, HTML, SHTML or an ASP page.",
                          MsgIcon::Exclamation};
const MessageBox SaveFirst{"Zevora Note:",
                           "Your original (linking) page has not yet been saved...\n"
                           "Therefore a relative path will not be generated, just the filename.\n"
                           "Would you like to save the file before proceeding?",
                           MsgIcon::None, MsgButtons::OkCancel};
} // namespace

void tst_frmAnchor::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_services = std::make_unique<FakeServices>();
    m_services->sound.available = false;
    m_dir = std::make_unique<QTemporaryDir>();
    m_frame = std::make_unique<topForm>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QDir site(m_dir->path());
    QVERIFY(site.mkpath("docs/sub") && site.mkpath("img/folder"));
    QVERIFY(QFile::copy(OWN_SAMPLES "/grey.png", m_dir->filePath("img/grey.png")));
    for (const char *name : {"docs/page.htm", "docs/sub/p.SHTML", "notes.txt", "img/b.bmp"}) {
        QFile file(m_dir->filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray(name).endsWith(".bmp") ? "BM" + QByteArray(40, 0) : "<p>") > 0);
    }
}

void tst_frmAnchor::cleanup()
{
    m_services->messages.allowUnscripted(true);
    delete m_anchor;
    for (frmKid *kid : m_frame->documents())
        kid->richy->setDataChanged(false);
    m_frame.reset();
    m_services.reset();
}

frmKid *tst_frmAnchor::page(const QString &tag)
{
    frmKid *kid = m_frame->newDocumentWindow();
    kid->richy->loadText(Text.toUtf8());
    kid->richy->setSelStart(Caret);
    kid->setTag(tag);
    return kid;
}

frmAnchor *tst_frmAnchor::openBuilder()
{
    m_frame->item("mnuTagsDLink")->trigger();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *anchor = qobject_cast<frmAnchor *>(window); anchor && anchor->isVisible())
            m_anchor = anchor;
    }
    return m_anchor;
}

void tst_frmAnchor::everyWayOutGivesTheFrameBack_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("clipboard");
    const QString anchor = "<a href=\"a&b \"x\".htm\">Go <b>there</b></a>";
    QTest::addRow("Enter") << "cmdPage" << anchor << "";
    QTest::addRow("Send to Clipboard") << "cmdClip"
                                       << "" << anchor;
    QTest::addRow("Cancel") << "cmdCancel"
                            << ""
                            << "";
    QTest::addRow("Escape") << "Escape"
                            << ""
                            << "";
    QTest::addRow("the window manager") << "close"
                                        << ""
                                        << "";
    QTest::addRow("its page closing") << "page"
                                      << ""
                                      << "";
}

void tst_frmAnchor::everyWayOutGivesTheFrameBack()
{
    QFETCH(QString, way);
    QFETCH(QString, inserted);
    QFETCH(QString, clipboard);
    QVERIFY(!m_frame->item("mnuTagsDLink")->isEnabled());
    frmKid *opened = page(m_dir->filePath("docs/page.htm"));
    QVERIFY(openBuilder());
    QVERIFY(!m_frame->isEnabled());
    QVERIFY(m_anchor->isEnabled() && m_anchor->cmdPage->isEnabled());
    QCOMPARE(m_anchor->txtPage->selectedText(), "myPage.htm");
    // Another page made active meanwhile (a file handed over by a second
    // start): the builder still writes into its own.
    frmKid *other = page(m_dir->filePath("docs/sub/p.SHTML"));
    m_frame->setEnabled(true);
    m_frame->mdiArea->setActiveSubWindow(other);
    m_frame->setEnabled(false);
    QCOMPARE(m_frame->activeDocument(), other);
    m_anchor->txtPage->setText("a&b \"x\".htm");
    m_anchor->txtLink->setText("Go <b>there</b>");

    if (way == "Escape") {
        QTest::keyClick(m_anchor->txtLink, Qt::Key_Escape);
    } else if (way == "close") {
        m_anchor->close();
    } else if (way == "page") {
        opened->close();
    } else {
        m_anchor->findChild<QPushButton *>(way)->click();
    }
    QTRY_VERIFY(!m_anchor);
    QVERIFY(m_frame->isEnabled());
    QCOMPARE(m_services->clipboard.text(), clipboard);
    QCOMPARE(other->richy->Text(), Text);
    if (way == "page")
        return;
    QCOMPARE(opened->richy->Text(), Text.left(Caret) + inserted + Text.mid(Caret));
    QCOMPARE(opened->undoStack().stackLevel(), inserted.isEmpty() ? 0 : 1);
    if (!inserted.isEmpty()) {
        QCOMPARE(m_frame->activeDocument(), opened);
        QCOMPARE(opened->richy->SelStart(), Caret + inserted.size());
    }
}

void tst_frmAnchor::filesDroppedOnTheBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QList<int>>("answers"); // to the boxes, in order
    QTest::addColumn<QString>("saveAs");     // the save dialog's answer ("" cancels), or "-" for none
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<MessageBox>>("boxes");
    const int ok = int(MsgAnswer::Ok);
    const int cancel = int(MsgAnswer::Cancel);
    const QString folder =
        "Looks like a folder.\n\nZevora Drag N Drop (in this textbox)\nis used to generate %1.   "
        "\n\nTry %2";
    const QString tag = "<img src=\"%1\" width=30 height=20 border=0>";
    const QList<MessageBox> none;
    QTest::addRow("a page below") << "txtPage" << QStringList{"docs/sub/p.SHTML"} << true << QList<int>{}
                                  << "-"
                                  << "sub/p.SHTML" << none;
    QTest::addRow("a page elsewhere")
        << "txtPage" << QStringList{"notes.txt"} << true << QList<int>{ok} << "-"
        << "myPage.htm" << QList<MessageBox>{NotAPage};
    QTest::addRow("two pages") << "txtPage" << QStringList{"docs/page.htm", "docs/sub/p.SHTML"} << true
                               << QList<int>{ok} << "-"
                               << "myPage.htm"
                               << QList<MessageBox>{note("One file at a time, Please!", MsgIcon::Critical)};
    QTest::addRow("a folder as page")
        << "txtPage" << QStringList{"docs/sub"} << true << QList<int>{ok} << "-"
        << "myPage.htm"
        << QList<MessageBox>{note(folder.arg("File Names", "an HTM, HTML (or SHTML) or an ASP page..."),
                                  MsgIcon::Information)};
    QTest::addRow("text as page") << "txtPage" << QStringList{} << true << QList<int>{ok} << "-"
                                  << "myPage.htm" << QList<MessageBox>{NotAPage};
    QTest::addRow("unsaved, Cancel") << "txtPage" << QStringList{"docs/sub/p.SHTML"} << false
                                     << QList<int>{cancel} << "-"
                                     << "p.SHTML" << QList<MessageBox>{SaveFirst};
    QTest::addRow("unsaved, Cancel, no page")
        << "txtPage" << QStringList{"notes.txt"} << false << QList<int>{cancel, ok} << "-"
        << "myPage.htm" << QList<MessageBox>{SaveFirst, NotAPage};
    QTest::addRow("unsaved, OK, Save As cancelled")
        << "txtPage" << QStringList{"docs/sub/p.SHTML"} << false << QList<int>{ok} << ""
        << "myPage.htm" << QList<MessageBox>{SaveFirst};
    QTest::addRow("unsaved, OK, saved")
        << "txtPage" << QStringList{"docs/sub/p.SHTML"} << false << QList<int>{ok} << "docs/new.htm"
        << "sub/p.SHTML" << QList<MessageBox>{SaveFirst};
    QTest::addRow("an image") << "txtLink" << QStringList{"img/grey.png"} << true << QList<int>{} << "-"
                              << tag.arg("../img/grey.png") << none;
    QTest::addRow("two images") << "txtLink" << QStringList{"img/grey.png", "img/b.bmp"} << true
                                << QList<int>{ok} << "-"
                                << "My Page"
                                << QList<MessageBox>{note("One file at a time, Please!", MsgIcon::Critical)};
    QTest::addRow("a folder as image")
        << "txtLink" << QStringList{"img/folder"} << true << QList<int>{ok} << "-"
        << "My Page"
        << QList<MessageBox>{
               note(folder.arg("IMAGE tags", "a GIF, a JPG or a PNG file..."), MsgIcon::Information)};
    QTest::addRow("text as image") << "txtLink" << QStringList{} << true << QList<int>{ok} << "-"
                                   << "My Page"
                                   << QList<MessageBox>{note("Unknown Object", MsgIcon::Critical)};
    QTest::addRow("a bitmap") << "txtLink" << QStringList{"img/b.bmp"} << true << QList<int>{ok} << "-"
                              << "My Page"
                              << QList<MessageBox>{note("Sorry, but you cannot use a Bitmap...")};
    QTest::addRow("an image, unsaved, Cancel")
        << "txtLink" << QStringList{"img/grey.png"} << false << QList<int>{cancel} << "-"
        << tag.arg("grey.png") << QList<MessageBox>{SaveFirst};
    QTest::addRow("an image, unsaved, OK, Save As cancelled")
        << "txtLink" << QStringList{"img/grey.png"} << false << QList<int>{ok} << ""
        << "My Page" << QList<MessageBox>{SaveFirst};
}

void tst_frmAnchor::filesDroppedOnTheBoxes()
{
    QFETCH(QString, box);
    QFETCH(QStringList, files);
    QFETCH(bool, saved);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveAs);
    QFETCH(QString, text);
    QFETCH(QList<MessageBox>, boxes);
    page(saved ? m_dir->filePath("docs/page.htm") : mFuncs::TempFolder() + "Untitled1.htm");
    QVERIFY(openBuilder());
    for (const int answer : answers)
        m_services->messages.answerNext(MsgAnswer(answer));
    if (saveAs != "-")
        m_services->fileDialogs.answerNext(saveAs.isEmpty() ? "" : m_dir->filePath(saveAs));

    auto *target = m_anchor->findChild<QLineEdit *>(box);
    const QString before = target->text();
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(m_dir->filePath(file)));
    if (!urls.isEmpty())
        mime.setUrls(urls);
    mime.setText(files.isEmpty() ? "some text" : m_dir->filePath(files.first()));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCoreApplication::processEvents();

    QCOMPARE(m_services->messages.shown, boxes);
    QCOMPARE(target->text(), text);
    if (text != before)
        QCOMPARE(target->selectedText(), text);
    QVERIFY(m_anchor && m_anchor->isVisible());
}

void tst_frmAnchor::aBorderlessGradientWindowAtTheBottomRight()
{
    page(m_dir->filePath("docs/page.htm"));
    QVERIFY(openBuilder());
    QVERIFY(m_anchor->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_anchor->lblURL->buddy(), m_anchor->txtPage);
    QCOMPARE(m_anchor->lblPageName->buddy(), m_anchor->txtLink);
    const QRect area = m_anchor->screen()->availableGeometry();
    QVERIFY(area.contains(m_anchor->geometry()));
    QVERIFY(m_anchor->geometry().right() > area.right() - 20 &&
            m_anchor->geometry().bottom() > area.bottom() - 60);

    // 63 bands from black at the top to RGB(0, 187, 187) at the bottom, 4
    // lighter each: band 40 is RGB(0, 99, 99).
    const QImage shot = m_anchor->grab().toImage();
    const int x = 2;
    const int h = shot.height();
    QCOMPARE(shot.pixelColor(x, 0), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(x, h * 40 / 63 + 1), QColor(0, 99, 99));
    QCOMPARE(shot.pixelColor(x, h - 1), QColor(0, 187, 187));

    // The frame's items stay out of reach while the builder is open.
    QVERIFY(!m_frame->item("mnuTagsDLink")->isEnabled() || !m_frame->isEnabled());
}

QTEST_MAIN(tst_frmAnchor)
#include "tst_frmanchor.moc"
