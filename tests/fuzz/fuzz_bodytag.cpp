// Zevora fuzz target - the BODY tag reader and writers.
// Whatever the page: the tag read is the page's first "<body" and never
// crosses a line break; Select and the background write change nothing
// outside the tag (or the selection of a page without one); the written tag
// reads back with every pick; a second background write changes nothing.
#include "BodyTagCheck.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first four bytes choose the selection, the picks and the image
    // name; the rest is the page, in UTF-8.
    if (size < 4)
        return 0;
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const qsizetype selStart = data[0] % (page.size() + 1);
    const qsizetype selLength = data[1] % (page.size() - selStart + 1);
    QList<BodyTagCheck::Pick> picks;
    for (int i = 0; i < data[2] % 4; ++i)
        picks.append(
            {(data[2] / 4 + i) % 5,
             QStringLiteral("\"#%1\"").arg(data[3] * 65793u + uint(i), 6, 16, QLatin1Char('0')).toUpper()});
    static const char *const names[] = {"img/bg.gif", "", "a b.gif", "a\"b", "x>y"};
    const QString name = QString::fromUtf8(names[data[3] % 5]);
    const char *failure = BodyTagCheck::check(page, selStart, selLength, picks, name);
    FUZZ_CHECK(!failure || std::fprintf(stderr, "%s\n", failure) < 0);
    return 0;
}
