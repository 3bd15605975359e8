// Zevora - a tool window of the frame that works on one page.
#pragma once

#include <QPointer>
#include <QWidget>

class QMdiArea;
class frmKid;

/// A small window that floats above the frame and acts on the page it is
/// bound to, and on no other, even when another page becomes the active one
/// meanwhile. It closes when that page goes.
class PageToolWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PageToolWindow(QWidget *frame);

    /// Binds the window to \a page.
    void bindTo(frmKid *page);
    /// The bound page; null once it has gone or is closing.
    frmKid *page() const;

protected:
    /// Makes the bound page the frame's active page. False (and the window
    /// closes) when the page has gone.
    bool activatePage();
    /// Gives the keyboard focus to \a page's text, in the frame.
    static void focusPage(frmKid *page);
    /// Runs when the window is bound to a page other than before.
    virtual void pageChanged() {}
    /// While busy, the window stays open when its page goes, and closes once
    /// it is no longer busy.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    /// \a twips in pixels on the frame's screen.
    int twipsToPixels(int twips) const;

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pageGone();

    QPointer<frmKid> m_page;
    QPointer<QMdiArea> m_area;
    QMetaObject::Connection m_watch;
    bool m_busy = false;
    bool m_closePending = false;
};
