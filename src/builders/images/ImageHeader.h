// Zevora - the size and colour depth of a GIF, JPEG, PNG or BMP image from its first bytes.
// Plain C++ over bytes: no Qt, no files. CImageInfo reads the file and calls it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ImageHeader {

enum Type : std::int32_t
{
    None = 0,
    Gif = 1,
    Jpeg = 2,
    Png = 3,
    Bmp = 4
};

/// The most bytes of a file the reader ever needs: a JPEG frame header that
/// lies further in (behind huge comment or profile segments) is not looked for.
constexpr std::size_t kMaxBytes = std::size_t(16) * 1024 * 1024;

struct Info
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    /// Bits per pixel: PNG from its colour type and bit depth, GIF from its
    /// colour table size, JPEG 8 per component, BMP as written.
    std::int32_t depth = 0;
    Type type = None;
    /// Where the JPEG frame header starts (its 0xFF), or 0.
    std::size_t frameOffset = 0;
    /// The JPEG walk ran past the end of the bytes given: a longer part of the
    /// same file may still hold the frame header.
    bool wantsMore = false;
};

/// Reads the header in \a data (\a size bytes, the start of a file).
///
/// The signatures decide the type: 137 "PN" is PNG, "GIF" is GIF, "BM" is BMP,
/// and 0xFF 0xD8 0xFF at the very start is JPEG, whose markers are then walked
/// by their segment lengths up to the first frame header (marker codes 0xC0 to
/// 0xCF, except 0xC4, 0xC8 and 0xCC). Bytes past \a size count as 0 when
/// signatures are compared, but are never read. A header cut off by the end of
/// the data, a PNG size above 2,147,483,647, an unknown PNG colour type or a
/// JPEG segment length below 2 give None, with every field 0.
Info read(const unsigned char *data, std::size_t size);

} // namespace ImageHeader
