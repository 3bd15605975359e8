// Zevora - zevora-imgtag: the IMG tags (or links) that dropping files on a page would make.
//   zevora-imgtag PAGE IMAGE...        one IMG tag per image, as a drop on PAGE inserts it
//   zevora-imgtag --link PAGE FILE...  one anchor per page file, as the link builder makes it
#include "ImageTag.h"
#include "LinkRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int ExitDone = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

const char Usage[] = "Usage: zevora-imgtag PAGE IMAGE...\n"
                     "       zevora-imgtag --link PAGE FILE...\n"
                     "Prints, one line each, the IMG tag that dropping each IMAGE on a page saved as\n"
                     "PAGE inserts, or with --link the anchor that the link builder makes for each\n"
                     "page FILE dropped on its target box (with the link text \"My Page\").\n"
                     "PAGE need not exist. A file that is refused prints nothing; standard error\n"
                     "says why, and the exit status is 1.\n";

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString absolute(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

// The drop of one image on the page: the page's own checks, then the tag.
bool imageTag(const QString &page, const QString &given)
{
    const QString path = absolute(given);
    const std::optional<QStringList> files = QStringList{path};
    if (const auto refusal = LinkRules::checkOneFile(files, LinkRules::Target::Page)) {
        print(stderr, given + QStringLiteral(": ") + refusal->text);
        return false;
    }
    const ImageTag tag = makeImageTag(path, page);
    if (tag.result != ImageTag::Result::Tag) {
        print(stderr, given + QStringLiteral(": ") + tag.problem());
        return false;
    }
    print(stdout, tag.tag);
    return true;
}

// The drop of one page file on the link builder's target box, then Enter.
bool pageAnchor(const QString &page, const QString &given)
{
    if (!QFileInfo::exists(absolute(given))) {
        print(stderr, given + QStringLiteral(": No such file."));
        return false;
    }
    const auto show = [&given](const Platform::MessageBox &box) {
        print(stderr, given + QStringLiteral(": ") + box.text);
    };
    // Nobody is there to save a page that is not on disk: that is Cancel.
    const auto unsaved = [](QString &) { return LinkRules::Unsaved::Cancel; };
    const std::optional<QString> target =
        LinkRules::pageLink(QStringList{absolute(given)}, page, unsaved, show);
    if (!target)
        return false;
    print(stdout, LinkRules::anchorText(*target, QStringLiteral("My Page")));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 1 &&
        (arguments.first() == QLatin1String("-h") || arguments.first() == QLatin1String("--help"))) {
        std::fputs(Usage, stdout);
        return ExitDone;
    }
    const bool links = !arguments.isEmpty() && arguments.first() == QLatin1String("--link");
    if (links)
        arguments.removeFirst();
    if (arguments.size() < 2 || arguments.first().startsWith(u'-')) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    const QString page = absolute(arguments.takeFirst());
    bool refused = false;
    for (const QString &file : std::as_const(arguments))
        refused |= !(links ? pageAnchor(page, file) : imageTag(page, file));
    return refused ? ExitRefused : ExitDone;
}
