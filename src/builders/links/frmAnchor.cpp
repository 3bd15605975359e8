// Zevora - the link builder (Dialogs > Anchor (Link)).
#include "frmAnchor.h"

#include "ClipboardService.h"
#include "LinkRules.h"
#include "Services.h"
#include "frmKid.h"
#include "mDrop.h"
#include "modGrad.h"
#include "richy.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

using namespace Platform;

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QString &tip = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(tip);
    // Light on the dark top of the gradient.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, const QString &text, QLabel *label)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    label->setBuddy(box);
    box->setAccessibleName(label->text().simplified());
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmAnchor::frmAnchor(frmKid *page, FileCommands *files, QWidget *frame)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_page(page), m_files(files), m_frameLock(frame)
{
    // Not a child of the frame: the frame is disabled while this is open.
    setObjectName(QStringLiteral("frmAnchor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Create a link"));
    buildControls();
    if (frame) {
        winId();
        windowHandle()->setTransientParent(frame->window()->windowHandle());
    }
    // Its page gone, the builder has nothing to write into.
    if (page)
        connect(page, &QObject::destroyed, this, &QWidget::close);
}

frmAnchor::~frmAnchor() = default;

void frmAnchor::buildControls()
{
    lblHeader = makeLabel(this, "lblHeader", QStringLiteral("Create a link"));
    QFont headerFont = lblHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.4);
    lblHeader->setFont(headerFont);
    lblURL =
        makeLabel(this, "lblURL",
                  QStringLiteral("Enter the path/name of the page to link to,\n"
                                 "or drag a page into the box to create a relative (with path) link:"),
                  QStringLiteral("You can Drag N Drop a page into the area below, and a relative path to "
                                 "the file will automtically be generated."));
    txtPage = makeBox(this, "txtPage", QStringLiteral("myPage.htm"), lblURL);
    lblPageName =
        makeLabel(this, "lblPageName",
                  QStringLiteral("Enter the text that will appear as the link\n"
                                 " (or drag a picture into the box to use an image as a link):"),
                  QStringLiteral("You can Drag N Drop an image, in lieu of text, and a relative path to the "
                                 "image will automaticlly be generated."));
    txtLink = makeBox(this, "txtLink", QStringLiteral("My Page"), lblPageName);
    cmdPage = makeButton(this, "cmdPage", QStringLiteral("Enter"),
                         QStringLiteral("Automatically pastes link info to current page position."));
    cmdClip = makeButton(this, "cmdClip", QStringLiteral("Send to Clipboard"),
                         QStringLiteral("Sends info to Clipboard, you can paste where you want."));
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("Cancel"), QStringLiteral("Forget bout it..."));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPage);
    buttons->addWidget(cmdClip);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(lblHeader);
    layout->addSpacing(6);
    layout->addWidget(lblURL);
    layout->addWidget(txtPage);
    layout->addSpacing(6);
    layout->addWidget(lblPageName);
    layout->addWidget(txtLink);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    for (QLineEdit *box : {txtPage, txtLink}) {
        box->installEventFilter(this);
        // The boxes take dropped files themselves; the page text that a
        // file manager sends along is never typed into them.
        box->setAcceptDrops(true);
        connect(box, &QLineEdit::returnPressed, this, &frmAnchor::cmdPage_Click);
    }
    connect(cmdPage, &QPushButton::clicked, this, &frmAnchor::cmdPage_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmAnchor::cmdClip_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAnchor::cmdCancel_Click);
}

frmAnchor *frmAnchor::showFor(frmKid *page, FileCommands *files, QWidget *frame)
{
    auto *anchor = new frmAnchor(page, files, frame);
    anchor->adjustSize();
    anchor->resize(std::max(anchor->width(), 460), anchor->height());
    if (const QScreen *screen = frame ? frame->screen() : QGuiApplication::primaryScreen()) {
        // 100 and 500 twips from the right and bottom edges.
        const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
        const QRect area = screen->availableGeometry();
        anchor->move(area.right() + 1 - anchor->width() - qRound(100 / twipsPerPixel),
                     area.bottom() + 1 - anchor->height() - qRound(500 / twipsPerPixel));
    }
    anchor->show();
    anchor->raise();
    anchor->activateWindow();
    anchor->txtPage->setFocus();
    anchor->txtPage->selectAll();
    return anchor;
}

QString frmAnchor::anchor() const
{
    return LinkRules::anchorText(txtPage->text(), txtLink->text());
}

void frmAnchor::cmdPage_Click()
{
    m_frameLock.release();
    if (frmKid *page = m_page; page && !page->isClosing()) {
        page->window()->activateWindow();
        if (QMdiArea *area = page->mdiArea())
            area->setActiveSubWindow(page);
        page->kidPaste(anchor());
        page->richy->setFocus();
    }
    close();
}

void frmAnchor::cmdClip_Click()
{
    m_frameLock.release();
    ClipboardService &clipboard = Services::clipboard();
    clipboard.clear();
    clipboard.setText(anchor());
    close();
}

void frmAnchor::cmdCancel_Click()
{
    m_frameLock.release();
    close();
}

void frmAnchor::closeEvent(QCloseEvent *event)
{
    m_frameLock.release();
    QWidget::closeEvent(event);
}

void frmAnchor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmAnchor::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    modGrad::paintGradient(painter, rect());
}

// Clicks on the labels come here too (a label does not take them).
void frmAnchor::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void frmAnchor::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        m_dragging = false;
        return QWidget::mouseMoveEvent(event);
    }
    move(event->globalPosition().toPoint() - m_dragOffset);
}

bool frmAnchor::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || (box != txtPage && box != txtLink))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // After the click that gave the focus, which would place the caret.
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return handleDrop(box, event);
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmAnchor::handleDrop(QLineEdit *box, QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    // Text dragged within the box moves as in any box.
    if (drop->source() == box)
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() != QEvent::Drop)
        return true;
    // The files are read now; the boxes wait until the program the files
    // came from has been told the drop is over.
    const std::optional<QStringList> files = LinkRules::droppedFiles(drop->mimeData());
    QTimer::singleShot(0, this, [this, box, files] {
        if (box == txtPage) {
            mDrop::checkPageDrop(files, txtPage, m_page, m_files);
            return;
        }
        if (!mDrop::offerToSave(m_page, m_files))
            return;
        if (mDrop::checkImageDrop(files, this, m_page))
            txtLink->selectAll();
    });
    return true;
}
