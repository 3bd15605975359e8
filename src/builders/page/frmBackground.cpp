// Zevora - the background image dialog.
#include "frmBackground.h"

#include "BodyTag.h"
#include "LinkRules.h"
#include "frmKid.h"
#include "mDrop.h"
#include "modGrad.h"
#include "richy.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>


frmBackground::frmBackground(frmKid *page, FileCommands *files, QWidget *frame)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_page(page), m_files(files), m_frame(frame)
{
    setObjectName(QStringLiteral("frmBackground"));
    setWindowTitle(QStringLiteral("Background"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(QStringLiteral("Enter (or Drag N Drop) the name of an image below."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral(
        "Via Drag N Drop a relative path will be generated for Dropped GIF, JPG and PNG images."));
    QPalette light = Label1->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(light);
    Label1->installEventFilter(this);
    txtImage = new QLineEdit(QStringLiteral("myImage.gif"), this);
    txtImage->setObjectName(QStringLiteral("txtImage"));
    txtImage->setMinimumWidth(280);
    txtImage->installEventFilter(this);
    Label1->setBuddy(txtImage);
    cmdOK = new QPushButton(QStringLiteral("Enter"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmBackground::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(Label1);
    layout->addWidget(txtImage);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The page going closes the dialog (once control is back in the event
    // loop: the frame may be tearing down its page area).
    if (page)
        connect(page, &QObject::destroyed, this,
                [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    if (frame)
        connect(frame, &QObject::destroyed, this, &QObject::deleteLater);
}

frmBackground::~frmBackground()
{
    releaseFrame();
}

frmBackground *frmBackground::showFor(frmKid *page, FileCommands *files, QWidget *frame)
{
    auto *dialog = new frmBackground(page, files, frame);
    dialog->adjustSize();
    // Stacked with the frame, though not its child.
    dialog->winId();
    if (QWindow *window = dialog->windowHandle(); window && frame && frame->window()->windowHandle())
        window->setTransientParent(frame->window()->windowHandle());
    // Placed near the bottom right: 100 twips from the right edge of the
    // screen, 500 from its bottom.
    const QRect screen = (frame ? frame->screen() : dialog->screen())->geometry();
    const double pixelsPerTwip = dialog->logicalDpiX() / 1440.0;
    dialog->move(screen.left() + qRound(screen.width() - dialog->width() - 100 * pixelsPerTwip),
                 screen.top() + qRound(screen.height() - dialog->height() - 500 * pixelsPerTwip));
    dialog->show();
    dialog->m_frameLock = std::make_unique<FrameLock>(frame);
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

frmKid *frmBackground::page() const
{
    return m_page && !m_page->isClosing() ? m_page.data() : nullptr;
}

void frmBackground::releaseFrame()
{
    m_frameLock.reset();
}

void frmBackground::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtImage->setFocus();
    txtImage->selectAll();
}

void frmBackground::done(int result)
{
    releaseFrame();
    QDialog::done(result);
}

void frmBackground::closeEvent(QCloseEvent *event)
{
    releaseFrame();
    QDialog::closeEvent(event);
}

void frmBackground::cmdOK_Click()
{
    releaseFrame();
    frmKid *kid = page();
    if (!kid) {
        reject();
        return;
    }
    if (QMdiArea *area = kid->mdiArea(); area && area->activeSubWindow() != kid)
        area->setActiveSubWindow(kid);
    const QString text = kid->richy->Text();
    const BodyTag::Edit edit =
        BodyTag::backgroundEdit(text, kid->richy->SelStart(), kid->richy->SelLength(), txtImage->text());
    kid->kidPaste(edit.text, text.mid(edit.start, edit.length), edit.start);
    kid->richy->setSelStart(edit.caret);
    kid->richy->activateWindow();
    kid->richy->setFocus();
    accept();
}

void frmBackground::txtImage_Drop(const QMimeData *mime)
{
    frmKid *kid = page();
    if (!kid)
        return;
    const QPointer<frmBackground> self = this;
    // A page never saved is offered for saving first; a page still not saved
    // after an OK ends the drop.
    if (!mDrop::offerToSave(kid, m_files) || !self || !page())
        return;
    if (mDrop::checkImageDrop(LinkRules::droppedFiles(mime), this, page()) && self)
        txtImage->selectAll();
}

bool frmBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtImage) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            static_cast<QDropEvent *>(event)->acceptProposedAction();
            return true;
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            drop->acceptProposedAction();
            txtImage_Drop(drop->mimeData());
            return true;
        }
        default:
            break;
        }
    } else if (watched == Label1) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
            type == QEvent::MouseButtonRelease)
            return dragWindow(static_cast<QMouseEvent *>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool frmBackground::dragWindow(QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() != Qt::LeftButton)
            return false;
        m_grip = event->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    case QEvent::MouseMove:
        if (!m_grip || !(event->buttons() & Qt::LeftButton))
            return false;
        move(event->globalPosition().toPoint() - *m_grip);
        return true;
    case QEvent::MouseButtonRelease:
        m_grip.reset();
        return event->button() == Qt::LeftButton;
    default:
        return false;
    }
}

void frmBackground::mousePressEvent(QMouseEvent *event)
{
    if (!dragWindow(event))
        QDialog::mousePressEvent(event);
}

void frmBackground::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragWindow(event))
        QDialog::mouseMoveEvent(event);
}

void frmBackground::mouseReleaseEvent(QMouseEvent *event)
{
    if (!dragWindow(event))
        QDialog::mouseReleaseEvent(event);
}

void frmBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    modGrad::paintGradient(painter, rect());
}
