// Zevora - reading a page file in blocks.
#include "PageReader.h"

#include <QFile>
#include <QFileInfo>

namespace PageReader {

bool isTooLarge(const QString &path)
{
    return QFileInfo(path).size() > kMaxPageBytes;
}

std::optional<QByteArray> readInBlocks(const QString &path, qsizetype blockSize,
                                       const std::function<void()> &betweenBlocks)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size > kMaxPageBytes)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(size);
    const qint64 blocks = size / blockSize;
    const qint64 remainder = size % blockSize;
    for (qint64 i = 0; i < blocks; ++i) {
        const QByteArray block = file.read(blockSize);
        if (block.size() != blockSize)
            return std::nullopt;
        bytes.append(block);
        if (betweenBlocks)
            betweenBlocks();
    }
    if (remainder > 0) {
        const QByteArray rest = file.read(remainder);
        if (rest.size() != remainder)
            return std::nullopt;
        bytes.append(rest);
    }
    // A file that grew while it was read: take the rest too.
    if (!file.atEnd())
        bytes.append(file.read(kMaxPageBytes + 1 - bytes.size()));
    if (bytes.size() > kMaxPageBytes)
        return std::nullopt;
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace PageReader
