// Zevora tests - a scriptable spelling service.
#pragma once

#include "SpellService.h"

#include <QHash>
#include <QSet>

/// Dictionaries whose words, suggestions and failures a test sets. Every
/// dictionary opened shares the service's lists.
class FakeSpellService : public Platform::SpellService
{
public:
    QStringList languages() override { return installed; }
    std::unique_ptr<Platform::SpellDictionary> open(const QString &language) override;

    QStringList installed{QStringLiteral("en_US")};
    /// The words every dictionary knows (added words join them).
    QSet<QString> known;
    QHash<QString, QStringList> suggestions;
    /// The words checked and added, in order.
    QStringList checked;
    QStringList added;
    /// The check with this number (from 1) throws Platform::SpellError.
    int failAtCheck = 0;
};
