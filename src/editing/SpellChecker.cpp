// Zevora - one spell check: the walk through a text and the user's decisions.
#include "SpellChecker.h"

#include "SpellService.h"

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Prepends to \a into the end of \a text back to its last line break, until
// \a into holds \a maxLength characters. True when either was reached.
bool takeLineEnd(QStringView text, QString &into, qsizetype maxLength)
{
    qsizetype i = text.size();
    while (i > 0 && !isLineBreak(text[i - 1]) && into.size() + (text.size() - i) < maxLength)
        --i;
    into.prepend(text.sliced(i));
    return i > 0;
}

} // namespace

SpellChecker::SpellChecker(const QString &page, qsizetype begin, qsizetype end,
                           Platform::SpellDictionary &dictionary)
    : m_page(page), m_begin(std::clamp<qsizetype>(begin, 0, page.size())),
      m_end(end < 0 ? page.size() : std::clamp(end, m_begin, page.size())), m_dictionary(dictionary),
      m_scanner(m_page, m_begin, m_end)
{
}

bool SpellChecker::isKnown(QStringView word)
{
    if (const auto it = m_verdicts.find(word); it != m_verdicts.end())
        return it->second;
    const bool known = m_dictionary.check(word);
    m_verdicts.emplace(word.toString(), known);
    return known;
}

SpellChecker::Progress SpellChecker::advance(const QDeadlineTimer &deadline)
{
    m_wordStart = -1;
    SpellScanner::Word word;
    for (unsigned count = 1;; ++count) {
        // The clock is read every few hundred words only.
        if (count % 256 == 0 && deadline.hasExpired())
            return Progress::TimeUp;
        if (!m_scanner.next(word))
            return Progress::Finished;
        if (!m_changeAll.empty()) {
            if (const auto it = m_changeAll.find(word.text); it != m_changeAll.end()) {
                replaceWord(word.start, word.length, it->second);
                continue;
            }
        }
        if (!isKnown(word.text)) {
            m_word = word.text.toString();
            m_wordStart = word.start;
            m_wordLength = word.length;
            return Progress::UnknownWord;
        }
    }
}

SpellChecker::Context SpellChecker::context(qsizetype maxLength) const
{
    Context context;
    if (m_wordStart < 0)
        return context;
    // Before the word: the page and the changes made in it, back to the
    // line's start.
    QString left;
    qsizetype pos = m_wordStart;
    for (auto change = m_changes.crbegin();; ++change) {
        const qsizetype from = change == m_changes.crend() ? 0 : change->start + change->length;
        if (takeLineEnd(QStringView(m_page).sliced(from, pos - from), left, maxLength) ||
            change == m_changes.crend() || takeLineEnd(change->text, left, maxLength))
            break;
        pos = change->start;
    }
    qsizetype rightEnd = m_wordStart + m_wordLength;
    while (rightEnd < m_page.size() && !isLineBreak(m_page[rightEnd]) &&
           rightEnd - (m_wordStart + m_wordLength) < maxLength)
        ++rightEnd;
    const QStringView right =
        QStringView(m_page).sliced(m_wordStart + m_wordLength, rightEnd - m_wordStart - m_wordLength);
    // As much on each side as fits, half of the room at least where both
    // sides have more.
    const qsizetype room = std::max<qsizetype>(0, maxLength - m_wordLength);
    const qsizetype leftKeep = std::min(left.size(), std::max(room / 2, room - right.size()));
    const qsizetype rightKeep = std::min(right.size(), room - leftKeep);
    context.line = QStringView(left).last(leftKeep).toString();
    context.line.append(QStringView(m_page).sliced(m_wordStart, m_wordLength)).append(right.first(rightKeep));
    context.wordStart = leftKeep;
    context.wordLength = m_wordLength;
    return context;
}

QStringList SpellChecker::suggestions()
{
    return m_wordStart < 0 ? QStringList() : m_dictionary.suggest(m_word);
}

void SpellChecker::ignore()
{
    m_wordStart = -1;
}

void SpellChecker::ignoreAll()
{
    if (m_wordStart >= 0)
        m_verdicts[m_word] = true;
    ignore();
}

void SpellChecker::change(const QString &text)
{
    if (m_wordStart >= 0)
        replaceWord(m_wordStart, m_wordLength, text);
    ignore();
}

void SpellChecker::changeAll(const QString &text)
{
    if (m_wordStart >= 0)
        m_changeAll[m_word] = text;
    change(text);
}

void SpellChecker::add()
{
    if (m_wordStart < 0)
        return;
    m_dictionary.add(m_word);
    m_verdicts[m_word] = true;
    ignore();
}

void SpellChecker::replaceWord(qsizetype start, qsizetype length, const QString &text)
{
    m_changes.push_back({start, length, text});
}

QString SpellChecker::result() const
{
    if (m_changes.empty())
        return m_begin == 0 && m_end == m_page.size() ? m_page : m_page.sliced(m_begin, m_end - m_begin);
    qsizetype size = m_end - m_begin;
    for (const Change &change : m_changes)
        size += change.text.size() - change.length;
    QString text;
    text.reserve(size);
    qsizetype copied = m_begin;
    for (const Change &change : m_changes) {
        text.append(QStringView(m_page).sliced(copied, change.start - copied)).append(change.text);
        copied = change.start + change.length;
    }
    return text.append(QStringView(m_page).sliced(copied, m_end - copied));
}
