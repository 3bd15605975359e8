// Zevora - who receives a colour picked in the web-safe palette.
#pragma once

#include "ColourDialogService.h"

#include <QString>

/// A window that opened the palette modally for a colour of its own: the page
/// colours dialog (mode 1) or the table designer (modes 2 to 4). The palette
/// hands the picked swatch to the recipient its caller gave it, never to
/// whatever widget has the focus.
class PaletteRecipient
{
public:
    virtual ~PaletteRecipient() = default;
    /// Swatch \a colour (its code \a tag, "#RRGGBB" in double quotes) was
    /// picked in the palette opened in \a mode: 1 the page colours dialog,
    /// 2 the table designer's current cell (its setBC), 3 the table's
    /// background (setTBG), 4 the header row (setTH). Not called when the
    /// palette closes without a pick.
    virtual void paletteColour(int mode, Platform::ColourValue colour, const QString &tag) = 0;
};
