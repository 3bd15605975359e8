// Zevora - reading and writing a page's bytes.
#include "TextCodec.h"

#include "CodePages.h"

#include <QStringDecoder>

#include <cstring>

namespace {

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// Writes the UTF-8 form of a BMP character that is not a surrogate at \a out
// and returns the position after it.
char *putUtf8(char *out, char16_t ch)
{
    if (ch < 0x80) {
        *out++ = char(ch);
    } else if (ch < 0x800) {
        *out++ = char(0xC0 | (ch >> 6));
        *out++ = char(0x80 | (ch & 0x3F));
    } else {
        *out++ = char(0xE0 | (ch >> 12));
        *out++ = char(0x80 | ((ch >> 6) & 0x3F));
        *out++ = char(0x80 | (ch & 0x3F));
    }
    return out;
}

bool isSurrogate(char16_t ch)
{
    return (ch & 0xF800) == 0xD800;
}

template <typename Chars> LineEnding lineEndingOf(const Chars &chars)
{
    for (qsizetype i = 0; i < chars.size(); ++i) {
        if (chars[i] == u'\n')
            return LineEnding::Lf;
        if (chars[i] == u'\r')
            return i + 1 < chars.size() && chars[i + 1] == u'\n' ? LineEnding::CrLf : LineEnding::Cr;
    }
    return LineEnding::CrLf;
}

} // namespace

namespace TextCodec {

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Pages are mostly ASCII: step over eight such bytes at a time.
        if (i + 8 <= size) {
            quint64 block;
            std::memcpy(&block, data + i, sizeof block);
            if ((block & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const uchar lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        qsizetype length;
        uchar low = 0x80; // the range allowed for the second byte
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // overlong below U+0800
            else if (lead == 0xED)
                high = 0x9F; // the surrogates U+D800 to U+DFFF
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90; // overlong below U+10000
            else if (lead == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return false; // a stray continuation byte, C0, C1 or F5 to FF
        }
        if (size - i < length || data[i + 1] < low || data[i + 1] > high)
            return false;
        for (qsizetype k = 2; k < length; ++k) {
            if (!isContinuation(data[i + k]))
                return false;
        }
        i += length;
    }
    return true;
}

PageEncoding detectEncoding(QByteArrayView bytes)
{
    return isValidUtf8(bytes) ? PageEncoding::Utf8 : PageEncoding::Windows1252;
}

DecodedPage decode(QByteArrayView bytes)
{
    DecodedPage page;
    page.encoding = detectEncoding(bytes);
    if (page.encoding == PageEncoding::Utf8) {
        // A byte-order mark stays in the text, so that it is written back.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        page.text = decoder.decode(bytes);
        return page;
    }
    page.text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(page.text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        out[i] = byte < 0x80 ? char16_t(byte) : CodePages::toUnicode(1252, byte);
    }
    return page;
}

std::optional<QByteArray> encode(QStringView text, PageEncoding encoding)
{
    const char16_t *chars = text.utf16();
    const qsizetype size = text.size();
    if (encoding == PageEncoding::Utf8) {
        for (qsizetype i = 0; i < size; ++i) {
            if (!isSurrogate(chars[i]))
                continue;
            if (QChar::isHighSurrogate(chars[i]) && i + 1 < size && QChar::isLowSurrogate(chars[i + 1]))
                ++i;
            else
                return std::nullopt;
        }
        return text.toUtf8();
    }
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = chars[i];
        if (ch < 0x80) {
            out[i] = char(ch);
            continue;
        }
        const int byte = CodePages::windows1252Byte(ch);
        if (byte < 0)
            return std::nullopt;
        out[i] = char(byte);
    }
    return bytes;
}

QByteArray utf8FromWindows1252(QByteArrayView bytes)
{
    // Each byte becomes at most three; the result is cut to size at the end.
    QByteArray out(bytes.size() * 3, Qt::Uninitialized);
    char *end = out.data();
    for (const char byte : bytes) {
        if (uchar(byte) < 0x80)
            *end++ = byte;
        else
            end = putUtf8(end, CodePages::toUnicode(1252, uchar(byte)));
    }
    out.truncate(end - out.constData());
    return out;
}

std::optional<QByteArray> windows1252FromUtf8(QByteArrayView utf8)
{
    if (!isValidUtf8(utf8))
        return std::nullopt;
    const auto *data = reinterpret_cast<const uchar *>(utf8.data());
    QByteArray out(utf8.size(), Qt::Uninitialized); // never longer than the UTF-8
    char *end = out.data();
    qsizetype i = 0;
    while (i < utf8.size()) {
        const uchar lead = data[i];
        char32_t ch;
        if (lead < 0x80) {
            ch = lead;
            i += 1;
        } else if (lead < 0xE0) {
            ch = (char32_t(lead & 0x1F) << 6) | (data[i + 1] & 0x3F);
            i += 2;
        } else if (lead < 0xF0) {
            ch = (char32_t(lead & 0x0F) << 12) | (char32_t(data[i + 1] & 0x3F) << 6) | (data[i + 2] & 0x3F);
            i += 3;
        } else {
            return std::nullopt; // beyond the BMP: never in Windows-1252
        }
        const int byte = CodePages::windows1252Byte(char16_t(ch));
        if (byte < 0)
            return std::nullopt;
        *end++ = char(byte);
    }
    out.truncate(end - out.constData());
    return out;
}

LineEnding detectLineEnding(QStringView text)
{
    return lineEndingOf(text);
}

LineEnding detectLineEnding(QByteArrayView bytes)
{
    return lineEndingOf(bytes);
}

QString lineBreak(LineEnding ending)
{
    switch (ending) {
    case LineEnding::Lf:
        return QStringLiteral("\n");
    case LineEnding::Cr:
        return QStringLiteral("\r");
    case LineEnding::CrLf:
        break;
    }
    return QStringLiteral("\r\n");
}

bool endsWithLineBreak(QStringView text)
{
    return !text.isEmpty() && (text.back() == u'\r' || text.back() == u'\n');
}

QString withFinalLineBreak(const QString &text, LineEnding ending)
{
    return endsWithLineBreak(text) ? text : text + lineBreak(ending);
}

} // namespace TextCodec
