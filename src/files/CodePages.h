// Zevora - single-byte Windows code pages.
// The tables that the page reader and the RTF converter decode bytes with.
#pragma once

#include <QtGlobal>

namespace CodePages {

/// True for the code pages with a table of their own here: 1250 (Central
/// European), 1251 (Cyrillic) and 1252 (Western).
bool isSupported(int codePage);

/// The character of \a byte in \a codePage. Every byte has one: the bytes a
/// code page leaves undefined stand for the character of the same number
/// (0x81 is U+0081), and a code page without a table reads as 1252.
char16_t toUnicode(int codePage, uchar byte);

/// The Windows-1252 byte of \a ch, or -1 when that code page has none. Exactly
/// the inverse of toUnicode(1252, ...): U+0081, U+008D, U+008F, U+0090 and
/// U+009D give their own bytes, the other characters U+0080 to U+009F none.
int windows1252Byte(char16_t ch);

} // namespace CodePages
