// Zevora fuzz target - reading and writing a page's bytes.
// Whatever the bytes, a page read from them is written back as the same bytes.
#include "FuzzCheck.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedPage page = TextCodec::decode(bytes);
    const std::optional<QByteArray> written = TextCodec::encode(page.text, page.encoding);
    FUZZ_CHECK(written && *written == bytes);

    // The editor's own path: UTF-8 for the control and back, without a QString.
    if (page.encoding == PageEncoding::Windows1252) {
        const QByteArray utf8 = TextCodec::utf8FromWindows1252(bytes);
        FUZZ_CHECK(TextCodec::isValidUtf8(utf8));
        const std::optional<QByteArray> back = TextCodec::windows1252FromUtf8(utf8);
        FUZZ_CHECK(back && *back == bytes);
    }
    return 0;
}
