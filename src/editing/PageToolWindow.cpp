// Zevora - a tool window of the frame that works on one page.
#include "PageToolWindow.h"

#include "frmKid.h"
#include "richy.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QTimer>

PageToolWindow::PageToolWindow(QWidget *frame) : QWidget(frame, Qt::Tool)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void PageToolWindow::bindTo(frmKid *page)
{
    if (page == m_page)
        return;
    disconnect(m_watch);
    m_page = page;
    m_area = page ? page->mdiArea() : nullptr;
    // The page's own end, not a timer, tells the window to go.
    if (page)
        m_watch = connect(page, &QObject::destroyed, this, &PageToolWindow::pageGone);
    pageChanged();
}

frmKid *PageToolWindow::page() const
{
    return m_page && !m_page->isClosing() ? m_page.data() : nullptr;
}

bool PageToolWindow::activatePage()
{
    frmKid *kid = page();
    if (!kid) {
        close();
        return false;
    }
    if (m_area && m_area->activeSubWindow() != kid)
        m_area->setActiveSubWindow(kid);
    return true;
}

void PageToolWindow::focusPage(frmKid *page)
{
    page->richy->activateWindow();
    page->richy->setFocus();
}

void PageToolWindow::pageGone()
{
    // The page goes while the frame may be tearing down its page area: the
    // window closes once control is back in the event loop.
    if (m_busy)
        m_closePending = true;
    else
        QTimer::singleShot(0, this, &QWidget::close);
}

void PageToolWindow::setBusy(bool busy)
{
    m_busy = busy;
    if (!busy && std::exchange(m_closePending, false))
        QTimer::singleShot(0, this, &QWidget::close);
}

int PageToolWindow::twipsToPixels(int twips) const
{
    const QWidget *frame = parentWidget() ? parentWidget() : this;
    return qRound(twips * frame->logicalDpiX() / 1440.0);
}

void PageToolWindow::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    event->accept();
    // The focus goes back to the page the user works in.
    if (m_area) {
        QMdiSubWindow *active =
            m_area->activeSubWindow() ? m_area->activeSubWindow() : m_area->currentSubWindow();
        if (auto *kid = qobject_cast<frmKid *>(active); kid && !kid->isClosing())
            focusPage(kid);
    }
}

void PageToolWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
