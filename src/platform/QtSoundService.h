// Zevora - the program's WAV resources played with QSoundEffect.
#pragma once

#include "SoundService.h"

#include <QHash>
#include <optional>

class QSoundEffect;

namespace Platform {

class QtSoundService : public SoundService
{
public:
    QtSoundService();
    ~QtSoundService() override;

    bool isAvailable() const override;
    void play(int resourceId, bool async) override;

    /// The resource path of sound \a resourceId.
    static QString resourcePath(int resourceId);

private:
    QSoundEffect *effectFor(int resourceId);

    mutable std::optional<bool> m_available;
    QHash<int, QSoundEffect *> m_effects;
};

} // namespace Platform
