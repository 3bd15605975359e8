// Zevora - the colour chooser as a platform service.
#pragma once

#include <QtGlobal>

#include <optional>

class QWidget;

namespace Platform {

/// A colour as the program keeps it: 24 bits, red in the low byte
/// (red + 256 * green + 65536 * blue).
using ColourValue = quint32;

class ColourDialogService
{
public:
    virtual ~ColourDialogService() = default;
    /// Asks for a colour in a dialog owned by \a owner (null: no owner), with
    /// its custom-colour slots all black. The chosen colour, or nothing when
    /// the user cancelled.
    virtual std::optional<ColourValue> chooseColour(QWidget *owner) = 0;
};

} // namespace Platform
