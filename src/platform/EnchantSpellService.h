// Zevora - spelling through Enchant, with Hunspell dictionaries only.
#pragma once

#include "SpellService.h"

namespace Platform {

/// Asks Enchant for Hunspell dictionaries alone: with Aspell's installed too,
/// Enchant would otherwise serve some languages from Aspell. Words added go
/// to the user's list under $XDG_CONFIG_HOME/enchant/.
///
/// Loading a dictionary takes more than 100 ms and freeing it nearly as
/// long: the last one opened is kept for the next check of that language.
class EnchantSpellService : public SpellService
{
public:
    EnchantSpellService();
    ~EnchantSpellService() override;
    EnchantSpellService(const EnchantSpellService &) = delete;
    EnchantSpellService &operator=(const EnchantSpellService &) = delete;

    QStringList languages() override;
    std::unique_ptr<SpellDictionary> open(const QString &language) override;
    /// The name of the provider that serves \a dictionary ("hunspell"), for
    /// checks of the set-up; empty for a dictionary made elsewhere.
    static QString providerOf(SpellDictionary &dictionary);

private:
    class Dictionary;
    std::shared_ptr<Dictionary> m_kept;
};

} // namespace Platform
