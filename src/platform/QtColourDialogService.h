// Zevora - the colour chooser shown with QColorDialog.
#pragma once

#include "ColourDialogService.h"

namespace Platform {

/// Qt's own colour dialog (never the desktop's, so that the custom slots
/// behave the same everywhere). Qt keeps the custom colours between dialogs
/// and runs (in its QtProject settings): they are set to black before every
/// call.
class QtColourDialogService : public ColourDialogService
{
public:
    std::optional<ColourValue> chooseColour(QWidget *owner) override;
};

} // namespace Platform
