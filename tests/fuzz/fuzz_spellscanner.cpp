// Zevora fuzz target - the spell check's word walk over a page.
// Whatever the page and the range: the walk ends; each word lies inside the
// range, after the one before it, and is a run of letters, marks and
// apostrophes (a word cut by the range may end in one), never markup, blanks,
// digits or "_".
#include "FuzzCheck.h"
#include "SpellScanner.h"

#include <QList>

#include <cstddef>
#include <cstdio>
#include <cstdint>

namespace {

bool isWordCharacter(uint c)
{
    return QChar::isLetter(c) || QChar::isMark(c) || c == U'\'' || c == U'\u2019';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first two bytes choose the range; the rest is the page, in UTF-8.
    if (size < 2)
        return 0;
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const qsizetype begin = data[0] % (page.size() + 1);
    const qsizetype end = data[1] == 0xFF ? -1 : begin + data[1] % (page.size() - begin + 1);
    const qsizetype last = end < 0 ? page.size() : end;

    SpellScanner scanner(page, begin, end);
    SpellScanner::Word word;
    qsizetype after = begin;
    while (scanner.next(word)) {
        FUZZ_CHECK(word.start >= after && word.length > 0 && word.start + word.length <= last);
        FUZZ_CHECK(!word.text.isEmpty());
        for (const uint c : word.text.toUcs4())
            FUZZ_CHECK(isWordCharacter(c) ||
                       std::fprintf(stderr, "U+%04X in \"%s\"\n", unsigned(c), qPrintable(word.text.toString())) < 0);
        after = word.start + word.length;
    }
    return 0;
}
