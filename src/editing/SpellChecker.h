// Zevora - one spell check: the walk through a text and the user's decisions.
#pragma once

#include "SpellScanner.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <unordered_map>
#include <vector>

namespace Platform {
class SpellDictionary;
}

/// Walks the words of a page's range (SpellScanner) and stops at each word
/// the dictionary does not know; the caller then decides with ignore(),
/// ignoreAll(), change(), changeAll() or add() and walks on with advance().
/// The page itself is never touched: result() gives the range with the
/// changes made so far, every other character as it was.
///
/// Each distinct spelling is looked up once. Dictionary failures come out of
/// the calls as Platform::SpellError; std::bad_alloc may come out too.
class SpellChecker
{
public:
    enum class Progress
    {
        UnknownWord,
        Finished,
        TimeUp
    };

    /// A check of the words in [\a begin, \a end) of \a page (the end of the
    /// page for an \a end of -1) against \a dictionary, which must outlive
    /// the check.
    SpellChecker(const QString &page, qsizetype begin, qsizetype end, Platform::SpellDictionary &dictionary);

    /// Walks on to the next unknown word. Returns TimeUp when \a deadline
    /// passes first (call again to go on), Finished at the end of the range.
    Progress advance(const QDeadlineTimer &deadline = QDeadlineTimer::Forever);

    /// The unknown word where the walk stopped, references decoded.
    QString word() const { return m_word; }
    /// Its range in the page (references included).
    qsizetype wordStart() const { return m_wordStart; }
    qsizetype wordLength() const { return m_wordLength; }

    /// The word's line as it reads now, cut to about \a maxLength characters
    /// around the word, and where the word is in it.
    struct Context
    {
        QString line;
        qsizetype wordStart = 0;
        qsizetype wordLength = 0;
    };
    Context context(qsizetype maxLength = 120) const;
    /// The dictionary's spellings for the word.
    QStringList suggestions();

    /// Passes over this occurrence of the word.
    void ignore();
    /// Passes over this spelling for the rest of the check.
    void ignoreAll();
    /// Puts \a text in place of the word's whole range; the walk goes on
    /// behind it and does not check it.
    void change(const QString &text);
    /// The same, and for every later occurrence of the same spelling
    /// (letter case counting) as a whole word.
    void changeAll(const QString &text);
    /// Adds the word to the user's word list; it is known from now on.
    void add();

    /// The checked range with the changes made so far.
    QString result() const;

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(QStringView s) const { return qHash(s); }
    };
    struct Equal
    {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    template <typename T> using WordMap = std::unordered_map<QString, T, Hash, Equal>;

    bool isKnown(QStringView word);
    void replaceWord(qsizetype start, qsizetype length, const QString &text);

    QString m_page;
    qsizetype m_begin;
    qsizetype m_end;
    Platform::SpellDictionary &m_dictionary;
    SpellScanner m_scanner;
    WordMap<bool> m_verdicts;
    WordMap<QString> m_changeAll;

    QString m_word;
    qsizetype m_wordStart = -1;
    qsizetype m_wordLength = 0;

    // The changes made, in the order of the page; the text is built once, at
    // the end.
    struct Change
    {
        qsizetype start;
        qsizetype length;
        QString text;
    };
    std::vector<Change> m_changes;
};
