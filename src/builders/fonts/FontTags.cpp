// Zevora - the FONT and HR tags of the font and rule dialogs.
#include "FontTags.h"

namespace FontTags {

namespace {
const QString kBlackColour = QStringLiteral(" color=\"#000000\"");
}

QString fontTag(int size, bool color, bool face)
{
    return QStringLiteral("<font size=") + QString::number(size) + (color ? kBlackColour : QString()) +
           (face ? QStringLiteral(" face=\"\"") : QString()) + QLatin1Char('>');
}

QString ruleTag(int size, bool color, bool width)
{
    return QStringLiteral("<HR size=") + QString::number(size) + (color ? kBlackColour : QString()) +
           (width ? QStringLiteral(" width=") : QString()) + QLatin1Char('>');
}

} // namespace FontTags
