// Zevora - Replace All's core: every occurrence of a text replaced in one pass.
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <optional>

class PageText;

namespace mReplace {

/// What the work below tells its caller while it goes on: events run every
/// 20 replacements and at least every 50 ms, and progress is reported every
/// 100 replacements.
class Listener
{
public:
    Listener() { m_sinceEvents.start(); }
    virtual ~Listener() = default;

    /// Runs pending events; returning false stops the work.
    virtual bool runEvents() = 0;
    /// Called after every 100th replacement, with the number made so far.
    virtual void replaced(qsizetype replacements) = 0;

    /// Runs events now; false when the work must stop.
    bool runEventsNow()
    {
        m_sinceEvents.restart();
        return runEvents();
    }
    /// Runs events when 50 ms have passed since they last ran.
    bool runEventsWhenDue() { return !m_sinceEvents.hasExpired(50) || runEventsNow(); }

private:
    QElapsedTimer m_sinceEvents;
};

struct Result
{
    /// The new text (empty when the work was stopped).
    QString text;
    qsizetype replacements = 0;
    /// False when the listener stopped the work.
    bool finished = true;
};

/// \a vstrString with every occurrence of \a vstrOrigCharacters replaced by
/// \a vstrReplaceCharacters, comparing exactly (letter case counts). The
/// search goes on behind each replaced occurrence, so occurrences never
/// overlap and the inserted text is never searched again. An empty
/// \a vstrOrigCharacters replaces nothing.
Result replaceAll(const QString &vstrString, const QString &vstrOrigCharacters,
                  const QString &vstrReplaceCharacters, Listener *listener = nullptr);

/// The text of \a page, decoded from its UTF-8 a stretch at a time so that
/// events run meanwhile (the page's bytes are read afresh after each run); a
/// byte-order mark at the start stays a character. Nothing when the listener
/// stops the work, which it must do when the page changes or goes.
std::optional<QString> decodeUtf8(const PageText &page, Listener *listener);

/// What the progress window says after \a replacements replacements.
QString progressText(qsizetype replacements);

} // namespace mReplace
