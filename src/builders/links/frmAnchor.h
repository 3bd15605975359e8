// Zevora - the link builder (Dialogs > Anchor (Link)).
#pragma once

#include "FrameLock.h"

#include <QPointer>
#include <QWidget>

class FileCommands;
class QLabel;
class QLineEdit;
class QPushButton;
class frmKid;

/// Writes an anchor, <a href="PAGE">TEXT</a>, into the page it was opened on
/// (whichever page is active by then), or puts it on the clipboard. A page
/// file dropped on the target box becomes its path relative to the page; an
/// image dropped on the text box becomes an IMG tag, so that the image is the
/// link.
///
/// The window has no title bar: it is moved by dragging its body or its
/// labels. While it is open the frame takes no input; however it closes (its
/// buttons, Escape, the window manager, its page going away), the frame is
/// given back.
class frmAnchor : public QWidget
{
    Q_OBJECT

public:
    /// A builder for \a page; \a files saves the page when the user agrees to,
    /// \a frame is kept from input while the builder is open.
    frmAnchor(frmKid *page, FileCommands *files, QWidget *frame);
    ~frmAnchor() override;

    /// Places a new builder near the bottom-right corner of the screen and
    /// shows it with the target box's text selected.
    static frmAnchor *showFor(frmKid *page, FileCommands *files, QWidget *frame);

    QLabel *lblHeader = nullptr;
    QLabel *lblURL = nullptr;
    QLineEdit *txtPage = nullptr;
    QLabel *lblPageName = nullptr;
    QLineEdit *txtLink = nullptr;
    QPushButton *cmdPage = nullptr;
    QPushButton *cmdClip = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void cmdPage_Click();
    void cmdClip_Click();
    void cmdCancel_Click();
    bool handleDrop(QLineEdit *box, QEvent *event);
    QString anchor() const;

    QPointer<frmKid> m_page;
    FileCommands *m_files;
    FrameLock m_frameLock;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
