// Zevora - the Key Macros window: the macro keys and a short reference for each tag.
#include "frmShortcuts.h"

#include "MacroKeysPicture.h"
#include "MessageService.h"
#include "TagReference.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    // Courier New is missing on many desktops; fall back to any monospace face.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    font.setPointSize(10);
    return font;
}

} // namespace

frmShortcuts::frmShortcuts(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmShortcuts"));
    setWindowTitle(QStringLiteral("Macro Keys & Tag Info"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(listFont());
    List1->addItems(TagReference::listItems());
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Big enough for every item, so the list never scrolls, and as big as the
    // picture that takes its place, so the window keeps its size.
    List1->setMinimumSize(QSize(List1->sizeHintForColumn(0) + 2 * List1->frameWidth() + 24,
                                List1->sizeHintForRow(0) * List1->count() + 2 * List1->frameWidth())
                              .expandedTo(MacroKeysPictureSize));
    List1->installEventFilter(this);
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(List1->row(item)); });

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Click to return to the list"));
    Image1->installEventFilter(this);
    Image1->hide();
    updatePicture();

    Label1 = new QLabel(QStringLiteral("Click any tag for additional information."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->installEventFilter(this);

    // The list and the picture share one place at the top of the window.
    auto *place = new QGridLayout;
    place->setContentsMargins(0, 0, 0, 0);
    place->addWidget(List1, 0, 0);
    place->addWidget(Image1, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(place, 1);
    layout->addWidget(Label1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

frmShortcuts *frmShortcuts::showModeless(QWidget *owner)
{
    auto *window = owner ? owner->findChild<frmShortcuts *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new frmShortcuts(owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Beside the pages, at the frame's right edge, where it hides least.
        if (owner) {
            window->adjustSize();
            const QRect frame = owner->frameGeometry();
            window->move(frame.right() - window->width() - 24, frame.top() + 96);
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void frmShortcuts::List1_Click(int index)
{
    if (index == TagReference::HowToUseItem) {
        showInstructions();
        return;
    }
    if (const auto entry = TagReference::entry(index))
        Platform::message(entry->title, entry->text, Platform::MsgIcon::None, Platform::MsgButtons::Ok);
}

bool frmShortcuts::isShowingInstructions() const
{
    return !Image1->isHidden();
}

void frmShortcuts::showInstructions()
{
    List1->hide();
    Image1->show();
}

void frmShortcuts::showList()
{
    Image1->hide();
    List1->show();
    List1->setFocus();
}

void frmShortcuts::updatePicture()
{
    if (Image1->pixmap().devicePixelRatio() == devicePixelRatioF() && !Image1->pixmap().isNull())
        return;
    Image1->setPixmap(macroKeysPicture(devicePixelRatioF()));
}

bool frmShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Image1 || watched == Label1) && event->type() == QEvent::MouseButtonPress) {
        showList();
        return true;
    }
    // The keyboard reaches the reference too: Enter or Space on the current item.
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
            List1->currentRow() >= 0) {
            List1_Click(List1->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmShortcuts::mousePressEvent(QMouseEvent *event)
{
    showList();
    event->accept();
}

void frmShortcuts::showEvent(QShowEvent *event)
{
    // Drawn again for the pixel ratio of the screen the window is on, also
    // when it moves to another screen, so that the picture stays sharp.
    if (QWindow *window = windowHandle(); window && !m_followsScreen) {
        connect(window, &QWindow::screenChanged, this, &frmShortcuts::updatePicture);
        m_followsScreen = true;
    }
    updatePicture();
    QWidget::showEvent(event);
}
