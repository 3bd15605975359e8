// Zevora - the words of a page that people read, for the spell check.
#pragma once

#include <QString>
#include <QStringView>

/// Walks an HTML page and yields the words of its text, each with its range
/// in the page. Markup is passed over: tags with their names, attributes and
/// values (except the values of alt and title, which people read), comments,
/// <% %> and <? ?> blocks, and the contents of script and style elements.
/// A "<" that starts no tag is text.
///
/// A word is a run of letters and marks; an apostrophe (' or U+2019) between
/// two letters belongs to it. Character references are decoded: a letter or
/// an apostrophe written as a reference is part of the word, any other
/// reference, an unknown one and a bare "&" separate words. Words holding a
/// digit or "_", web addresses and e-mail addresses are not yielded.
class SpellScanner
{
public:
    struct Word
    {
        /// The word's range in the page, references included.
        qsizetype start = 0;
        qsizetype length = 0;
        /// The word with its references decoded; valid until the next call.
        QStringView text;
    };

    /// Scans \a page, yielding only the words (or the parts of words) that
    /// lie in [\a begin, \a end); the page before \a begin is read for the
    /// markup state there. An \a end of -1 is the end of the page.
    explicit SpellScanner(QStringView page, qsizetype begin = 0, qsizetype end = -1);

    /// The next word; false at the end of the range.
    bool next(Word &word);

private:
    enum class Mode
    {
        Text,
        Tag,
        Value,
        Raw
    };

    bool scanWords(Word &word);
    void scanMarkup();
    void scanTag();
    void scanRaw();
    qsizetype addressEnd(qsizetype from);
    bool atValueEnd(qsizetype at) const;

    QStringView m_page;
    qsizetype m_begin;
    qsizetype m_end;
    qsizetype m_pos = 0;
    Mode m_mode = Mode::Text;
    // In a value: its quote, or 0 for a value without quotes.
    char16_t m_quote = 0;
    // The element whose raw contents follow the tag being read.
    QLatin1StringView m_raw;
    // Words up to here were found to be no address.
    qsizetype m_plainUntil = 0;
    QString m_buffer;
};
