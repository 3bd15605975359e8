// Zevora - the desktop shell as a platform service.
// Logic asks through this interface; only QtShellService talks to the desktop.
#pragma once

#include <QString>

#include <functional>

class QUrl;

namespace Platform {

class ShellService
{
public:
    virtual ~ShellService() = default;
    /// Hands \a url to the desktop: a web address opens in the browser, a
    /// "mailto:" address in the mail program, a file in its associated
    /// program. Returns false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;

    /// Looks up the desktop's web browser, the program that opens HTML pages,
    /// and calls \a done with it (a name that startBrowser() understands), or
    /// with "" when the desktop names none or names this program. \a done may
    /// run before this returns; it runs exactly once.
    virtual void findBrowser(std::function<void(const QString &browser)> done) = 0;
    /// Starts \a browser with the page \a file as its argument, in \a folder
    /// as its working folder, and calls \a done with true once it was started
    /// or false when it could not be. \a done may run before this returns; it
    /// runs exactly once.
    virtual void startBrowser(const QString &browser, const QString &file, const QString &folder,
                              std::function<void(bool started)> done) = 0;
    /// Moves the file \a path to the desktop's trash, where the user can get
    /// it back. False when it is still where it was.
    virtual bool moveToTrash(const QString &path) = 0;

    /// The browser's view-source editor: some browsers let the user name the
    /// program that shows a page's source. Desktops without such a setting
    /// keep these defaults: not available, not registered, nothing to do.
    virtual bool viewSourceAvailable() { return false; }
    virtual bool isViewSourceEditor() { return false; }
    virtual void registerViewSourceEditor() {}
    virtual void unregisterViewSourceEditor() {}
};

} // namespace Platform
