// Zevora - the background image dialog (Dialogs > Background).
#pragma once

#include "FrameLock.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>

class FileCommands;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class frmKid;

/// Writes ` background="NAME"` into the BODY tag of the page it was opened
/// on, replacing the background the tag has, or at that page's caret when
/// the page has no tag; one undo step. The name is typed into txtImage, or
/// an image file is dropped there.
///
/// A small window without a caption, moved by dragging its body or Label1.
/// The frame takes no input while it is open, and takes input again however
/// the dialog closes (Enter, Cancel, Escape, the window manager, its page
/// going). It is not a child of the frame: a disabled frame disables its
/// children.
class frmBackground : public QDialog
{
    Q_OBJECT

public:
    frmBackground(frmKid *page, FileCommands *files, QWidget *frame);
    ~frmBackground() override;

    /// Opens the dialog on \a page near the bottom right of the screen and
    /// disables \a frame until it closes.
    static frmBackground *showFor(frmKid *page, FileCommands *files, QWidget *frame);

    /// The page the dialog writes into; null once it has gone.
    frmKid *page() const;

    /// An image dropped on txtImage: a page that was never saved is offered
    /// for saving first (the path of the image is written relative to it);
    /// then the drop is checked and its path written into txtImage, selected.
    void txtImage_Drop(const QMimeData *mime);

    QLabel *Label1 = nullptr;
    QLineEdit *txtImage = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOK_Click();
    void releaseFrame();
    bool dragWindow(QMouseEvent *event);

    QPointer<frmKid> m_page;
    FileCommands *m_files;
    QPointer<QWidget> m_frame;
    std::unique_ptr<FrameLock> m_frameLock;
    // Where the pointer took hold of the window, while it is being dragged.
    std::optional<QPoint> m_grip;
};
