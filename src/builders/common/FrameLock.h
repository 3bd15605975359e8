// Zevora - keeps the frame from taking input while a builder window is open.
#pragma once

#include <QPointer>
#include <QWidget>

/// Disables \a frame while it lives (or until release()), and enables it
/// again however the window that holds it goes: its buttons, Escape, the
/// window manager, or being deleted. A window that holds one must not be a
/// child of the frame: disabling the frame would disable it too.
class FrameLock
{
public:
    explicit FrameLock(QWidget *frame);
    ~FrameLock();
    FrameLock(const FrameLock &) = delete;
    FrameLock &operator=(const FrameLock &) = delete;

    /// Enables the frame again now.
    void release();

private:
    QPointer<QWidget> m_frame;
};
