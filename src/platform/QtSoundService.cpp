// Zevora - the program's WAV resources played with QSoundEffect.
#include "QtSoundService.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace Platform {

QtSoundService::QtSoundService() = default;

QtSoundService::~QtSoundService()
{
    qDeleteAll(m_effects);
}

QString QtSoundService::resourcePath(int resourceId)
{
    return QStringLiteral(":/sounds/%1.wav").arg(resourceId);
}

bool QtSoundService::isAvailable() const
{
    // Asked once: the answer is the program's sound-available flag. The
    // default output is null exactly when the system has no audio output (the
    // list of outputs cannot be used here: Qt 6.4's QList<QAudioDevice> does
    // not compile with GCC 12).
    if (!m_available)
        m_available = !QMediaDevices::defaultAudioOutput().isNull();
    return *m_available;
}

QSoundEffect *QtSoundService::effectFor(int resourceId)
{
    if (QSoundEffect *effect = m_effects.value(resourceId))
        return effect;
    const QString path = resourcePath(resourceId);
    if (!QFile::exists(path))
        return nullptr;
    auto *effect = new QSoundEffect;
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
    m_effects.insert(resourceId, effect);
    return effect;
}

void QtSoundService::play(int resourceId, bool async)
{
    if (!isAvailable())
        return;
    QSoundEffect *effect = effectFor(resourceId);
    if (!effect)
        return;
    effect->play();
    if (async)
        return;
    // Wait for the end of the sound, but never hang on a device that stops
    // answering: our sounds are all shorter than two seconds.
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying())
            loop.quit();
    });
    guard.start(3000);
    if (effect->isPlaying() || effect->status() == QSoundEffect::Loading)
        loop.exec();
}

} // namespace Platform
