// Zevora - playing the program's own sounds as a platform service.
#pragma once

namespace Platform {

class SoundService
{
public:
    virtual ~SoundService() = default;
    /// True when the system has at least one audio output.
    virtual bool isAvailable() const = 0;
    /// Plays the program's sound resource \a resourceId. With \a async the
    /// call returns at once; otherwise it returns when the sound has ended.
    /// A missing device or resource is silent.
    virtual void play(int resourceId, bool async) = 0;
};

/// Plays sound resource \a resourceId through the installed service.
void PlayResWav(int resourceId, bool async = false);
/// The process-wide sound-available flag.
bool soundAvailable();

} // namespace Platform
