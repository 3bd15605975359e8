// Zevora - the per-user settings store over QSettings in the native format.
#include "CRegSettings.h"

#include <QSettings>
#include <QStringList>

namespace {

// The store's own name for a section's unnamed value.
QString storedKeyName(const QString &key)
{
#ifdef Q_OS_WIN
    // The registry's default value of a key.
    if (key == QLatin1String("*"))
        return QStringLiteral(".");
#endif
    return key;
}

// The name under which \a wanted is already stored in \a names, matched without
// regard to case, or \a wanted itself when it is not stored yet. The INI format
// used outside Windows matches names case-sensitively, so this is done here.
QString storedName(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return wanted;
}

bool hasName(const QStringList &names, const QString &wanted)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const QString &name) { return name.compare(wanted, Qt::CaseInsensitive) == 0; });
}

} // namespace

void CRegSettings::setCompany(const QString &company)
{
    const QString trimmed = company.trimmed();
    m_company = trimmed.isEmpty() ? defaultCompany() : trimmed;
}

void CRegSettings::setAppName(const QString &appName)
{
    const QString trimmed = appName.trimmed();
    m_appName = trimmed.isEmpty() ? defaultAppName() : trimmed;
}

QString CRegSettings::GetRegSetting(const QString &section, const QString &key,
                                    const QString &defaultValue) const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    if (!hasName(store.childGroups(), section))
        return defaultValue;
    store.beginGroup(storedName(store.childGroups(), section));
    const QString wanted = storedKeyName(key);
    if (!hasName(store.childKeys(), wanted))
        return defaultValue;
    const QVariant value = store.value(storedName(store.childKeys(), wanted));
    // A value written by hand as a list (a comma in an unquoted INI value)
    // still reads back as the text that was stored.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

bool CRegSettings::SaveRegSetting(const QString &section, const QString &key, const QString &setting)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    store.beginGroup(storedName(store.childGroups(), section));
    store.setValue(storedName(store.childKeys(), storedKeyName(key)), setting);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

bool CRegSettings::DeleteSetting(const QString &section, const QString &key)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, m_company, m_appName);
    if (!hasName(store.childGroups(), section))
        return false;
    const QString group = storedName(store.childGroups(), section);
    if (key.isEmpty()) {
        store.remove(group);
    } else {
        store.beginGroup(group);
        const QString wanted = storedKeyName(key);
        if (!hasName(store.childKeys(), wanted))
            return false;
        store.remove(storedName(store.childKeys(), wanted));
        store.endGroup();
    }
    store.sync();
    return store.status() == QSettings::NoError;
}
