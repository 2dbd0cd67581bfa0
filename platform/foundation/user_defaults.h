#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>

namespace lanterncrest {

// The application's persistent key-value store, kept by QSettings under the
// organisation and application names of the QCoreApplication (set them before the
// first call of standard()). Reads are type-checked: a value of another kind reads
// as absent, never as a converted value. Main thread only.
class UserDefaults
{
public:
    // The user's preferred languages, most preferred first, as BCP-47 tags ("ar-EG",
    // "en-US"). While the application has not stored this key, stringList() and
    // object() answer with QLocale::system().uiLanguages(), read afresh each time.
    static constexpr const char *appleLanguagesKey = "AppleLanguages";

    // The one store of the application, created on first use.
    static UserDefaults &standard();

    // A store over the application's own settings (organisation/application names).
    UserDefaults();
    // A store over one INI file, e.g. to read what another process has written.
    explicit UserDefaults(const QString &iniFilePath);

    UserDefaults(const UserDefaults &) = delete;
    UserDefaults &operator=(const UserDefaults &) = delete;

    void set(const QString &key, const QVariant &value);
    void removeObject(const QString &key);

    // The stored value as it is, or an invalid QVariant when nothing is stored.
    QVariant object(const QString &key) const;
    // The stored text; absent when nothing or something else (a number, a map) is stored.
    std::optional<QString> string(const QString &key) const;
    // The stored dictionary; absent when nothing or something else (a text) is stored.
    std::optional<QVariantMap> dictionary(const QString &key) const;
    // The stored list of texts (a single stored text counts as a one-element list);
    // empty when nothing or something else is stored. See appleLanguagesKey.
    QStringList stringList(const QString &key) const;
    // The first entry of stringList(appleLanguagesKey), or an empty text.
    QString preferredLanguage() const;

    // The settings file's path.
    QString fileName() const;

    // Writes pending changes to disk and picks up changes made by other processes.
    // False when the settings file could not be read or written this time; changes that
    // could not be written stay readable in this process.
    bool synchronize();

    // Makes the settings file readable and writable by its owner alone: created so when
    // absent, narrowed when found looser. Later writes keep that mode. Call it before a
    // secret is written. Only a regular file is narrowed: a directory, a link or anything
    // else at the path keeps its mode, and the answer is false. False too when the file
    // could not be created or narrowed.
    bool restrictToOwner();

private:
    mutable QSettings m_settings;
};

} // namespace lanterncrest
