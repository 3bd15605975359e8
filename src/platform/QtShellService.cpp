// Zevora - the desktop shell through QDesktopServices.
#include "QtShellService.h"

#include <QDesktopServices>
#include <QUrl>

namespace Platform {

bool QtShellService::openUrl(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace Platform
