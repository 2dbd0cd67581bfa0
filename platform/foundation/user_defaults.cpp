#include "platform/foundation/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace lanterncrest {

UserDefaults &UserDefaults::standard()
{
    static UserDefaults defaults;
    return defaults;
}

UserDefaults::UserDefaults() = default;

UserDefaults::UserDefaults(const QString &iniFilePath)
    : m_settings(iniFilePath, QSettings::IniFormat)
{
}

void UserDefaults::set(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
}

void UserDefaults::removeObject(const QString &key)
{
    m_settings.remove(key);
}

QVariant UserDefaults::object(const QString &key) const
{
    if (!m_settings.contains(key) && key == QLatin1String(appleLanguagesKey))
        return QLocale::system().uiLanguages();
    return m_settings.value(key);
}

std::optional<QString> UserDefaults::string(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QVariantMap> UserDefaults::dictionary(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return value.toMap();
}

QStringList UserDefaults::stringList(const QString &key) const
{
    // The INI format writes a one-element list as a bare text, so a text read back
    // from disk is that list.
    const QVariant value = object(key);
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QString:
        return { value.toString() };
    default:
        return {};
    }
}

QString UserDefaults::preferredLanguage() const
{
    const QStringList languages = stringList(QLatin1String(appleLanguagesKey));
    return languages.isEmpty() ? QString() : languages.first();
}

bool UserDefaults::restrictToOwner()
{
    constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    QFile file(m_settings.fileName());
    if (!file.exists()) {
        // Created with the owner's mode from the start, so the secret is never readable by others.
        if (!QDir().mkpath(QFileInfo(file).absolutePath())
            || !file.open(QIODevice::WriteOnly, ownerOnly))
            return false;
        file.close();
    }
    return file.setPermissions(ownerOnly);
}

bool UserDefaults::synchronize()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace lanterncrest
