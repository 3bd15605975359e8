// Zevora - writes the program's icon at the sizes desktops look for, as
// <folder>/hicolor/<n>x<n>/apps/<name>.png, for installing.
//   zevora_make_icons FOLDER NAME
#include "ToolPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: zevora_make_icons FOLDER NAME\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int pixels : {16, 24, 32, 48, 64, 128, 256}) {
        const QString size = QStringLiteral("%1x%1").arg(pixels);
        const QString path = QStringLiteral("%1/hicolor/%2/apps").arg(folder, size);
        if (!QDir().mkpath(path) || !Resources::programIconImage(pixels).save(path + '/' + name + ".png")) {
            std::fprintf(stderr, "zevora_make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
