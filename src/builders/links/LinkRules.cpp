// Zevora - what a dropped file becomes in the link builder and on the page.
#include "LinkRules.h"

#include "mFuncs.h"
#include "mRelPath.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

using namespace Platform;

namespace LinkRules {

namespace {
const QString kNoteTitle = QStringLiteral("Zevora Note:");

QString folderText(const char *where, const char *what, const char *tryText)
{
    return QStringLiteral("Looks like a folder.\n\nZevora Drag N Drop (%1)\nis used to generate %2.   \n\n%3")
        .arg(QLatin1String(where), QLatin1String(what), QLatin1String(tryText));
}
} // namespace

std::optional<QStringList> droppedFiles(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return std::nullopt;
    QStringList files;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            return std::nullopt;
        files.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    if (files.isEmpty())
        return std::nullopt;
    return files;
}

std::optional<MessageBox> checkOneFile(const std::optional<QStringList> &files, Target target)
{
    if (!files) {
        switch (target) {
        case Target::Page:
            return MessageBox{QStringLiteral("Zevora Note"), QStringLiteral("Unknown Object"),
                              MsgIcon::Critical};
        case Target::ImageBox:
            return MessageBox{kNoteTitle, QStringLiteral("Unknown Object"), MsgIcon::Critical};
        case Target::PageBox:
            return notAPageBox();
        }
    }
    if (files->size() > 1) {
        if (target == Target::Page)
            return MessageBox{kNoteTitle, QStringLiteral("One file at a time, please!"),
                              MsgIcon::Exclamation};
        return MessageBox{kNoteTitle, QStringLiteral("One file at a time, Please!"), MsgIcon::Critical};
    }
    // Folders carry no attribute bits here: every folder is one.
    if (QFileInfo(files->first()).isDir()) {
        switch (target) {
        case Target::Page:
            return MessageBox{kNoteTitle,
                              folderText("on a page", "IMAGE tags", "Try a GIF, a JPG or a PNG file..."),
                              MsgIcon::Exclamation};
        case Target::ImageBox:
            return MessageBox{
                kNoteTitle, folderText("in this textbox", "IMAGE tags", "Try a GIF, a JPG or a PNG file..."),
                MsgIcon::Information};
        case Target::PageBox:
            return MessageBox{
                kNoteTitle,
                folderText("in this textbox", "File Names", "Try an HTM, HTML (or SHTML) or an ASP page..."),
                MsgIcon::Information};
        }
    }
    return std::nullopt;
}

bool isPageFile(const QString &name)
{
    const QString end = name.right(4).toLower();
    return end == QLatin1String("html") || end == QLatin1String(".htm") || end == QLatin1String(".asp");
}

MessageBox notAPageBox()
{
    return MessageBox{QStringLiteral("This is a Page Link..."),
                      QStringLiteral("Please drop an HTM, HTML, SHTML or an ASP page."),
                      MsgIcon::Exclamation};
}

MessageBox unsavedPageQuestion()
{
    return MessageBox{kNoteTitle,
                      QStringLiteral("Your original (linking) page has not yet been saved...\n"
                                     "Therefore a relative path will not be generated, just the filename.\n"
                                     "Would you like to save the file before proceeding?"),
                      MsgIcon::None, MsgButtons::OkCancel};
}

std::optional<QString> pageLink(const std::optional<QStringList> &files, QString pagePath,
                                const std::function<Unsaved(QString &)> &unsaved,
                                const std::function<void(const MessageBox &)> &show, QChar separator)
{
    if (const std::optional<MessageBox> refusal = checkOneFile(files, Target::PageBox)) {
        show(*refusal);
        return std::nullopt;
    }
    const QString file = files->first();
    const QString name = mRelPath::escapeForAddress(fileNameOf(file, separator));
    // Another drive: no relative path leads there.
    if (file.left(1) != pagePath.left(1)) {
        show(MessageBox{
            QStringLiteral("Relativity problem..."),
            QStringLiteral("To create a relative path, the files must be located on the same drive."),
            MsgIcon::None});
        return name;
    }
    if (!mFuncs::FileExists(pagePath)) {
        switch (unsaved(pagePath)) {
        case Unsaved::NotSaved:
            return std::nullopt;
        case Unsaved::Cancel:
            if (isPageFile(file))
                return name;
            show(notAPageBox());
            return std::nullopt;
        case Unsaved::Saved:
            break;
        }
    }
    if (!isPageFile(file)) {
        show(notAPageBox());
        return std::nullopt;
    }
    return mRelPath::relPath(file, pagePath, separator);
}

QString anchorText(const QString &page, const QString &link)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(page, link);
}

QString fileNameOf(const QString &path, QChar separator)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

} // namespace LinkRules
