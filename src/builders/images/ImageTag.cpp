// Zevora - the IMG tag of a dropped image.
#include "ImageTag.h"

#include "LinkRules.h"
#include "mFuncs.h"
#include "mRelPath.h"

using namespace Platform;

std::optional<MessageBox> ImageTag::refusal() const
{
    switch (result) {
    case Result::NotAnImage:
        return MessageBox{QStringLiteral("Zevora Note:"),
                          QStringLiteral("Please use a GIF, a JPEG or a PNG image...")};
    case Result::Bitmap:
        return MessageBox{QStringLiteral("Zevora Note:"),
                          QStringLiteral("Sorry, but you cannot use a Bitmap...")};
    default:
        return std::nullopt;
    }
}

QString ImageTag::problem() const
{
    switch (result) {
    case Result::Tag:
        return QString();
    case Result::Missing:
        return QStringLiteral("No such file.");
    case Result::NotAFile:
        return QStringLiteral("Not a regular file.");
    case Result::Unreadable:
        return QStringLiteral("Cannot read the file: %1").arg(error);
    default:
        return refusal()->text;
    }
}

QString folderPart(const QString &path, QChar separator)
{
    const qsizetype at = path.size() >= 5 ? path.lastIndexOf(separator) : -1;
    return at >= 2 ? path.left(at) : path;
}

ImageTag makeImageTag(const QString &imagePath, const QString &pagePath, QChar separator,
                      const QString &tempFolder)
{
    ImageTag tag;
    CImageInfo info;
    switch (info.readImageHeader(imagePath)) {
    case CImageInfo::Status::Missing:
        tag.result = ImageTag::Result::Missing;
        return tag;
    case CImageInfo::Status::NotAFile:
        tag.result = ImageTag::Result::NotAFile;
        return tag;
    case CImageInfo::Status::Unreadable:
        tag.result = ImageTag::Result::Unreadable;
        tag.error = info.errorString();
        return tag;
    case CImageInfo::Status::Read:
        break;
    }
    switch (info.imageType()) {
    case ImageHeader::None:
        tag.result = ImageTag::Result::NotAnImage;
        return tag;
    case ImageHeader::Bmp:
        tag.result = ImageTag::Result::Bitmap;
        return tag;
    default:
        break;
    }
    const QString temp = tempFolder.isEmpty() ? mFuncs::TempFolder() : tempFolder;
    tag.result = ImageTag::Result::Tag;
    tag.src = temp == folderPart(pagePath, separator) + separator
                  ? mRelPath::escapeForAddress(LinkRules::fileNameOf(imagePath, separator))
                  : mRelPath::relPath(imagePath, pagePath, separator);
    tag.tag = QStringLiteral("<img src=\"%1\" width=%2 height=%3 border=0>")
                  .arg(tag.src, QString::number(info.width()), QString::number(info.height()));
    return tag;
}
