// Zevora - line breaks the edit control shows inside a page's long lines.
#include "DisplayBreaks.h"

#include <algorithm>

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// A byte that continues a UTF-8 sequence: no break may go before it.
bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isGoodBreak(char c)
{
    return c == '>' || c == ' ' || c == '\t';
}

// Where the display line that starts at \a start of a line ending at \a end
// ends (the break goes before that byte), or \a end if the rest fits.
qsizetype breakAfter(QByteArrayView page, qsizetype start, qsizetype end)
{
    const qsizetype width = DisplayBreaks::width();
    if (end - start <= 2 * width)
        return end;
    // The last '>' or blank of the display line's width, else the first one
    // within the next width, else a hard break at a character boundary.
    for (qsizetype i = start + width; i > start + width / 4; --i) {
        if (isGoodBreak(page[i - 1]))
            return i;
    }
    for (qsizetype i = start + width; i < start + 2 * width; ++i) {
        if (isGoodBreak(page[i]))
            return i + 1;
    }
    qsizetype i = start + width;
    while (i < end && isContinuation(page[i]))
        ++i;
    return i;
}

} // namespace

QByteArray DisplayBreaks::build(QByteArrayView page, const std::function<void()> &pause)
{
    constexpr qsizetype pauseEvery = 4 << 20;
    m_positions.clear();
    QByteArray control;
    qsizetype copied = 0;
    qsizetype lineStart = 0;
    qsizetype nextPause = pauseEvery;
    const auto pauseAt = [&](qsizetype at) {
        if (pause && at >= nextPause) {
            pause();
            nextPause = at + pauseEvery;
        }
    };
    while (lineStart < page.size()) {
        pauseAt(lineStart);
        qsizetype lineEnd = lineStart;
        while (lineEnd < page.size() && !isLineEnd(page[lineEnd]))
            ++lineEnd;
        if (lineEnd - lineStart > longLine()) {
            if (control.isNull())
                control.reserve(page.size() + page.size() / width() + 16);
            for (qsizetype at = breakAfter(page, lineStart, lineEnd); at < lineEnd;
                 at = breakAfter(page, at, lineEnd)) {
                control.append(page.sliced(copied, at - copied));
                m_positions.push_back(long(control.size()));
                control.append('\n');
                copied = at;
                pauseAt(at);
            }
        }
        lineStart = lineEnd + 1;
    }
    if (control.isNull())
        return {};
    return control.append(page.sliced(copied));
}

std::vector<long> DisplayBreaks::breaksIn(QByteArrayView line)
{
    std::vector<long> breaks;
    for (qsizetype at = breakAfter(line, 0, line.size()); at < line.size();
         at = breakAfter(line, at, line.size()))
        breaks.push_back(long(at));
    return breaks;
}

void DisplayBreaks::add(long pos)
{
    m_positions.insert(std::lower_bound(m_positions.begin(), m_positions.end(), pos), pos);
}

qsizetype DisplayBreaks::before(long pos) const
{
    return std::lower_bound(m_positions.begin(), m_positions.end(), pos) - m_positions.begin();
}

bool DisplayBreaks::isBreak(long pos) const
{
    return std::binary_search(m_positions.begin(), m_positions.end(), pos);
}

QByteArray DisplayBreaks::pageBytes(QByteArrayView bytes, long from) const
{
    auto it = std::lower_bound(m_positions.begin(), m_positions.end(), from);
    const long to = from + long(bytes.size());
    if (it == m_positions.end() || *it >= to)
        return bytes.toByteArray();
    QByteArray page;
    page.reserve(bytes.size());
    long done = from;
    for (; it != m_positions.end() && *it < to; ++it) {
        page.append(bytes.sliced(done - from, *it - done));
        done = *it + 1;
    }
    return page.append(bytes.sliced(done - from));
}

long DisplayBreaks::controlPos(long offset) const
{
    // The i-th break (from 0) sits at page offset positions[i] - i; the
    // control position adds every break at or before that offset.
    auto it = std::upper_bound(m_positions.begin(), m_positions.end(), offset,
                               [this](long value, const long &position) {
                                   return value < position - long(&position - m_positions.data());
                               });
    return offset + long(it - m_positions.begin());
}

void DisplayBreaks::inserted(long pos, long length)
{
    for (auto it = std::lower_bound(m_positions.begin(), m_positions.end(), pos); it != m_positions.end();
         ++it)
        *it += length;
}

void DisplayBreaks::removed(long pos, long length)
{
    const auto first = std::lower_bound(m_positions.begin(), m_positions.end(), pos);
    const auto last = std::lower_bound(first, m_positions.end(), pos + length);
    for (auto it = last; it != m_positions.end(); ++it)
        *it -= length;
    m_positions.erase(first, last);
}
