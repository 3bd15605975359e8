// Zevora tests - files dropped on a page: real drops, through the frame's pages.
#include "FakeServices.h"
#include "TestSettings.h"

#include "frmKid.h"
#include "mFuncs.h"
#include "richy.h"
#include "topForm.h"

#include <QDir>
#include <QMdiArea>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

using namespace Platform;

Q_DECLARE_METATYPE(QList<Platform::MessageBox>)

class tst_PageDrop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aDroppedImageBecomesATagInThePageItWasDroppedOn_data();
    void aDroppedImageBecomesATagInThePageItWasDroppedOn();

private:
    frmKid *page(const QString &tag);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<topForm> m_frame;
};

namespace {
const QString Text = QStringLiteral("<p>\r\n</p>\r\n");
constexpr int Caret = 5;
const QString Folder = QStringLiteral(
    "Looks like a folder.\n\nZevora Drag N Drop (on a page)\nis used to generate IMAGE tags.   \n\n"
    "Try a GIF, a JPG or a PNG file...");
} // namespace

void tst_PageDrop::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_services = std::make_unique<FakeServices>();
    m_services->sound.available = false;
    m_dir = std::make_unique<QTemporaryDir>();
    m_frame = std::make_unique<topForm>();
    m_frame->resize(800, 600);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));

    // site/docs holds the page; site/img the images.
    QDir site(m_dir->path());
    QVERIFY(site.mkpath("site/docs") && site.mkpath("site/img/folder"));
    const QString img = m_dir->filePath("site/img/");
    QVERIFY(QFile::copy(OWN_SAMPLES "/grey.png", img + "grey.png"));
    QVERIFY(QFile::copy(OWN_SAMPLES "/mono.gif", img + "mono.gif"));
    QVERIFY(QFile::copy(OWN_SAMPLES "/mono.gif", img + "a b#%\"é.gif"));
    QVERIFY(QFile::link(img + "grey.png", img + "link.png"));
    for (const auto &[name, bytes] : {std::pair{img + "bitmap.bmp", "BM" + QByteArray(40, '\0')},
                                      std::pair{m_dir->filePath("site/docs/other.htm"), QByteArray("<p>")}}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QCOMPARE(::mkfifo(QFile::encodeName(img + "pipe.gif").constData(), 0600), 0);
}

void tst_PageDrop::cleanup()
{
    m_services->messages.allowUnscripted(true);
    for (frmKid *kid : m_frame->documents())
        kid->richy->setDataChanged(false);
    m_frame.reset();
    m_services.reset();
}

frmKid *tst_PageDrop::page(const QString &tag)
{
    frmKid *kid = m_frame->newDocumentWindow();
    kid->richy->loadText(Text.toUtf8());
    kid->richy->setSelStart(Caret);
    kid->setTag(tag);
    return kid;
}

void tst_PageDrop::aDroppedImageBecomesATagInThePageItWasDroppedOn_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QList<MessageBox>>("boxes");
    const auto note = [](const QString &text, MsgIcon icon = MsgIcon::None) {
        return QList<MessageBox>{MessageBox{"Zevora Note:", text, icon}};
    };
    QTest::addRow("an image on a saved page")
        << QStringList{"img/grey.png"} << true << "<img src=\"../img/grey.png\" width=30 height=20 border=0>"
        << QList<MessageBox>{};
    QTest::addRow("an image on a page never saved")
        << QStringList{"img/mono.gif"} << false << "<img src=\"mono.gif\" width=17 height=13 border=0>"
        << QList<MessageBox>{};
    QTest::addRow("a name with blanks, letters and address characters")
        << QStringList{"img/a b#%\"é.gif"} << true
        << "<img src=\"../img/a b%23%25%22é.gif\" width=17 height=13 border=0>" << QList<MessageBox>{};
    QTest::addRow("a link to an image")
        << QStringList{"img/link.png"} << true << "<img src=\"../img/link.png\" width=30 height=20 border=0>"
        << QList<MessageBox>{};
    QTest::addRow("two files") << QStringList{"img/grey.png", "img/mono.gif"} << true << ""
                               << note("One file at a time, please!", MsgIcon::Exclamation);
    QTest::addRow("a folder") << QStringList{"img/folder"} << true << ""
                              << note(Folder, MsgIcon::Exclamation);
    QTest::addRow("text, not files") << QStringList{} << true << ""
                                     << QList<MessageBox>{
                                            MessageBox{"Zevora Note", "Unknown Object", MsgIcon::Critical}};
    QTest::addRow("a page is not opened")
        << QStringList{"docs/other.htm"} << true << "" << note("Please use a GIF, a JPEG or a PNG image...");
    QTest::addRow("a bitmap") << QStringList{"img/bitmap.bmp"} << true << ""
                              << note("Sorry, but you cannot use a Bitmap...");
    QTest::addRow("a FIFO is refused without reading it")
        << QStringList{"img/pipe.gif"} << true << "" << QList<MessageBox>{};
}

void tst_PageDrop::aDroppedImageBecomesATagInThePageItWasDroppedOn()
{
    QFETCH(QStringList, files);
    QFETCH(bool, saved);
    QFETCH(QString, inserted);
    QFETCH(QList<MessageBox>, boxes);
    frmKid *target =
        page(saved ? m_dir->filePath("site/docs/page.htm") : mFuncs::TempFolder() + "Untitled1.htm");
    frmKid *other = page(m_dir->filePath("site/docs/other.htm"));
    QCOMPARE(m_frame->activeDocument(), other);

    // As a file manager drops: the files, and their paths as text.
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(m_dir->filePath("site/" + file)));
    if (!urls.isEmpty())
        mime.setUrls(urls);
    mime.setText(files.isEmpty() ? "some text" : m_dir->filePath("site/" + files.first()));
    for (qsizetype i = 0; i < boxes.size(); ++i)
        m_services->messages.answerNext(MsgAnswer::Ok);

    QWidget *viewport = target->richy->viewport();
    const QPoint far(viewport->width() - 5, viewport->height() - 5);
    // Shift asks for a move.
    QDragEnterEvent enter(far, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(far, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(drop.proposedAction(), Qt::MoveAction);
    QCoreApplication::sendEvent(viewport, &drop);
    // Never a move: the file manager must keep its file.
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCoreApplication::processEvents();

    QCOMPARE(m_services->messages.shown, boxes);
    QCOMPARE(other->richy->Text(), Text);
    QCOMPARE(target->richy->Text(), Text.left(Caret) + inserted + Text.mid(Caret));
    QCOMPARE(target->undoStack().stackLevel(), inserted.isEmpty() ? 0 : 1);
    if (!inserted.isEmpty()) {
        QCOMPARE(target->richy->SelStart(), Caret + inserted.size());
        QCOMPARE(m_frame->activeDocument(), target);
        target->cmdUndo_Click();
        QCOMPARE(target->richy->Text(), Text);
    }
}

QTEST_MAIN(tst_PageDrop)
#include "tst_pagedrop.moc"
