// Zevora - the desktop shell through QDesktopServices.
#pragma once

#include "ShellService.h"

namespace Platform {

class QtShellService : public ShellService
{
public:
    bool openUrl(const QUrl &url) override;
};

} // namespace Platform
