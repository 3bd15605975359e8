// Zevora - a GIF89a encoder of our own (Qt reads GIF but cannot write it).
#include "GifWriter.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;

// Codes go out least significant bit first, packed across byte boundaries.
class BitPacker
{
public:
    explicit BitPacker(QByteArray &out) : m_out(out) {}
    void put(int code, int width)
    {
        m_pending |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(char(m_pending & 0xff));
            m_pending >>= 8;
            m_bits -= 8;
        }
    }
    void flush()
    {
        if (m_bits > 0)
            m_out.append(char(m_pending & 0xff));
        m_pending = 0;
        m_bits = 0;
    }

private:
    QByteArray &m_out;
    quint32 m_pending = 0;
    int m_bits = 0;
};

// The string table: (prefix code, next index) -> code, open addressing over
// twice as many slots as a table can hold codes.
class StringTable
{
public:
    StringTable() { clear(); }
    void clear() { m_keys.fill(-1); }
    int find(int key) const
    {
        for (quint32 slot = hash(key);; slot = (slot + 1) & kMask) {
            if (m_keys[slot] == key)
                return m_codes[slot];
            if (m_keys[slot] < 0)
                return -1;
        }
    }
    void insert(int key, int code)
    {
        quint32 slot = hash(key);
        while (m_keys[slot] >= 0)
            slot = (slot + 1) & kMask;
        m_keys[slot] = key;
        m_codes[slot] = qint16(code);
    }

private:
    static constexpr quint32 kSlots = 2 * kTableSize;
    static constexpr quint32 kMask = kSlots - 1;
    static quint32 hash(int key) { return (quint32(key) * 2654435761u) >> 19 & kMask; }
    std::array<int, kSlots> m_keys;
    std::array<qint16, kSlots> m_codes;
};

// LZW as GIF decoders expect it: a Clear code first, codes one bit wider
// than the minimum code size, growing by a bit each time the next free code
// no longer fits (at most 12 bits), a Clear code when the table is full, and
// the End code last.
QByteArray compress(const std::vector<uchar> &indices, int minCodeSize)
{
    QByteArray data;
    BitPacker bits(data);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int width = minCodeSize + 1;
    int next = endCode + 1;
    auto table = std::make_unique<StringTable>();

    bits.put(clearCode, width);
    if (!indices.empty()) {
        int prefix = indices.front();
        for (size_t i = 1; i < indices.size(); ++i) {
            const int index = indices[i];
            const int key = prefix << 8 | index;
            if (const int code = table->find(key); code >= 0) {
                prefix = code;
                continue;
            }
            bits.put(prefix, width);
            table->insert(key, next++);
            if (next == kTableSize) {
                // The decoder's table is one code behind ours: it is not full
                // yet when it reads this Clear, so it never overflows.
                bits.put(clearCode, width);
                table->clear();
                width = minCodeSize + 1;
                next = endCode + 1;
            } else if (next > 1 << width) {
                ++width;
            }
            prefix = index;
        }
        bits.put(prefix, width);
        // The decoder adds a string for that last code before it reads the
        // End code, and may widen its codes for it.
        if (next + 1 > 1 << width && width < kMaxCodeWidth)
            ++width;
    }
    bits.put(endCode, width);
    bits.flush();
    return data;
}

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8 & 0xff));
}

} // namespace

QByteArray GifWriter::encode(const QImage &image, int transparentIndex)
{
    if (image.format() != QImage::Format_Indexed8 || image.isNull() || image.width() > 0xffff ||
        image.height() > 0xffff)
        return {};
    const QList<QRgb> colours = image.colorTable();
    if (colours.isEmpty() || colours.size() > 256)
        return {};

    std::vector<uchar> indices;
    indices.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] >= colours.size())
                return {};
            indices.push_back(line[x]);
        }
    }

    // The colour table holds a power of two of entries, at least two; the
    // LZW minimum code size is at least 2.
    int tableBits = 1;
    while ((1 << tableBits) < colours.size())
        ++tableBits;
    const bool transparent = transparentIndex >= 0 && transparentIndex < colours.size();

    QByteArray out("GIF89a");
    putWord(out, image.width());
    putWord(out, image.height());
    // Global colour table present, 8 bits per primary, not sorted.
    out.append(char(0x80 | 0x70 | (tableBits - 1)));
    out.append(char(transparent ? transparentIndex : 0)); // background colour
    out.append('\0');                                     // no aspect ratio given
    for (int i = 0; i < 1 << tableBits; ++i) {
        const QRgb colour = i < colours.size() ? colours.at(i) : qRgb(0, 0, 0);
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    if (transparent) {
        // Graphic Control Extension: no disposal, no delay, transparent index.
        out.append("\x21\xf9\x04\x01\x00\x00", 6);
        out.append(char(transparentIndex));
        out.append('\0');
    }
    // Image descriptor: the whole screen, no local table, not interlaced.
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width());
    putWord(out, image.height());
    out.append('\0');

    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = compress(indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.constData() + at, length);
    }
    out.append('\0'); // block terminator
    out.append(';');  // trailer
    return out;
}
