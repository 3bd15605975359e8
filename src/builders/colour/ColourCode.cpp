// Zevora - colour values and their HTML codes.
#include "ColourCode.h"

#include "Services.h"

#include <array>

namespace ColourCode {

QString colourToHex(ColourValue colour)
{
    const auto digits = [](ColourValue channel) {
        return QStringLiteral("%1").arg(channel & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return digits(colour) + digits(colour >> 8) + digits(colour >> 16);
}

QString colourTag(ColourValue colour)
{
    return QStringLiteral("\"#%1\"").arg(colourToHex(colour));
}

ColourValue webSafeColour(int index)
{
    // Rows run through green, columns through blue; red steps every six
    // rows and every six columns.
    static constexpr int levels[] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    const int row = index / WebSafeColumns;
    const int column = index % WebSafeColumns;
    return rgb(levels[2 * (row / 6) + column / 6], levels[row % 6], levels[column % 6]);
}

ColourValue backgroundColour(int index)
{
    static constexpr std::array<ColourValue, BackgroundCount> colours = {
        rgb(255, 255, 255), rgb(240, 248, 255), rgb(255, 248, 220), rgb(255, 255, 204), rgb(224, 224, 224),
        rgb(255, 239, 213), rgb(230, 230, 250), rgb(247, 220, 195), rgb(204, 204, 204), rgb(220, 187, 187),
        rgb(135, 206, 235), rgb(102, 192, 192), rgb(210, 180, 140), rgb(204, 153, 153), rgb(119, 136, 153),
    };
    return colours.at(std::size_t(index));
}

QString chooseColourCode(QWidget *owner)
{
    const std::optional<ColourValue> colour = Platform::Services::colourDialogs().chooseColour(owner);
    return colour ? colourTag(*colour) : QString();
}

} // namespace ColourCode
