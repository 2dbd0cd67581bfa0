#include "platform/foundation/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString UserDefaults::fileName() const
{
    return m_settings.fileName();
}

bool UserDefaults::restrictToOwner()
{
    constexpr mode_t ownerOnly = S_IRUSR | S_IWUSR;
    const QString fileName = m_settings.fileName();
    const QByteArray path = QFile::encodeName(fileName);
    struct stat found = {};
    // Not followed: a link's target is some other file, whose mode is not ours to change.
    if (::lstat(path.constData(), &found) == 0) {
        if (!S_ISREG(found.st_mode))
            return false; // a directory or anything else at the path keeps its mode
        return (found.st_mode & 07777) == ownerOnly || ::chmod(path.constData(), ownerOnly) == 0;
    }
    if (errno != ENOENT || !QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    // Created with the owner's mode from the start, so the secret is never readable by others;
    // set again after creation, whatever the umask took away.
    const int created = ::open(path.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, ownerOnly);
    if (created < 0)
        return false;
    const bool narrowed = ::fchmod(created, ownerOnly) == 0;
    ::close(created);
    return narrowed;
}

bool UserDefaults::synchronize()
{
    m_settings.sync();
    if (m_settings.status() == QSettings::NoError)
        return true;
    // QSettings keeps the first error it met for good. Another QSettings over the same file
    // shares the pending changes, tries the write again and answers for this attempt alone.
    QSettings attempt(fileName(), m_settings.format());
    attempt.sync();
    return attempt.status() == QSettings::NoError;
}

} // namespace lanterncrest
