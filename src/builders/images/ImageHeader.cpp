// Zevora - the size and colour depth of an image from its first bytes.
#include "ImageHeader.h"

#include <limits>

namespace ImageHeader {

namespace {

// The bytes given; a byte past their end reads as 0 and is never touched.
class Bytes
{
public:
    Bytes(const unsigned char *data, std::size_t size) : m_data(data), m_size(data ? size : 0) {}

    unsigned at(std::size_t i) const { return i < m_size ? m_data[i] : 0u; }
    /// True when bytes \a from to \a from + \a count - 1 are all there.
    bool has(std::size_t from, std::size_t count) const { return from <= m_size && count <= m_size - from; }
    std::size_t size() const { return m_size; }

    unsigned be16(std::size_t i) const { return at(i) << 8 | at(i + 1); }
    unsigned le16(std::size_t i) const { return at(i + 1) << 8 | at(i); }
    std::uint32_t be32(std::size_t i) const { return std::uint32_t(be16(i)) << 16 | be16(i + 2); }

private:
    const unsigned char *m_data;
    std::size_t m_size;
};

Info png(const Bytes &b)
{
    // The IHDR chunk: width and height (4 bytes each, big-endian) from byte
    // 16, then bit depth and colour type.
    if (!b.has(0, 26))
        return {};
    const std::uint32_t width = b.be32(16);
    const std::uint32_t height = b.be32(20);
    constexpr std::uint32_t kLargest = std::numeric_limits<std::int32_t>::max();
    if (width > kLargest || height > kLargest)
        return {};
    const int bitDepth = int(b.at(24));
    int depth = 0;
    switch (b.at(25)) {
    case 0: // grey
        depth = bitDepth;
        break;
    case 2: // red, green, blue
        depth = bitDepth * 3;
        break;
    case 3: // palette
        depth = 8;
        break;
    case 4: // grey and alpha
        depth = bitDepth * 2;
        break;
    case 6: // red, green, blue and alpha
        depth = bitDepth * 4;
        break;
    default:
        return {};
    }
    Info info;
    info.type = Png;
    info.width = std::int32_t(width);
    info.height = std::int32_t(height);
    info.depth = depth;
    return info;
}

Info gif(const Bytes &b)
{
    if (!b.has(0, 11))
        return {};
    Info info;
    info.type = Gif;
    info.width = std::int32_t(b.le16(6));
    info.height = std::int32_t(b.le16(8));
    info.depth = std::int32_t((b.at(10) & 7) + 1);
    return info;
}

Info bmp(const Bytes &b)
{
    if (!b.has(0, 29))
        return {};
    Info info;
    info.type = Bmp;
    info.width = std::int32_t(b.le16(18));
    info.height = std::int32_t(b.le16(22));
    info.depth = std::int32_t(b.at(28));
    return info;
}

bool isFrameMarker(unsigned code)
{
    // 0xC4 (Huffman tables), 0xC8 (reserved) and 0xCC (arithmetic coding
    // conditions) share the range but start no frame.
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

Info jpeg(const Bytes &b)
{
    std::size_t p = 2;
    for (;;) {
        if (!b.has(p, 2)) {
            Info info;
            info.wantsMore = true;
            return info;
        }
        // Fill bytes and anything that is not a marker are stepped over.
        if (b.at(p) != 0xFF || b.at(p + 1) == 0xFF) {
            ++p;
            continue;
        }
        if (isFrameMarker(b.at(p + 1)))
            break;
        if (!b.has(p + 2, 2)) {
            Info info;
            info.wantsMore = true;
            return info;
        }
        // The length counts its own two bytes: anything shorter is no segment.
        const unsigned length = b.be16(p + 2);
        if (length < 2)
            return {};
        // To the segment's last byte; the byte-wise step above then finds the
        // next marker.
        p += 1 + length;
    }
    // Marker, length, precision, height, width, number of components.
    if (!b.has(p, 10)) {
        Info info;
        info.wantsMore = true;
        return info;
    }
    Info info;
    info.type = Jpeg;
    info.height = std::int32_t(b.be16(p + 5));
    info.width = std::int32_t(b.be16(p + 7));
    info.depth = std::int32_t(b.at(p + 9)) * 8;
    info.frameOffset = p;
    return info;
}

} // namespace

Info read(const unsigned char *data, std::size_t size)
{
    const Bytes b(data, size);
    if (b.at(0) == 137 && b.at(1) == 'P' && b.at(2) == 'N')
        return png(b);
    if (b.at(0) == 'G' && b.at(1) == 'I' && b.at(2) == 'F')
        return gif(b);
    if (b.at(0) == 'B' && b.at(1) == 'M')
        return bmp(b);
    if (b.at(0) == 0xFF && b.at(1) == 0xD8 && b.at(2) == 0xFF && b.has(0, 3))
        return jpeg(b);
    return {};
}

} // namespace ImageHeader
