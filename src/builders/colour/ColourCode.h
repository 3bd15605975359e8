// Zevora - colour values and their HTML codes, the web-safe palette and the
// editor background colours.
#pragma once

#include "ColourDialogService.h"

#include <QString>

class QWidget;

namespace ColourCode {

using Platform::ColourValue;

/// The HTML digits of \a colour: red, green and blue as two upper-case
/// hexadecimal digits each, red first, no "#" ("0A00FF" for red 10, green 0,
/// blue 255). Only the low 24 bits count.
QString colourToHex(ColourValue colour);
/// The code a builder inserts: "#RRGGBB" in double quotes, nine characters.
QString colourTag(ColourValue colour);
/// The colour of red, green and blue.
constexpr ColourValue rgb(int red, int green, int blue)
{
    return ColourValue(red & 0xFF) | ColourValue(green & 0xFF) << 8 | ColourValue(blue & 0xFF) << 16;
}

/// The web-safe palette: 216 swatches in 18 rows of 12, index = 12 * row + column.
constexpr int WebSafeCount = 216;
constexpr int WebSafeColumns = 12;
/// The colour of swatch \a index (0 to 215).
ColourValue webSafeColour(int index);

/// The editor background colours of Options > Background, 15 of them.
constexpr int BackgroundCount = 15;
ColourValue backgroundColour(int index);

/// Asks for a colour in the platform's colour dialog owned by \a owner and
/// returns its code as colourTag() writes it, or "" when the user cancelled.
QString chooseColourCode(QWidget *owner);

} // namespace ColourCode
