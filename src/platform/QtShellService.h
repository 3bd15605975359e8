// Zevora - the desktop shell: QDesktopServices, the desktop's MIME defaults,
// gio and the trash.
#pragma once

#include "ShellService.h"

namespace Platform {

/// The browser is the desktop's default program for HTML pages, as
/// "xdg-mime query default text/html" names it (or, when that is this program
/// itself, the default for web addresses); it is found as a desktop entry in
/// the XDG data folders and started with "gio launch".
class QtShellService : public ShellService
{
public:
    bool openUrl(const QUrl &url) override;
    void findBrowser(std::function<void(const QString &browser)> done) override;
    void startBrowser(const QString &browser, const QString &file, const QString &folder,
                      std::function<void(bool started)> done) override;
    bool moveToTrash(const QString &path) override;
};

} // namespace Platform
