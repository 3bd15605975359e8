// Zevora - the header of an image file.
#include "CImageInfo.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Most headers sit in the first block; a JPEG with big segments before its
// frame header gets larger reads, up to the reader's limit.
constexpr qint64 kFirstRead = 64 * 1024;
} // namespace

CImageInfo::Status CImageInfo::readImageHeader(const QString &path)
{
    m_info = {};
    m_error.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    // Checked before opening: opening a FIFO for reading waits for a writer.
    if (!info.isFile())
        return Status::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return Status::Unreadable;
    }
    const qint64 limit = qint64(ImageHeader::kMaxBytes);
    QByteArray bytes;
    qint64 wanted = kFirstRead;
    for (;;) {
        const QByteArray more = file.read(wanted - bytes.size());
        if (file.error() != QFileDevice::NoError) {
            m_error = file.errorString();
            return Status::Unreadable;
        }
        bytes += more;
        const ImageHeader::Info header = ImageHeader::read(
            reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()));
        const bool fileEnded = bytes.size() < wanted;
        if (!header.wantsMore || fileEnded || wanted >= limit) {
            m_info = header;
            m_info.wantsMore = false;
            return Status::Read;
        }
        wanted = std::min(wanted * 4, limit);
    }
}
