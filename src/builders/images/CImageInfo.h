// Zevora - the header of an image file: its type, width, height and colour depth.
#pragma once

#include "ImageHeader.h"

#include <QString>

/// Reads an image file's header with ImageHeader::read(). Only regular files
/// are opened (a FIFO or a device would block or never end); a link is
/// followed. At most ImageHeader::kMaxBytes of the file are read, and only as
/// much of that as the reader asks for.
class CImageInfo
{
public:
    enum class Status
    {
        Read,
        /// No such file (or a broken link).
        Missing,
        /// A folder, a FIFO, a device: nothing to read an image from.
        NotAFile,
        /// The file exists but could not be read.
        Unreadable
    };

    /// Reads the header of \a path. Every field is 0 unless it was read.
    Status readImageHeader(const QString &path);

    std::int32_t width() const { return m_info.width; }
    std::int32_t height() const { return m_info.height; }
    std::int32_t depth() const { return m_info.depth; }
    ImageHeader::Type imageType() const { return m_info.type; }
    /// Why the file could not be read (for Unreadable).
    QString errorString() const { return m_error; }

private:
    ImageHeader::Info m_info;
    QString m_error;
};
