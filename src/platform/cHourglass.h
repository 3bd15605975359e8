// Zevora - the busy pointer, for as long as a long command runs.
#pragma once

#include <QCursor>
#include <QGuiApplication>

/// Shows the busy pointer while it lives; the pointer that was shown before
/// comes back when it goes (also when the command ends by an exception).
class cHourglass
{
public:
    cHourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~cHourglass() { QGuiApplication::restoreOverrideCursor(); }
    cHourglass(const cHourglass &) = delete;
    cHourglass &operator=(const cHourglass &) = delete;
};
