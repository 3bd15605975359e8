// Zevora - the clipboard as a platform service (plain text only).
#pragma once

#include <QString>

namespace Platform {

class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    /// The clipboard's plain text; empty when it holds none.
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void clear() = 0;
};

} // namespace Platform
