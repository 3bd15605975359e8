// Zevora fuzz target - the plain text of an RTF document.
// Any bytes give a text without half a surrogate pair, in bounded size.
#include "FuzzCheck.h"
#include "RtfToText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = rtfToText(rtf);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            FUZZ_CHECK(i + 1 < text.size() && text.at(i + 1).isLowSurrogate());
            ++i;
        } else {
            FUZZ_CHECK(!c.isLowSurrogate());
        }
    }
    // No construct turns one byte into more than a few characters (a
    // paragraph mark of two bytes gives CR LF; "\\cell" a tab per cell).
    FUZZ_CHECK(text.size() <= 2 * qsizetype(size) + 2);
    return 0;
}
