// Zevora - the per-user settings store.
// Every value is text; section and key names are matched without regard to case.
#pragma once

#include <QString>

/// Access to the program's persistent settings under Tallow Ridge/Zevora.
///
/// Nothing is cached: every call reads or writes the store, so a value written
/// by another object or another process is seen at once. Failures are reported
/// only through the results (the default for reads, false for writes).
class CRegSettings
{
public:
    CRegSettings() = default;

    QString Company() const { return m_company; }
    /// Stores the trimmed text; an empty text restores "Tallow Ridge".
    void setCompany(const QString &company);
    QString AppName() const { return m_appName; }
    /// Stores the trimmed text; an empty text restores "Zevora".
    void setAppName(const QString &appName);

    /// The value of \a key in \a section, or \a defaultValue when either is
    /// missing. A stored empty text reads back as "". Key "*" is the section's
    /// unnamed value.
    QString GetRegSetting(const QString &section, const QString &key,
                          const QString &defaultValue = QString()) const;
    /// Writes \a setting, creating the section when missing. True on success.
    bool SaveRegSetting(const QString &section, const QString &key, const QString &setting);
    /// With a key, removes that value; without one (or an empty one), removes
    /// the whole section. True when the store reports success.
    bool DeleteSetting(const QString &section, const QString &key = QString());

    static QString defaultCompany() { return QStringLiteral("Tallow Ridge"); }
    static QString defaultAppName() { return QStringLiteral("Zevora"); }

private:
    QString m_company = defaultCompany();
    QString m_appName = defaultAppName();
};
