// Zevora fuzz target - the image header reader.
// Whatever the bytes: a known type, no negative size, a JPEG frame header
// inside the bytes, and nothing at all for no image.
#include "FuzzCheck.h"
#include "ImageHeader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ImageHeader::Info info = ImageHeader::read(data, size);
    FUZZ_CHECK(info.type >= ImageHeader::None && info.type <= ImageHeader::Bmp);
    FUZZ_CHECK(info.width >= 0 && info.height >= 0 && info.depth >= 0);
    if (info.type == ImageHeader::Jpeg) {
        FUZZ_CHECK(info.frameOffset >= 2 && info.frameOffset + 10 <= size);
        FUZZ_CHECK(data[info.frameOffset] == 0xFF);
    } else {
        FUZZ_CHECK(info.frameOffset == 0);
    }
    if (info.type == ImageHeader::None)
        FUZZ_CHECK(info.width == 0 && info.height == 0 && info.depth == 0);
    return 0;
}
