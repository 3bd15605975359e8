// Zevora - the list builder's bullet icons, drawn pixel by pixel.
#include "BulletIcons.h"

#include "GifWriter.h"

#include <QImage>

#include <cstdlib>

namespace Resources {

namespace {

struct BulletSet
{
    const char *tag;
    const char *name;
    quint32 colour;
};

// Sixteen colours that read well on both light and dark pages.
constexpr BulletSet kSets[BulletSetCount] = {
    {"Wht", "White", 0xffffff},      {"LGr", "Light Grey", 0xc0c0c0}, {"DGr", "Dark Grey", 0x808080},
    {"Blk", "Black", 0x000000},      {"Blu", "Blue", 0x0000ff},       {"Nvy", "Navy", 0x000080},
    {"NGr", "Neon Green", 0x00ff00}, {"Grn", "Green", 0x008000},      {"Ylo", "Yellow", 0xffff00},
    {"Tan", "Tan", 0xd2b48c},        {"Brn", "Brown", 0x8b4513},      {"Prp", "Purple", 0x800080},
    {"Teal", "Teal", 0x008080},      {"Pnk", "Pink", 0xff69b4},       {"Mar", "Maroon", 0x800000},
    {"Red", "Red", 0xff0000},
};

bool validSet(int set)
{
    return set >= 0 && set < BulletSetCount;
}

// Index 0 is the transparent ground, index 1 the mark. The ground's colour
// only shows where a viewer ignores transparency: white, or black behind a
// white mark.
QImage canvas(int width, int height, quint32 colour)
{
    QImage image(width, height, QImage::Format_Indexed8);
    const QRgb mark = 0xff000000u | colour;
    image.setColorTable({colour == 0xffffff ? qRgb(0, 0, 0) : qRgb(255, 255, 255), mark});
    image.fill(0);
    return image;
}

// A triangle pointing right: one pixel wide at the top and bottom rows,
// the full six pixels on the middle row.
QImage topicIcon(quint32 colour)
{
    QImage image = canvas(6, 11, colour);
    for (int y = 0; y < 11; ++y) {
        const int width = 6 - std::abs(y - 5);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 1);
    }
    return image;
}

// A round dot: the corners of the 5 by 5 square stay clear.
QImage detailIcon(quint32 colour)
{
    QImage image = canvas(5, 5, colour);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool corner = (x == 0 || x == 4) && (y == 0 || y == 4);
            image.setPixel(x, y, corner ? 0 : 1);
        }
    return image;
}

} // namespace

QString bulletSetTag(int set)
{
    return validSet(set) ? QString::fromLatin1(kSets[set].tag) : QString();
}

QString bulletSetName(int set)
{
    return validSet(set) ? QString::fromLatin1(kSets[set].name) : QString();
}

quint32 bulletSetColour(int set)
{
    return validSet(set) ? kSets[set].colour : 0;
}

QByteArray bulletGif(int id)
{
    if (validSet(id - TopicBulletBase))
        return GifWriter::encode(topicIcon(kSets[id - TopicBulletBase].colour), 0);
    if (validSet(id - DetailBulletBase))
        return GifWriter::encode(detailIcon(kSets[id - DetailBulletBase].colour), 0);
    return {};
}

} // namespace Resources
