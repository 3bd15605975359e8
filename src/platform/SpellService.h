// Zevora - spelling dictionaries as a platform service.
// Logic asks through this interface; only EnchantSpellService talks to Enchant.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

namespace Platform {

/// Thrown by a dictionary when the spelling library reports an error.
class SpellError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// One language's dictionary. Every call may throw SpellError.
class SpellDictionary
{
public:
    virtual ~SpellDictionary() = default;
    /// The language tag, such as "en_US".
    virtual QString language() const = 0;
    /// True when \a word is spelled correctly (or was added).
    virtual bool check(QStringView word) = 0;
    /// Spellings to offer for \a word, best first; may be empty.
    virtual QStringList suggest(const QString &word) = 0;
    /// Adds \a word to the user's own word list of this language for good.
    virtual void add(const QString &word) = 0;
};

class SpellService
{
public:
    virtual ~SpellService() = default;
    /// The languages that have a dictionary installed, in a stable order.
    virtual QStringList languages() = 0;
    /// The dictionary of \a language; null when none is installed.
    virtual std::unique_ptr<SpellDictionary> open(const QString &language) = 0;
};

} // namespace Platform
