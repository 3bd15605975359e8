// Zevora - a page's text as the search and replace commands see it.
#pragma once

#include <QByteArrayView>

/// A page's text held in UTF-8, with conversions between offsets in those
/// bytes and Text indexes (UTF-16 code units, a CRLF counting two). Searches
/// run over the bytes; only the positions they report are converted.
class PageText
{
public:
    virtual ~PageText() = default;

    /// The whole text in UTF-8, without copying it; valid until the page
    /// changes.
    virtual QByteArrayView utf8() const = 0;
    /// The length of the text in UTF-16 code units.
    virtual qsizetype length() const = 0;
    /// The Text index of the character that starts at byte \a offset.
    virtual qsizetype indexFromUtf8(qsizetype offset) const = 0;
    /// The byte offset of the character at Text index \a index (the end of
    /// the text for an index at or past it).
    virtual qsizetype utf8FromIndex(qsizetype index) const = 0;
};
