// Zevora - spelling through Enchant, with Hunspell dictionaries only.
#pragma once

#include "SpellService.h"

namespace Platform {

/// Asks Enchant for Hunspell dictionaries alone: with Aspell's installed too,
/// Enchant would otherwise serve some languages from Aspell. Words added go
/// to the user's list under $XDG_CONFIG_HOME/enchant/.
class EnchantSpellService : public SpellService
{
public:
    QStringList languages() override;
    std::unique_ptr<SpellDictionary> open(const QString &language) override;
    /// The name of the provider that serves \a dictionary ("hunspell"), for
    /// checks of the set-up; empty for a dictionary made elsewhere.
    static QString providerOf(SpellDictionary &dictionary);
};

} // namespace Platform
