// Zevora - the sizes the editor font dialog offers, and the size it saves.
#include "EditorFont.h"

#include <cmath>

namespace EditorFont {

const QList<int> &sizes()
{
    static const QList<int> list = {8, 10, 12, 14, 16, 18, 20, 24};
    return list;
}

int nearestSizeIndex(double points)
{
    int found = -1;
    for (int i = 0; i < sizes().size(); ++i) {
        if (std::abs(points - sizes().at(i)) < 1.1)
            found = i;
    }
    return found;
}

int sizeToSave(double points)
{
    const int index = nearestSizeIndex(points);
    return index < 0 ? 12 : sizes().at(index);
}

} // namespace EditorFont
