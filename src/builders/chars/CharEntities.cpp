// Zevora - the special characters list.
#include "CharEntities.h"

#include "cTxt2HTML.h"

#include <iterator>

namespace CharEntities {

namespace {

// The list order: the line break, the blank and the tab, the characters HTML
// reserves, signs and symbols, then the accented letters in capital and
// small pairs, then more signs (the degree sign comes twice).
constexpr char16_t kCodes[] = {
    13,  32,  9,   34,  38,  60,  62,  161, 169, 174, 191, 179, 178, 185, 188, 189, 190, 163, 162, 165, 176,
    177, 247, 215, 183, 192, 224, 193, 225, 194, 226, 195, 227, 196, 228, 197, 229, 198, 230, 199, 231, 208,
    240, 200, 232, 201, 233, 202, 234, 203, 235, 204, 236, 205, 237, 206, 238, 207, 239, 181, 209, 241, 210,
    242, 211, 243, 212, 244, 213, 245, 214, 246, 216, 248, 223, 222, 254, 217, 249, 218, 250, 219, 251, 220,
    252, 221, 253, 255, 168, 175, 180, 184, 166, 171, 187, 182, 167, 170, 186, 172, 176, 164,
};
static_assert(std::size(kCodes) == 102);

} // namespace

int count()
{
    return int(std::size(kCodes));
}

QString shown(int index)
{
    switch (kCodes[index]) {
    case 13:
        return QStringLiteral("[Return]");
    case 32:
        return QStringLiteral("[Space]");
    case 9:
        return QStringLiteral("[Tab]");
    default:
        return QString(QChar(kCodes[index]));
    }
}

QString entity(int index)
{
    switch (kCodes[index]) {
    case 13:
        return QStringLiteral("<br>");
    case 32:
        return QStringLiteral("&nbsp;");
    case 9:
        return cTxt2HTML::tabPiece();
    default:
        return cTxt2HTML::entityOf(QChar(kCodes[index]));
    }
}

int find(const QString &typed)
{
    if (typed.isEmpty())
        return -1;
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < count(); ++i) {
            if (shown(i).startsWith(typed, sensitivity))
                return i;
        }
    }
    return -1;
}

} // namespace CharEntities
