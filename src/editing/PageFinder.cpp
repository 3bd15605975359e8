// Zevora - finds a search string in a page, with or without regard to case.
#include "PageFinder.h"

#include "PageText.h"

#include <QChar>
#include <QHash>
#include <QList>

#include <cstring>

namespace {

// Marks a character that cannot match anything (a byte that is no UTF-8, a
// lone surrogate in the search string).
constexpr char32_t kNoCharacter = 0xFFFFFFFF;

constexpr quint64 kEveryByte = 0x0101010101010101ULL;
constexpr quint64 kHighBits = 0x8080808080808080ULL;

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

// Every character whose folding is not the character itself, by its folding.
// Built once; about 1,450 characters, all of them in the first two planes
// (the last cased script, Adlam, ends at U+1E95F).
const QHash<char32_t, QList<char32_t>> &unfoldings()
{
    static const QHash<char32_t, QList<char32_t>> table = [] {
        QHash<char32_t, QList<char32_t>> result;
        for (char32_t c = 0; c <= 0x1FFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded != c)
                result[folded].append(c);
        }
        return result;
    }();
    return table;
}

// The character that starts at data[i] (i < size) and its length in bytes.
// A byte that starts no valid UTF-8 character stands alone and matches nothing.
char32_t decode(const uchar *data, qsizetype size, qsizetype i, int *length)
{
    const uchar b = data[i];
    *length = 1;
    if (b < 0x80)
        return b;
    int count = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        count = 1;
        c = b & 0x1F;
        least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        count = 2;
        c = b & 0x0F;
        least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        count = 3;
        c = b & 0x07;
        least = 0x10000;
    } else {
        return kNoCharacter;
    }
    if (i + count >= size)
        return kNoCharacter;
    for (int k = 1; k <= count; ++k) {
        const uchar next = data[i + k];
        if ((next & 0xC0) != 0x80)
            return kNoCharacter;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kNoCharacter;
    *length = count + 1;
    return c;
}

} // namespace

PageFinder::PageFinder(const QString &needle, Case letterCase) : m_needle(needle), m_case(letterCase)
{
    const bool valid = QStringView(needle).isValidUtf16();
    if (m_case == Case::Match) {
        // A lone surrogate can never be part of a page.
        if (valid)
            m_utf8 = needle.toUtf8();
        else
            m_needle.clear();
        return;
    }
    m_units = needle.size();
    for (qsizetype i = 0; i < needle.size(); ++i) {
        const QChar c = needle.at(i);
        if (c.isHighSurrogate() && i + 1 < needle.size() && needle.at(i + 1).isLowSurrogate()) {
            m_folded.push_back(fold(QChar::surrogateToUcs4(c, needle.at(i + 1))));
            ++i;
        } else {
            m_folded.push_back(c.isSurrogate() ? kNoCharacter : fold(c.unicode()));
        }
    }
    if (m_folded.empty() || m_folded.front() == kNoCharacter)
        return;
    QList<char32_t> starts = unfoldings().value(m_folded.front());
    starts.append(m_folded.front());
    for (const char32_t c : starts) {
        const QByteArray utf8 = QString::fromUcs4(&c, 1).toUtf8();
        m_firstBytes[uchar(utf8.front())] = true;
    }
    for (int b = 0; b < 256; ++b) {
        if (m_firstBytes[b])
            m_firstByteWords.push_back(quint64(b) * kEveryByte);
    }
    if (m_firstByteWords.size() > 4)
        m_firstByteWords.clear();
}

qsizetype PageFinder::find(const PageText &page, qsizetype start) const
{
    start = std::max<qsizetype>(start, 0);
    if (isEmpty() || start > page.length())
        return -1;
    const qsizetype at = findUtf8(page.utf8(), page.utf8FromIndex(start));
    return at < 0 ? -1 : page.indexFromUtf8(at);
}

qsizetype PageFinder::count(const PageText &page, qsizetype start) const
{
    start = std::max<qsizetype>(start, 0);
    if (isEmpty() || start > page.length())
        return 0;
    const QByteArrayView text = page.utf8();
    qsizetype matches = 0;
    qsizetype end = 0;
    for (qsizetype at = findUtf8(text, page.utf8FromIndex(start), &end); at >= 0;
         at = findUtf8(text, end, &end))
        ++matches;
    return matches;
}

qsizetype PageFinder::findUtf8(QByteArrayView text, qsizetype from, qsizetype *end) const
{
    if (isEmpty() || from < 0 || from > text.size())
        return -1;
    if (m_case == Case::Ignore)
        return findFolded(text, from, end);
    const qsizetype at = text.indexOf(m_utf8, from);
    if (at >= 0 && end)
        *end = at + m_utf8.size();
    return at;
}

qsizetype PageFinder::findFolded(QByteArrayView text, qsizetype from, qsizetype *end) const
{
    const auto *data = reinterpret_cast<const uchar *>(text.data());
    const qsizetype size = text.size();
    for (qsizetype i = from; i < size; ++i) {
        i = nextStartByte(data, size, i);
        if (i == size)
            return -1;
        const qsizetype matchEnd = matchFoldedAt(text, i);
        if (matchEnd >= 0) {
            if (end)
                *end = matchEnd;
            return i;
        }
    }
    return -1;
}

// The first byte at or after \a from that can start the first character of
// the search string (such a byte never continues a character), or \a size.
qsizetype PageFinder::nextStartByte(const uchar *data, qsizetype size, qsizetype from) const
{
    qsizetype i = from;
    if (!m_firstByteWords.empty()) {
        // Eight bytes at a time: a word holds one of the bytes when the word
        // XOR that byte repeated has a zero byte.
        for (; i + 8 <= size; i += 8) {
            quint64 word;
            std::memcpy(&word, data + i, 8);
            quint64 hit = 0;
            for (const quint64 pattern : m_firstByteWords) {
                const quint64 x = word ^ pattern;
                hit |= (x - kEveryByte) & ~x & kHighBits;
            }
            if (hit)
                break;
        }
    }
    while (i < size && !m_firstBytes[data[i]])
        ++i;
    return i;
}

// The offset behind the match that starts at byte \a at, or -1.
qsizetype PageFinder::matchFoldedAt(QByteArrayView text, qsizetype at) const
{
    const auto *data = reinterpret_cast<const uchar *>(text.data());
    const qsizetype size = text.size();
    qsizetype pos = at;
    qsizetype units = 0;
    for (const char32_t wanted : m_folded) {
        if (pos >= size)
            return -1;
        int length = 1;
        const char32_t c = decode(data, size, pos, &length);
        if (c == kNoCharacter || fold(c) != wanted)
            return -1;
        units += c > 0xFFFF ? 2 : 1;
        pos += length;
    }
    // Folding never joins or splits characters, so the match has the search
    // string's length; this keeps that promise whatever the tables say.
    return units == m_units ? pos : -1;
}
