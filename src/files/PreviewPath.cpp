// Zevora - where the browser preview of a page is written.
#include "PreviewPath.h"

namespace PreviewPath {

namespace {
const QString kMark = QStringLiteral("$$");
constexpr int kMaxNumber = 1000;
} // namespace

QString previewFile(const QString &tag, const QString &captionBase, bool modified, QChar separator)
{
    // A caption that holds a separator (a template named "a/b") is no file
    // name: such a page is previewed from its tag.
    if (!modified || captionBase.isEmpty() || captionBase.contains(separator) || !tag.contains(captionBase))
        return tag;
    // The page's own folder: where its file is, even when the caption base
    // also occurs in a folder name ("/tmp/tmp").
    return tag.left(tag.lastIndexOf(separator) + 1) + kMark + captionBase;
}

QString withHtmExtension(const QString &path)
{
    return path.right(5).contains(QLatin1Char('.')) ? path : path + QStringLiteral(".htm");
}

QString numberedName(const QString &path, int number, QChar separator)
{
    const qsizetype cut = path.lastIndexOf(separator) + 1;
    QString name = path.mid(cut);
    if (name.startsWith(kMark))
        name.remove(0, kMark.size());
    return path.left(cut) + kMark + QString::number(number) + name;
}

QString firstUsable(const QString &path, const std::function<bool(const QString &)> &usable, QChar separator)
{
    if (usable(path))
        return path;
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QString candidate = numberedName(path, number, separator);
        if (usable(candidate))
            return candidate;
    }
    return {};
}

} // namespace PreviewPath
