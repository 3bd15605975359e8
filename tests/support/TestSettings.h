// Zevora tests - a private settings store for one test program.
#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

/// Points the native per-user settings at a temporary folder for the life of
/// the object, so that no test reads or writes the user's own settings.
class TestSettings
{
public:
    TestSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    /// The settings file that the store writes.
    QString filePath() const { return m_dir.path() + QStringLiteral("/Tallow Ridge/Zevora.conf"); }

private:
    QTemporaryDir m_dir;
};
