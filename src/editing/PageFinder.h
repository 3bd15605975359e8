// Zevora - finds a search string in a page, with or without regard to case.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class PageText;

/// A search string made ready for searching a page.
///
/// Without regard to case, characters are compared by their simple Unicode
/// case folding, one character against one: é finds É and Σ finds ς, but ß
/// does not find SS. A match therefore always has the length of the search
/// string. With regard to case, characters must be equal.
///
/// Matches never overlap: after a match, the search goes on behind it. All
/// positions are Text indexes; the search itself runs over the page's UTF-8
/// bytes, from the start position to the first match only.
class PageFinder
{
public:
    enum class Case
    {
        Ignore,
        Match
    };

    PageFinder(const QString &needle, Case letterCase);

    const QString &needle() const { return m_needle; }
    bool isEmpty() const { return m_needle.isEmpty(); }

    /// The Text index of the first match at or after \a start, or -1. A
    /// start past the end of the page finds nothing.
    qsizetype find(const PageText &page, qsizetype start) const;
    /// The number of matches at or after \a start, none overlapping the one
    /// before it.
    qsizetype count(const PageText &page, qsizetype start) const;

    /// The byte offset of the first match in \a text at or after byte
    /// \a from, or -1; \a end gets the offset just behind the match.
    qsizetype findUtf8(QByteArrayView text, qsizetype from, qsizetype *end = nullptr) const;

private:
    qsizetype findFolded(QByteArrayView text, qsizetype from, qsizetype *end) const;
    qsizetype nextStartByte(const uchar *data, qsizetype size, qsizetype from) const;
    qsizetype matchFoldedAt(QByteArrayView text, qsizetype at) const;

    QString m_needle;
    Case m_case;
    QByteArray m_utf8;
    // Ignoring case: the search string's characters, folded, and which bytes
    // can start a character that folds like its first one.
    std::vector<char32_t> m_folded;
    qsizetype m_units = 0;
    bool m_firstBytes[256] = {};
    // The same bytes, each repeated over a 64-bit word, when there are few.
    std::vector<quint64> m_firstByteWords;
};
