// Zevora - reading and writing a page's bytes.
// Pages are UTF-8 when their bytes are valid UTF-8 and Windows-1252 otherwise.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

/// How a page's characters are stored in its file.
enum class PageEncoding
{
    Utf8,       ///< UTF-8; a byte-order mark is the page's first character U+FEFF
    Windows1252 ///< one byte per character; the five undefined bytes stand for U+0081, U+008D, ...
};

/// The line break a page writes where the program adds one.
enum class LineEnding
{
    CrLf,
    Lf,
    Cr
};

/// A page's text together with the encoding it was read in.
struct DecodedPage
{
    QString text;
    PageEncoding encoding = PageEncoding::Utf8;
};

/// Decoding and encoding of page files, byte-exact both ways: for any bytes b,
/// encode(decode(b).text, decode(b).encoding) gives b again. Line breaks are
/// never changed.
namespace TextCodec {

/// True when \a bytes are well-formed UTF-8: no overlong forms, no encoded
/// surrogates, nothing above U+10FFFF, no sequence cut short at the end.
/// Empty and plain ASCII input is valid.
bool isValidUtf8(QByteArrayView bytes);

/// Utf8 when \a bytes are valid UTF-8, otherwise Windows1252.
PageEncoding detectEncoding(QByteArrayView bytes);

/// The text of \a bytes in the encoding detectEncoding() picks. A UTF-8
/// byte-order mark is kept as the character U+FEFF.
DecodedPage decode(QByteArrayView bytes);

/// The bytes of \a text in \a encoding; nothing when the text holds a
/// character the encoding cannot store (in Windows-1252 anything outside its
/// 256 characters; in either encoding a lone surrogate).
std::optional<QByteArray> encode(QStringView text, PageEncoding encoding);

/// Windows-1252 \a bytes re-encoded as UTF-8, character for character
/// (for handing a page to a UTF-8 edit control without a QString in between).
QByteArray utf8FromWindows1252(QByteArrayView bytes);

/// The inverse of utf8FromWindows1252(): nothing when \a utf8 is not valid
/// UTF-8 or holds a character Windows-1252 cannot store.
std::optional<QByteArray> windows1252FromUtf8(QByteArrayView utf8);

/// The page's line ending, taken from its first line break: CR LF, a lone LF
/// or a lone CR (also a CR at the very end). CrLf when there is no line break.
LineEnding detectLineEnding(QStringView text);
/// The same for the page's bytes (the line breaks are ASCII in both encodings).
LineEnding detectLineEnding(QByteArrayView bytes);

/// "\r\n", "\n" or "\r".
QString lineBreak(LineEnding ending);

/// True when \a text ends with CR or LF.
bool endsWithLineBreak(QStringView text);

/// The text a page is written as: \a text itself when it already ends with a
/// line break, otherwise \a text followed by the line break of \a ending (so
/// an empty page is written as one line break). Saving what was read
/// therefore never grows the file.
QString withFinalLineBreak(const QString &text, LineEnding ending);

} // namespace TextCodec
