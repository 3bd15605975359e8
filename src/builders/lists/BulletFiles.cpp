// Zevora - the bullet icon files that a definition list links.
#include "BulletFiles.h"

#include "BulletIcons.h"
#include "ListBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Beyond this many numbered names the folder is taken to be unusable.
constexpr int kMaxNumberedNames = 99;

bool holdsBytes(const QFileInfo &info, const QByteArray &bytes)
{
    if (!info.isFile() || info.size() != bytes.size())
        return false;
    QFile file(info.filePath());
    return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// Written beside its name and renamed into place once complete, so that no
// cut-off picture ever stands under the name (the next run would take it for
// the user's own). The explicit flush matters: a short write in the flush
// that commit() does itself goes unreported.
bool writeNew(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}

struct Placed
{
    QString name;
    bool created = false;
};

// The name under which \a bytes stand in \a folder: "<stem>.gif" or the
// first "<stem>N.gif" that is free or already holds them. Empty on failure.
Placed place(const QDir &folder, const QString &stem, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    for (int n = 1; n <= kMaxNumberedNames; ++n) {
        const QString name = stem + (n == 1 ? QString() : QString::number(n)) + QStringLiteral(".gif");
        const QFileInfo info(folder.filePath(name));
        if (holdsBytes(info, bytes))
            return {name, false};
        // A dangling link counts as taken: writing there would replace it.
        if (info.exists() || info.isSymLink())
            continue;
        return writeNew(info.filePath(), bytes) ? Placed{name, true} : Placed{};
    }
    return {};
}

BulletFiles::Result failed()
{
    return {BulletFiles::Outcome::Failed,
            QStringLiteral("Sorry, images could not be created..."),
            ListBuilder::genericTopicTag(),
            ListBuilder::genericDetailTag(),
            QString(),
            QString()};
}

} // namespace

BulletFiles::Result BulletFiles::create(const QString &pagePath, int set)
{
    const QFileInfo page(pagePath);
    if (pagePath.isEmpty() || !page.absoluteDir().exists())
        return {Outcome::NoFolder, QStringLiteral("Could not create image path..."), {}, {}, {}, {}};

    QDir images(page.absolutePath() + QStringLiteral("/images"));
    if (!images.exists() && !page.absoluteDir().mkdir(QStringLiteral("images")))
        return failed();

    const QString tag = Resources::bulletSetTag(set);
    if (tag.isEmpty())
        return failed();
    const Placed topic = place(images, QStringLiteral("listTri_") + tag,
                               Resources::bulletGif(Resources::TopicBulletBase + set));
    if (topic.name.isEmpty())
        return failed();
    const Placed detail = place(images, QStringLiteral("listDot_") + tag,
                                Resources::bulletGif(Resources::DetailBulletBase + set));
    if (detail.name.isEmpty()) {
        if (topic.created)
            QFile::remove(images.filePath(topic.name));
        return failed();
    }

    Result result;
    result.outcome = Outcome::Written;
    // The tag links relative to the page, with a forward slash.
    result.topicTag = QStringLiteral("<img src=\"images/%1\" width=6 height=11 hspace=8>").arg(topic.name);
    result.detailTag =
        QStringLiteral("<img src=\"images/%1\" width=5 height=5 hspace=5 align=middle>").arg(detail.name);
    result.topicFile = QDir::toNativeSeparators(images.filePath(topic.name));
    result.detailFile = QDir::toNativeSeparators(images.filePath(detail.name));
    return result;
}
