// Zevora - the desktop shell as a platform service.
// Logic asks through this interface; only QtShellService talks to the desktop.
#pragma once

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
};

} // namespace Platform
