// Zevora - the system clipboard through QClipboard.
#pragma once

#include "ClipboardService.h"

namespace Platform {

class QtClipboardService : public ClipboardService
{
public:
    QString text() const override;
    void setText(const QString &text) override;
    void clear() override;
};

} // namespace Platform
